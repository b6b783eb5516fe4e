#pragma once
// Attributes: one attribute of a class. The same record is a column of a
// table, a method argument and an element of every attribute list.
#include <map>
#include <memory>

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
  // Copies share their fields until one of them changes (see Data).
  Attributes(const Attributes&) = default;
  Attributes& operator=(const Attributes&) = default;

  const Str& Name() const { return data_->name_; }
  const Str& Id() const { return data_->id_; }
  const Str& IdSOAP() const { return data_->idSOAP_; }
  const Str& Type() const { return data_->type_; }
  const Str& Project() const { return data_->project_; }
  const Str& ProjectPatch() const { return data_->projectPatch_; }
  const Str& CurClass() const { return data_->curClass_; }
  const Str& RefClass() const { return data_->refClass_; }
  const Str& RefAttr() const { return data_->refAttr_; }
  int Number() const { return data_->number_; }
  bool IsVirtual() const { return data_->virtual_ != 0; }
  const Str& DefInit() const { return data_->defInit_; }
  // The numeric code of an enumerated initial value when there is one, else
  // the initial value as written.
  Str DefInitValue() const;
  const Str& DefUpdate() const { return data_->defUpdate_; }
  const Str& Group() const { return data_->group_; }
  const Str& Prefix() const { return data_->prefix_; }
  const Str& Suffix() const { return data_->suffix_; }
  const Str& Comment() const { return data_->comment_; }
  const Str& Hint() const { return data_->hint_; }
  const WinLocator& getDefRef() const { return data_->defRef_; }
  bool isStatic() const;  // the update value is the static marker
  bool IsRef() const { return !data_->refClass_.IsEmpty(); }

  void setName(const char* name) { own().name_ = name; }
  void setId(const Str& id) { own().id_ = id; }
  void setType(const Str& type) { own().type_ = type; }
  void setProjectPatch(const Str& patch) { own().projectPatch_ = patch; }
  void setCurClass(const Str& cls) { own().curClass_ = cls; }
  void setRefClass(const Str& cls) { own().refClass_ = cls; }
  void setRefAttr(const Str& attr) { own().refAttr_ = attr; }
  void setNumber(int number) { own().number_ = number; }
  void SetVirtual() { own().virtual_ = 1; }
  void setDefInitValue(const Str& value) { own().defInitValue_ = value; }
  void setGroup(const Str& group) { own().group_ = group; }
  void setPrefix(const Str& prefix) { own().prefix_ = prefix; }
  void setSuffix(const Str& suffix) { own().suffix_ = suffix; }
  void setComment(const Str& comment) { own().comment_ = comment; }
  void setHint(const Str& hint) { own().hint_ = hint; }
  void setDefRef(const WinLocator& ref) { own().defRef_ = ref; }
  // The names come window first; the locator keeps them project first.
  void setDefRef(const Str& window, const Str& cls, const Str& project);

  void addProperty(const Str& word) { own().properties_[word] = 1; }
  void removeProperty(const Str& word) { own().properties_.erase(word); }
  bool IsProperty(const char* word) const;
  bool IsNotNull() const;  // any of NOT, PK, SK, GK

  // Stores the default initial value and the default update value.
  // Kinds: 0 or -1 a text, 1 an enumeration item, 2 a global (user id or
  // time); the update kind 3 marks a static column. Another kind throws.
  void setDefs(const Str& init, int initKind, const Str& update, int updateKind);

private:
  // The fields. Attribute lists, tables and method signatures hold many
  // copies of the same attribute; the copies share one Data and a copy gets
  // fields of its own only when it is changed, so copying a list of columns
  // costs a pointer per column instead of all its texts.
  struct Data {
    Str name_;          // display name
    Str id_;
    Str idSOAP_;        // id in the SOAP and WSDL output
    Str type_;          // base type or class id
    Str project_;       // project in which a class-typed type is looked up
    Str projectPatch_;  // patch section that declared the attribute
    Str curClass_;      // owning class
    Str refClass_;      // referenced class; non-empty for a reference
    Str refAttr_;       // referenced attribute
    int number_ = 0;    // ordinal of the column in its table
    int virtual_ = 0;
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
  // The fields, made this record's own before a change.
  Data& own();

  std::shared_ptr<Data> data_;
};
