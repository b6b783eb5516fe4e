#pragma once
// The actions of class declarations: they create the classes and objects of
// the current project, reopen a class inside a patch section, derive a class
// from a base (registering the type that tells the family's classes apart),
// and carry the class reference read last for the members that follow it.
// The functions that can fail answer 0, or the parse result after reporting
// through yyerror.
#include "rt/str.h"

class ClassDesc;
class ObjectDesc;

extern ClassDesc* currentClass;  // class being declared; stays set after its end
extern Str refProject;           // project named by the last class reference
extern Str refAlias;             // name in parentheses after the last class reference

// The words before `Class`, which decide what the end of a declaration does.
// A singular class ends as a plain one.
enum class ClassKind { Plain, Virtual, Abstract, UnArchAbstract, UnArch };

// `Class` id: a new class, or inside a patch section an existing one
// reopened. A class named like its project (in any letter case) throws.
int beginClass(const char* id);
// `Class` id `:` base.
int beginDerivedClass(const char* id, const char* base);
// `Singular Class` id.
int beginSingularClass(const char* id);
void setClassAliasText(const char* alias);
void setWindowPrefix(const char* wid);
void setClassIconText(const char* icon);
// The closing brace: the object of the class, its kind bits and its comment
// (the raw text of the lexer, null when none). A reopened class keeps its
// object kind, and its comment when the reopening has none.
void endClass(ClassKind kind, const char* comment);

// Reports that a class of the name `id` exists already; answers the parse
// result 2.
int classAlreadyDeclared(const char* id);

// Class references: a plain name belongs to the current project; each
// answers the class name.
const char* localRef(const char* cls);
const char* projectRef(const char* project, const char* cls);
// The name in parentheses after a class reference; null for none.
const char* setRefAlias(const char* cls, const char* alias);

// A name or text the grammar may leave out (null) as the model stores it:
// the empty text when left out.
Str textOrEmpty(const char* text);

// A block comment as the model stores it: each double quote becomes two
// single quotes. Null for no comment.
Str commentText(const char* raw);

// The records the grammar creates live until the end of the run, also after
// the project that lists them is gone; these keep them reachable.
ClassDesc* keepForRun(ClassDesc* cls);
ObjectDesc* keepForRun(ObjectDesc* object);

// For tests only: forgets the class being declared and the last reference.
void resetClassDecls();
