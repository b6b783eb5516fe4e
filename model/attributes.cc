#include "model/attributes.h"

#include "model/process_state.h"
#include "model/types_house.h"

namespace {

const char* const staticMarker = "___Static___";

Str invalidKind() { return tr("Error!") + tr(" Invalid Type in ") + "setDefs"; }

}  // namespace

Attributes::Attributes() : number_(0), virtual_(0) {}

Attributes::Attributes(const Str& id, const Str& type, const Str& project, const Str& curClass,
                       const Str& name, const Str& p1, const Str& p2, const Str& p3)
    : name_(name),
      id_(id),
      idSOAP_(id),
      type_(type),
      project_(project),
      curClass_(curClass),
      number_(0),
      virtual_(0) {
  for (const Str* word : {&p1, &p2, &p3})
    if (!word->IsEmpty()) addProperty(*word);
}

Attributes::Attributes(const Str& newId, const Attributes& src) : Attributes(src) {
  id_ = newId;
  idSOAP_ = newId;
  projectPatch_ = Str();
}

Str Attributes::DefInitValue() const { return defInitValue_.IsEmpty() ? defInit_ : defInitValue_; }

bool Attributes::isStatic() const { return defUpdate_ == staticMarker; }

void Attributes::setDefRef(const Str& window, const Str& cls, const Str& project) {
  defRef_ = WinLocator(project, cls, window);
}

bool Attributes::IsProperty(const char* word) const {
  auto it = properties_.find(Str(word));
  return it != properties_.end() && it->second == 1;
}

bool Attributes::IsNotNull() const {
  return IsProperty("NOT") || IsProperty("PK") || IsProperty("SK") || IsProperty("GK");
}

void Attributes::setDefs(const Str& init, int initKind, const Str& update, int updateKind) {
  switch (initKind) {
    case -1:
    case 0:
      defInit_ = init;
      break;
    case 1:
    case 2:
      defInit_ = init;
      if (const ChkLine* item = TypesPool.findItem(type_, init)) defInitValue_ = Str() << item->code;
      break;
    default:
      throw invalidKind();
  }
  switch (updateKind) {
    case -1:
    case 0:
    case 1:
    case 2:
      defUpdate_ = update;
      break;
    case 3:
      defUpdate_ = staticMarker;
      break;
    default:
      throw invalidKind();
  }
}
