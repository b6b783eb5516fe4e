#include "model/attributes.h"

#include <functional>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>

#include "model/process_state.h"
#include "model/types_house.h"

namespace {

const char* const staticMarker = "___Static___";

Str invalidKind() { return tr("Error!") + tr(" Invalid Type in ") + "setDefs"; }

}  // namespace

Attributes::Attributes() : data_(std::make_shared<Data>()) {}

Attributes::Attributes(const Str& id, const Str& type, const Str& project, const Str& curClass,
                       const Str& name, const Str& p1, const Str& p2, const Str& p3)
    : data_(std::make_shared<Data>()) {
  // The texts arrive one at a time; their room is taken at once.
  std::size_t held = 0;
  for (const Str* text : {&name, &id, &id, &type, &project, &curClass}) held += !text->IsNull();
  data_->texts.reserve(held);
  setText(Field::name, name);
  setText(Field::id, id);
  setText(Field::idSOAP, id);
  setText(Field::type, type);
  setText(Field::project, project);
  setText(Field::curClass, curClass);
  for (const Str* word : {&p1, &p2, &p3})
    if (!word->IsEmpty()) addProperty(*word);
}

Attributes::Attributes(const Str& newId, const Attributes& src) : Attributes(src) {
  setText(Field::id, newId);
  setText(Field::idSOAP, newId);
  setText(Field::projectPatch, Str());
}

Attributes::Data& Attributes::own() {
  if (data_.use_count() > 1) data_ = std::make_shared<Data>(*data_);
  return *data_;
}

namespace {

std::uint32_t bitOf(unsigned field) { return std::uint32_t(1) << field; }

// The number of set bits, counted in place: built for any x86-64, the
// standard count is a library call, and it runs for every text read.
unsigned bitCount(std::uint32_t x) {
  x = x - ((x >> 1) & 0x55555555u);
  x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0Fu;
  return (x * 0x01010101u) >> 24;
}

// Equal bytes and equal nullness: a null text and an empty one differ.
bool sameText(const Str& a, const Str& b) { return a.IsNull() == b.IsNull() && a.std() == b.std(); }

struct TextHash {
  std::size_t operator()(const Str& s) const { return std::hash<std::string>()(s.std()) * 2 + s.IsNull(); }
};
struct SameText {
  bool operator()(const Str& a, const Str& b) const { return sameText(a, b); }
};

// Null texts first, then by bytes; a total order that keeps null and empty apart.
bool textBefore(const Str& a, const Str& b) {
  return a.IsNull() != b.IsNull() ? a.IsNull() : !a.IsNull() && a.std() < b.std();
}

struct WindowOrder {
  bool operator()(const WinLocator& a, const WinLocator& b) const {
    if (!sameText(a.project, b.project)) return textBefore(a.project, b.project);
    if (!sameText(a.cls, b.cls)) return textBefore(a.cls, b.cls);
    return textBefore(a.window, b.window);
  }
};

// The texts and default-value windows of all attributes are kept once for
// the whole run, and a record holds pointers to them: the same names,
// types, classes and projects stand in thousands of columns and arguments,
// and a pointer is a fifth of the size of a text. Nothing kept is changed
// or dropped, so equal contents have one address.
const Str* keptText(const Str& text) {
  static std::unordered_set<Str, TextHash, SameText> kept;
  return &*kept.insert(text).first;
}

const WinLocator* keptWindow(const WinLocator& window) {
  static std::set<WinLocator, WindowOrder> kept;
  return &*kept.insert(window).first;
}

}  // namespace

// The texts held are those whose bit is set, in field order, so a text's
// place is the number of held fields before it.
const Str& Attributes::text(Field field) const {
  static const Str none;
  const std::uint32_t bit = bitOf(unsigned(field));
  if (!(data_->held & bit)) return none;
  return *data_->texts[bitCount(data_->held & (bit - 1))];
}

void Attributes::setText(Field field, const Str& value) {
  const std::uint32_t bit = bitOf(unsigned(field));
  if (!(data_->held & bit) && value.IsNull()) return;
  const Str* kept = keptText(value);
  const auto index = bitCount(data_->held & (bit - 1));
  if (data_->held & bit) {
    if (data_->texts[index] != kept) own().texts[index] = kept;
    return;
  }
  // Grown by one at a time: an attribute holds few texts and many copies.
  Data& data = own();
  data.texts.reserve(data.texts.size() + 1);
  data.texts.insert(data.texts.begin() + index, kept);
  data.held |= bit;
}

// Kept texts and windows are equal exactly when their addresses are.
bool Attributes::sameFields(const Attributes& other) const {
  const Data& a = *data_;
  const Data& b = *other.data_;
  if (&a == &b) return true;
  return a.held == b.held && a.number_ == b.number_ && a.virtual_ == b.virtual_ && a.texts == b.texts &&
         a.defRef_ == b.defRef_ && a.properties_ == b.properties_;
}

std::size_t Attributes::fieldsHash() const {
  std::size_t hash = data_->held;
  for (const Str* text : data_->texts) hash = hash * 31 + std::hash<const Str*>()(text);
  return hash * 31 + data_->properties_.size();
}

Str Attributes::DefInitValue() const {
  return text(Field::defInitValue).IsEmpty() ? text(Field::defInit) : text(Field::defInitValue);
}

bool Attributes::isStatic() const { return text(Field::defUpdate) == staticMarker; }

const WinLocator& Attributes::getDefRef() const {
  static const WinLocator none;
  return data_->defRef_ ? *data_->defRef_ : none;
}

// A locator of three null names reads the same as none, so none is kept.
void Attributes::setDefRef(const WinLocator& ref) {
  const bool none = ref.project.IsNull() && ref.cls.IsNull() && ref.window.IsNull();
  const WinLocator* kept = none ? nullptr : keptWindow(ref);
  if (data_->defRef_ != kept) own().defRef_ = kept;
}

void Attributes::setDefRef(const Str& window, const Str& cls, const Str& project) {
  setDefRef(WinLocator(project, cls, window));
}

bool Attributes::IsProperty(const char* word) const {
  auto it = data_->properties_.find(Str(word));
  return it != data_->properties_.end() && it->second == 1;
}

bool Attributes::IsNotNull() const {
  return IsProperty("NOT") || IsProperty("PK") || IsProperty("SK") || IsProperty("GK");
}

void Attributes::setDefs(const Str& init, int initKind, const Str& update, int updateKind) {
  switch (initKind) {
    case -1:
    case 0:
      setText(Field::defInit, init);
      break;
    case 1:
    case 2:
      setText(Field::defInit, init);
      if (const ChkLine* item = TypesPool.findItem(text(Field::type), init)) setText(Field::defInitValue, Str() << item->code);
      break;
    default:
      throw invalidKind();
  }
  switch (updateKind) {
    case -1:
    case 0:
    case 1:
    case 2:
      setText(Field::defUpdate, update);
      break;
    case 3:
      setText(Field::defUpdate, staticMarker);
      break;
    default:
      throw invalidKind();
  }
}
