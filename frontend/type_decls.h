#pragma once
// The actions of type declarations: they fill the type registry. A type
// declared again (the same type file embedded by several projects) is checked
// against the registry instead of being added anew.
#include "rt/str.h"

extern Str currentType;       // type being declared
extern Str currentEnumValue;  // enumeration item being declared

// Header of a declaration: the type becomes current and its declaration
// counter grows by one.
void beginType(const char* type);
// Base of a derived type: a first declaration starts with the base's fields.
void deriveType(const char* base);
void addTypeField(const char* field, const char* value);
void addEnumItem(const char* value, const char* comment, int code);
void addEnumOption(const char* key, const char* text);
void addAliasItem(const char* alias, const char* value);

// For tests only: forgets the current type and the alias items seen.
void resetTypeDecls();
