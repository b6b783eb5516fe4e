#pragma once
// Attributes: one attribute of a class. The same record is a column of a
// table, a method argument and an element of every attribute list.
#include <map>

#include "model/locators.h"
#include "rt/str.h"

class Attributes {
public:
  // Every text empty, no properties.
  Attributes();
  // Id and IdSOAP are `id`; each non-empty p1, p2, p3 becomes a property.
  Attributes(const Str& id, const Str& type, const Str& project, const Str& curClass, const Str& name,
             const Str& p1 = Str(), const Str& p2 = Str(), const Str& p3 = Str());
  // A copy of `src` renamed to `newId` (Id and IdSOAP), without patch name.
  Attributes(const Str& newId, const Attributes& src);
  Attributes(const Attributes&) = default;
  Attributes& operator=(const Attributes&) = default;

  const Str& Name() const { return name_; }
  const Str& Id() const { return id_; }
  const Str& IdSOAP() const { return idSOAP_; }
  const Str& Type() const { return type_; }
  const Str& Project() const { return project_; }
  const Str& ProjectPatch() const { return projectPatch_; }
  const Str& CurClass() const { return curClass_; }
  const Str& RefClass() const { return refClass_; }
  const Str& RefAttr() const { return refAttr_; }
  int Number() const { return number_; }
  bool IsVirtual() const { return virtual_ != 0; }
  const Str& DefInit() const { return defInit_; }
  // The numeric code of an enumerated initial value when there is one, else
  // the initial value as written.
  Str DefInitValue() const;
  const Str& DefUpdate() const { return defUpdate_; }
  const Str& Group() const { return group_; }
  const Str& Prefix() const { return prefix_; }
  const Str& Suffix() const { return suffix_; }
  const Str& Comment() const { return comment_; }
  const Str& Hint() const { return hint_; }
  const WinLocator& getDefRef() const { return defRef_; }
  bool isStatic() const;  // the update value is the static marker
  bool IsRef() const { return !refClass_.IsEmpty(); }

  void setName(const char* name) { name_ = name; }
  void setId(const Str& id) { id_ = id; }
  void setType(const Str& type) { type_ = type; }
  void setProjectPatch(const Str& patch) { projectPatch_ = patch; }
  void setCurClass(const Str& cls) { curClass_ = cls; }
  void setRefClass(const Str& cls) { refClass_ = cls; }
  void setRefAttr(const Str& attr) { refAttr_ = attr; }
  void setNumber(int number) { number_ = number; }
  void SetVirtual() { virtual_ = 1; }
  void setDefInitValue(const Str& value) { defInitValue_ = value; }
  void setGroup(const Str& group) { group_ = group; }
  void setPrefix(const Str& prefix) { prefix_ = prefix; }
  void setSuffix(const Str& suffix) { suffix_ = suffix; }
  void setComment(const Str& comment) { comment_ = comment; }
  void setHint(const Str& hint) { hint_ = hint; }
  void setDefRef(const WinLocator& ref) { defRef_ = ref; }
  // The names come window first; the locator keeps them project first.
  void setDefRef(const Str& window, const Str& cls, const Str& project);

  void addProperty(const Str& word) { properties_[word] = 1; }
  void removeProperty(const Str& word) { properties_.erase(word); }
  bool IsProperty(const char* word) const;
  bool IsNotNull() const;  // any of NOT, PK, SK, GK

  // Stores the default initial value and the default update value.
  // Kinds: 0 or -1 a text, 1 an enumeration item, 2 a global (user id or
  // time); the update kind 3 marks a static column. Another kind throws.
  void setDefs(const Str& init, int initKind, const Str& update, int updateKind);

private:
  Str name_;          // display name
  Str id_;
  Str idSOAP_;        // id in the SOAP and WSDL output
  Str type_;          // base type or class id
  Str project_;       // project in which a class-typed type is looked up
  Str projectPatch_;  // patch section that declared the attribute
  Str curClass_;      // owning class
  Str refClass_;      // referenced class; non-empty for a reference
  Str refAttr_;       // referenced attribute
  int number_;        // ordinal of the column in its table
  int virtual_;
  Str defInit_;
  Str defInitValue_;  // numeric code of an enumerated initial value
  Str defUpdate_;     // update value or the static marker
  Str group_;         // screen group
  Str prefix_;        // label prefix
  Str suffix_;        // label suffix
  Str comment_;
  Str hint_;
  WinLocator defRef_;  // window from which a default value is picked
  std::map<Str, int> properties_;  // a word is set when its value is 1
};
