#pragma once
// The actions of the Attributes block of a class: group headings, and each
// attribute item with its key words, the window that supplies its default,
// its initial and update values, its labels and comment. The parts of an
// item are collected while it is read; the attribute is added at its end.
// The functions that can fail answer 0, or the parse result after reporting
// through yyerror.
#include <list>

#include "rt/str.h"

class Attributes;

extern Attributes* currentAttribute;  // attribute added last
extern std::list<Str> keyList;        // property words of the attribute being read
extern Str initValue;                 // initial value and its kind
extern int initKind;
extern Str updateValue;               // update value and its kind
extern int updateKind;
extern Str sourceWindow;              // window from which the default is picked
extern Str sourceClass;
extern Str sourceProject;
extern Str attrHint;                  // hint of the attribute being read
extern Str attrGroup;                 // current group heading; empty when the block starts
extern Str attrPatch;                 // patch section in which the attribute item started

// Value kinds of initial and update values.
constexpr int kTextValue = 0;      // a string literal, or no value
constexpr int kEnumValue = 1;      // the name of an enumeration item
constexpr int kGlobalValue = 2;    // GUserID or GUserTime
constexpr int kStaticUpdate = 3;   // Static: the column is not updated

// The shape of an attribute item: it decides the attribute's id and type,
// what it carries and how a duplicate id is reported.
enum class AttrForm {
  Reference,         // ref [id] [Master|Slave]
  KeyedReference,    // ref [id] [Master|Slave] , keys
  Typed,             // Type id
  KeyedTyped,        // Type id , keys
  VirtualTyped,      // Virtual Type id [, HIDE | , NOT NULL | , NULL]
  VirtualAttribute,  // Virtual ref . attr [id]
  VirtualReference,  // Virtual ref [id]
};

// One attribute item as read; the texts are null when not written.
struct AttrItem {
  AttrForm form;
  const char* type;     // referenced class or type name
  const char* id;       // the id written; null takes the referenced class's name
  const char* word;     // link word or null mark, a property of the attribute
  const char* refAttr;  // attribute of the referenced class (VirtualAttribute)
  const char* label;    // display name
  const char* comment;  // raw text of the lexer
};

void beginAttributes();
// The start of an item: the key words are emptied and the patch section of
// the item is taken.
void beginAttrItem();
void setAttrGroup(const char* group);
// A key as written (NOT NULL as "NOT"): its property words go to keyList.
void addKey(const char* key);
int setInitValue(const char* value, int kind);
int setUpdateValue(const char* value, int kind);
// The window that supplies the default; null names are empty.
void setSource(const char* window, const char* cls, const char* project);
// Labels: answers the display name and keeps the hint.
const char* readLabels(const char* name, const char* hint);
int addAttribute(const AttrItem& item);

// For tests only: forgets the attribute state.
void resetAttributeDecls();
