#include "frontend/attribute_decls.h"

#include <initializer_list>
#include <map>

#include "frontend/class_decls.h"
#include "frontend/lexer.h"
#include "model/attributes.h"
#include "model/class_desc.h"
#include "model/process_state.h"

Attributes* currentAttribute = nullptr;
std::list<Str> keyList;
Str initValue;
int initKind = kTextValue;
Str updateValue;
int updateKind = kTextValue;
Str sourceWindow;
Str sourceClass;
Str sourceProject;
Str attrHint;
Str attrGroup;
Str attrPatch;

namespace {

// The property words each key gives an attribute.
const std::map<Str, std::list<Str>>& keyWords() {
  static const std::map<Str, std::list<Str>> words = {
      {"PK", {"PK"}},
      {"GK", {"SK", "PK", "GK"}},
      {"SK", {"SK", "PK"}},
      {"AUTO_INCREMENT", {"AUTO_INCREMENT"}},
      {"INDEX", {"INDEX"}},
      {"HIDE", {"HIDE"}},
      {"NOTAB", {"NOTAB"}},
      {"UNIQUE", {"UNIQUE", "INDEX"}},
      {"NOT", {"NOT"}},
      {"NULL", {"NULL"}},
  };
  return words;
}

// The class bits that some property words set.
const std::map<Str, int>& classBits() {
  static const std::map<Str, int> bits = {{"SK", 0x4}, {"GK", 0x20}, {"AUTO_INCREMENT", 0x80}};
  return bits;
}

// How a duplicate id of each form is reported: the text after the message
// and the parse result.
struct Duplicate {
  const char* suffix;
  int result;
};

Duplicate duplicateOf(AttrForm form) {
  switch (form) {
    case AttrForm::Reference: return {" 0", 6};
    case AttrForm::KeyedReference: return {" 1", 9};
    case AttrForm::Typed: return {" 5", 6};
    case AttrForm::KeyedTyped: return {" 2", 9};
    case AttrForm::VirtualTyped: return {" 10", 6};
    case AttrForm::VirtualAttribute:
    case AttrForm::VirtualReference: break;
  }
  return {" 11", 6};
}

bool hasKeys(AttrForm form) { return form == AttrForm::KeyedReference || form == AttrForm::KeyedTyped; }

bool isVirtual(AttrForm form) {
  return form == AttrForm::VirtualTyped || form == AttrForm::VirtualAttribute || form == AttrForm::VirtualReference;
}

// An enumeration item must be known when it is named.
int checkValue(const char* value, int kind) {
  if (kind != kEnumValue || isenum(value)) return 0;
  yyerror("Syntax Error");
  return 8;
}

}  // namespace

void beginAttributes() { attrGroup = Str(""); }

void beginAttrItem() {
  keyList.clear();
  attrPatch = patchName;
}

void setAttrGroup(const char* group) { attrGroup = Str(group); }

void addKey(const char* key) {
  auto words = keyWords().find(Str(key));
  if (words != keyWords().end()) keyList.insert(keyList.end(), words->second.begin(), words->second.end());
}

int setInitValue(const char* value, int kind) {
  if (int result = checkValue(value, kind)) return result;
  initValue = Str(value);
  initKind = kind;
  return 0;
}

int setUpdateValue(const char* value, int kind) {
  if (int result = checkValue(value, kind)) return result;
  updateValue = Str(value);
  updateKind = kind;
  return 0;
}

void setSource(const char* window, const char* cls, const char* project) {
  sourceWindow = textOrEmpty(window);
  sourceClass = textOrEmpty(cls);
  sourceProject = textOrEmpty(project);
}

const char* readLabels(const char* name, const char* hint) {
  attrHint = textOrEmpty(hint);
  return name;
}

int addAttribute(const AttrItem& item) {
  Str id(item.id ? item.id : item.type);
  currentAttribute =
      currentClass->AddAttribute(id, Str(item.type), refProject, textOrEmpty(item.word), Str(""), Str(""));
  if (!currentAttribute) {
    Duplicate duplicate = duplicateOf(item.form);
    yyerror(tr("Attribute with such name is already declared") + duplicate.suffix);
    return duplicate.result;
  }
  if (hasKeys(item.form)) {
    for (const Str& word : keyList) {
      currentAttribute->addProperty(word);
      auto bit = classBits().find(word);
      if (bit != classBits().end()) currentClass->setType(bit->second);
    }
  }
  if (isVirtual(item.form)) currentAttribute->SetVirtual();
  if (item.form == AttrForm::VirtualAttribute) {
    currentAttribute->setRefAttr(Str(item.refAttr));
    currentAttribute->setRefClass(Str(item.type));
  }
  if (item.label) currentClass->AttribName(id, item.label);
  if (!isVirtual(item.form)) currentAttribute->setDefs(initValue, initKind, updateValue, updateKind);
  currentAttribute->setDefRef(sourceWindow, sourceClass, sourceProject);
  Str comment = commentText(item.comment);
  if (!comment.IsEmpty()) currentAttribute->setComment(comment);
  currentAttribute->setHint(attrHint);
  currentAttribute->setGroup(attrGroup);
  currentAttribute->setProjectPatch(attrPatch);
  return 0;
}

void resetAttributeDecls() {
  currentAttribute = nullptr;
  keyList.clear();
  initValue = Str();
  initKind = kTextValue;
  updateValue = Str();
  updateKind = kTextValue;
  sourceWindow = Str();
  sourceClass = Str();
  sourceProject = Str();
  attrHint = Str();
  attrGroup = Str();
  attrPatch = Str();
}
