#include "model/windows.h"

#include "model/attrib_list.h"
#include "model/attributes.h"
#include "model/class_desc.h"
#include "model/cursor_walk.h"

namespace {

// The element an iterator stands on, as a pointer.
constexpr auto pointee = [](auto it) { return &*it; };

// The locator of the column an iterator stands on.
constexpr auto columnLocator = [](std::list<ColumnStruct>::iterator it) { return &it->column(); };

}  // namespace

MethodStruct::MethodStruct(const Str& entryName, const Str& entryLabel, const TargetList& entryTargets,
                           const Str& entryText, const Str& entryHint)
    : name(entryName), label(entryLabel), targets(entryTargets), text(entryText), hint(entryHint) {}

CommonWindow::CommonWindow(const char* id, const char* header)
    : whoAmI_("CommonWindow"),
      id_(id),
      header_(header),
      siCursor_(standardInput_.end()),
      methodCursor_(methods_.end()) {}

CommonWindow::CommonWindow(const CommonWindow& other)
    : whoAmI_(other.whoAmI_),
      id_(other.id_),
      header_(other.header_),
      remark_(other.remark_),
      namePatch_(other.namePatch_),
      standardInput_(other.standardInput_),
      siCursor_(samePosition(standardInput_, other.standardInput_, other.siCursor_)),
      methods_(other.methods_),
      accepted_(other.accepted_),
      methodCursor_(samePosition(methods_, other.methods_, other.methodCursor_)) {}

CommonWindow::~CommonWindow() = default;

void CommonWindow::AddMethod(const char* name, const char* label, const char* method, const char* cls,
                             const char* project, const Str& text, const Str& hint) {
  TargetList targets{{Str(method), {Str(cls), Str(project)}}};
  AddMethod(name, label, targets, text, hint);
}

void CommonWindow::AddMethod(const char* name, const char* label, TargetList& targets, const Str& text,
                             const Str& hint) {
  MethodStruct entry(name, label, targets, text, hint);
  for (auto it = methods_.begin(); it != methods_.end(); ++it) {
    if (it->name == entry.name) {
      if (methodCursor_ == it) methodCursor_ = methods_.end();
      methods_.erase(it);
      break;
    }
  }
  methods_.push_back(entry);
}

void CommonWindow::setStandardInput(const Str& method, const Str& cls, const Str& project) {
  TargetList calls{{method, {cls, project}}};
  setStandardInput(calls);
}

void CommonWindow::setStandardInput(TargetList& calls) {
  TargetList copy = calls;
  standardInput_.swap(copy);
  siCursor_ = standardInput_.end();
}

void CommonWindow::addAcceptArg(const Str& pName, const Str& fName, const Str& sName) {
  accepted_.push_back(AttrLocator(pName, fName, sName, Str(), false, false));
}

bool CommonWindow::acceptsArgs() const { return !accepted_.empty(); }
std::list<AttrLocator>& CommonWindow::acceptedArgs() { return accepted_; }
const std::list<AttrLocator>& CommonWindow::acceptedArgs() const { return accepted_; }

MethodStruct* CommonWindow::GetFirstMethod() { return walkFirst(methods_, methodCursor_, pointee); }
MethodStruct* CommonWindow::GetNextMethod() { return walkNext(methods_, methodCursor_, pointee); }

MethodStruct* CommonWindow::GetMethod(Str name) {
  for (MethodStruct& entry : methods_)
    if (entry.name == name) return &entry;
  return nullptr;
}

int CommonWindow::SICalls() const { return static_cast<int>(standardInput_.size()); }

void CommonWindow::SIReset() { siCursor_ = standardInput_.end(); }

bool CommonWindow::SINext() { return cursorNext(standardInput_, siCursor_); }

Str CommonWindow::SICStandardInput() const { return siCursor_ == standardInput_.end() ? Str() : siCursor_->first; }
Str CommonWindow::SICClass() const { return siCursor_ == standardInput_.end() ? Str() : siCursor_->second.first; }
Str CommonWindow::SICProject() const {
  return siCursor_ == standardInput_.end() ? Str() : siCursor_->second.second;
}

DialogWindow::DialogWindow(const char* id, const char* header, const char* menuItem)
    : CommonWindow(id, header), menuItemName_(menuItem) {
  setKind("DialogWindow");
}

DialogWindow::~DialogWindow() = default;

