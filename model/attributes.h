#pragma once
// Attributes: one attribute of a class. The same record is a column of a
// table, a method argument and an element of every attribute list.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

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

  const Str& Name() const { return text(Field::name); }
  const Str& Id() const { return text(Field::id); }
  const Str& IdSOAP() const { return text(Field::idSOAP); }
  const Str& Type() const { return text(Field::type); }
  const Str& Project() const { return text(Field::project); }
  const Str& ProjectPatch() const { return text(Field::projectPatch); }
  const Str& CurClass() const { return text(Field::curClass); }
  const Str& RefClass() const { return text(Field::refClass); }
  const Str& RefAttr() const { return text(Field::refAttr); }
  int Number() const { return data_->number_; }
  bool IsVirtual() const { return data_->virtual_ != 0; }
  const Str& DefInit() const { return text(Field::defInit); }
  // The numeric code of an enumerated initial value when there is one, else
  // the initial value as written.
  Str DefInitValue() const;
  const Str& DefUpdate() const { return text(Field::defUpdate); }
  const Str& Group() const { return text(Field::group); }
  const Str& Prefix() const { return text(Field::prefix); }
  const Str& Suffix() const { return text(Field::suffix); }
  const Str& Comment() const { return text(Field::comment); }
  const Str& Hint() const { return text(Field::hint); }
  const WinLocator& getDefRef() const;
  bool isStatic() const;  // the update value is the static marker
  bool IsRef() const { return !text(Field::refClass).IsEmpty(); }

  void setName(const char* name) { setText(Field::name, name); }
  void setId(const Str& id) { setText(Field::id, id); }
  void setType(const Str& type) { setText(Field::type, type); }
  void setProjectPatch(const Str& patch) { setText(Field::projectPatch, patch); }
  void setCurClass(const Str& cls) { setText(Field::curClass, cls); }
  void setRefClass(const Str& cls) { setText(Field::refClass, cls); }
  void setRefAttr(const Str& attr) { setText(Field::refAttr, attr); }
  void setNumber(int number) { own().number_ = number; }
  void SetVirtual() { own().virtual_ = 1; }
  void setDefInitValue(const Str& value) { setText(Field::defInitValue, value); }
  void setGroup(const Str& group) { setText(Field::group, group); }
  void setPrefix(const Str& prefix) { setText(Field::prefix, prefix); }
  void setSuffix(const Str& suffix) { setText(Field::suffix, suffix); }
  void setComment(const Str& comment) { setText(Field::comment, comment); }
  void setHint(const Str& hint) { setText(Field::hint, hint); }
  void setDefRef(const WinLocator& ref);
  // The names come window first; the locator keeps them project first.
  void setDefRef(const Str& window, const Str& cls, const Str& project);

  void addProperty(const Str& word) { own().properties_[word] = 1; }
  void removeProperty(const Str& word) { own().properties_.erase(word); }
  bool IsProperty(const char* word) const;
  bool IsNotNull() const;  // any of NOT, PK, SK, GK

  // Whether every field equals that of `other`, a null text differing from
  // an empty one; and a hash that agrees with it. For sharing equal records.
  bool sameFields(const Attributes& other) const;
  std::size_t fieldsHash() const;

  // Stores the default initial value and the default update value.
  // Kinds: 0 or -1 a text, 1 an enumeration item, 2 a global (user id or
  // time); the update kind 3 marks a static column. Another kind throws.
  void setDefs(const Str& init, int initKind, const Str& update, int updateKind);

private:
  // The texts of an attribute, in the order they are kept.
  enum class Field : unsigned char {
    name,          // display name
    id,
    idSOAP,        // id in the SOAP and WSDL output
    type,          // base type or class id
    project,       // project in which a class-typed type is looked up
    projectPatch,  // patch section that declared the attribute
    curClass,      // owning class
    refClass,      // referenced class; non-empty for a reference
    refAttr,       // referenced attribute
    defInit,
    defInitValue,  // numeric code of an enumerated initial value
    defUpdate,     // update value or the static marker
    group,         // screen group
    prefix,        // label prefix
    suffix,        // label suffix
    comment,
    hint,
  };

  // The fields. Attribute lists, tables and method signatures hold many
  // copies of the same attribute; the copies share one Data and a copy gets
  // fields of its own only when it is changed, so copying a list of columns
  // costs a pointer per column instead of all its texts. Most of the texts
  // of any one attribute are never set, so only those set are kept, and
  // each as a pointer to the one copy of that text the run keeps (as is the
  // default-value window).
  struct Data {
    std::vector<const Str*> texts;        // the texts held, in field order
    std::uint32_t held = 0;               // a bit per field, set when its text is held
    int number_ = 0;                      // ordinal of the column in its table
    int virtual_ = 0;
    const WinLocator* defRef_ = nullptr;  // window from which a default value is picked; null for none
    std::map<Str, int> properties_;       // a word is set when its value is 1
  };
  // The fields, made this record's own before a change.
  Data& own();
  const Str& text(Field field) const;
  void setText(Field field, const Str& value);

  std::shared_ptr<Data> data_;
};
