#include "model/attributes.h"

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
  data_->name_ = name;
  data_->id_ = id;
  data_->idSOAP_ = id;
  data_->type_ = type;
  data_->project_ = project;
  data_->curClass_ = curClass;
  for (const Str* word : {&p1, &p2, &p3})
    if (!word->IsEmpty()) addProperty(*word);
}

Attributes::Attributes(const Str& newId, const Attributes& src) : Attributes(src) {
  Data& data = own();
  data.id_ = newId;
  data.idSOAP_ = newId;
  data.projectPatch_ = Str();
}

Attributes::Data& Attributes::own() {
  if (data_.use_count() > 1) data_ = std::make_shared<Data>(*data_);
  return *data_;
}

Str Attributes::DefInitValue() const {
  return data_->defInitValue_.IsEmpty() ? data_->defInit_ : data_->defInitValue_;
}

bool Attributes::isStatic() const { return data_->defUpdate_ == staticMarker; }

void Attributes::setDefRef(const Str& window, const Str& cls, const Str& project) {
  own().defRef_ = WinLocator(project, cls, window);
}

bool Attributes::IsProperty(const char* word) const {
  auto it = data_->properties_.find(Str(word));
  return it != data_->properties_.end() && it->second == 1;
}

bool Attributes::IsNotNull() const {
  return IsProperty("NOT") || IsProperty("PK") || IsProperty("SK") || IsProperty("GK");
}

void Attributes::setDefs(const Str& init, int initKind, const Str& update, int updateKind) {
  Data& data = own();
  switch (initKind) {
    case -1:
    case 0:
      data.defInit_ = init;
      break;
    case 1:
    case 2:
      data.defInit_ = init;
      if (const ChkLine* item = TypesPool.findItem(data.type_, init)) data.defInitValue_ = Str() << item->code;
      break;
    default:
      throw invalidKind();
  }
  switch (updateKind) {
    case -1:
    case 0:
    case 1:
    case 2:
      data.defUpdate_ = update;
      break;
    case 3:
      data.defUpdate_ = staticMarker;
      break;
    default:
      throw invalidKind();
  }
}