ViewWindow::ViewWindow(const char* id, const char* header, ClassDesc& cls)
    : CommonWindow(id, header),
      lpCursor_(leftParams_.end()),
      rewritten_(false),
      selectionType_(0),
      isDropDown_(false),
      class_(&cls),
      columnCursor_(columns_.end()),
      outputCursor_(outputArgs_.end()),
      excludedCursor_(excluded_.end()) {
  setKind("TableWindow");
}

ViewWindow::ViewWindow(const ViewWindow& other)
    : CommonWindow(other),
      leftParams_(other.leftParams_),
      lpCursor_(samePosition(leftParams_, other.leftParams_, other.lpCursor_)),
      atoms_(other.atoms_),
      signs_(other.signs_),
      declaredAtoms_(other.declaredAtoms_),
      declaredSigns_(other.declaredSigns_),
      rewritten_(other.rewritten_),
      selectionType_(other.selectionType_),
      emptyMessage_(other.emptyMessage_),
      rowName_(other.rowName_),
      isDropDown_(other.isDropDown_),
      class_(other.class_),
      columns_(other.columns_),
      outputArgs_(other.outputArgs_),
      excluded_(other.excluded_),
      columnCursor_(samePosition(columns_, other.columns_, other.columnCursor_)),
      outputCursor_(samePosition(outputArgs_, other.outputArgs_, other.outputCursor_)),
      excludedCursor_(samePosition(excluded_, other.excluded_, other.excludedCursor_)) {}

ViewWindow::~ViewWindow() = default;

void ViewWindow::AddColumn(const Str& pName, const Str& fName, const Str& sName, const Str& alias, int aggregate,
                           bool editable) {
  columns_.push_back(ColumnStruct(pName, fName, sName, alias, aggregate));
  columns_.back().setEditable(editable);
}

AttrLocator* ViewWindow::GetFirstColumn() { return walkFirst(columns_, columnCursor_, columnLocator); }
AttrLocator* ViewWindow::GetNextColumn() { return walkNext(columns_, columnCursor_, columnLocator); }

const Str* ViewWindow::GetColumnAlias() const {
  return columnCursor_ == columns_.end() ? nullptr : &columnCursor_->alias();
}

int ViewWindow::GetAggregate() const { return columnCursor_ == columns_.end() ? 0 : columnCursor_->Agregate(); }

bool ViewWindow::HaveColumn(const AttrLocator& locator) const {
  for (const ColumnStruct& column : columns_)
    if (column.column() == locator) return true;
  return false;
}

bool ViewWindow::isPK(const std::pair<Str, Str>& attr) const {
  if (!attr.second.IsEmpty() && attr.second != class_->Id()) return false;
  if (const Attributes* a = class_->GetAttribute(attr.first); a && a->IsProperty("PK")) return true;
  AttribList key = class_->getPK();
  return key.findAttrib(attr.first) != nullptr;
}

AttrLocator* ViewWindow::AddOutputArg(const Str& pName, const Str& fName, const Str& sName) {
  outputArgs_.push_back(AttrLocator(pName, fName, sName, Str(), false, false));
  return &outputArgs_.back();
}

AttrLocator* ViewWindow::GetFirstOutputArg() { return walkFirst(outputArgs_, outputCursor_, pointee); }
AttrLocator* ViewWindow::GetNextOutputArg() { return walkNext(outputArgs_, outputCursor_, pointee); }

void ViewWindow::AddExcluded(const char* name) { excluded_.push_back(Str(name)); }

const Str* ViewWindow::GetFirstExcluded() { return walkFirst(excluded_, excludedCursor_, pointee); }
const Str* ViewWindow::GetNextExcluded() { return walkNext(excluded_, excludedCursor_, pointee); }

bool ViewWindow::IsExcluded(const Str& name) const {
  for (const Str& excluded : excluded_)
    if (excluded == name) return true;
  return false;
}

void ViewWindow::setRewrittenConditions(AtomList atoms, std::list<Str> signs) {
  if (!rewritten_) {
    declaredAtoms_ = std::move(atoms_);
    declaredSigns_ = std::move(signs_);
    rewritten_ = true;
  }
  atoms_ = std::move(atoms);
  signs_ = std::move(signs);
}

void ViewWindow::addLeftParam(const Str& name, const Str& value) { leftParams_.emplace_back(name, value); }

std::pair<Str, Str>* ViewWindow::getFirstLP() { return walkFirst(leftParams_, lpCursor_, pointee); }
std::pair<Str, Str>* ViewWindow::getNextLP() { return walkNext(leftParams_, lpCursor_, pointee); }

Str ViewWindow::class_name() const { return class_->Id(); }
