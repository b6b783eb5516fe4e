#include "expand/access_model.h"

#include <iostream>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "expand/signature_lookups.h"
#include "expand/std_methods.h"
#include "model/attributes.h"
#include "model/class_desc.h"
#include "model/methods.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/windows.h"

namespace {

// The class of that name in the current project; throws when there is none.
ClassDesc* classOfCurrentProject(const Str& name) {
  if (ClassDesc* cls = classIn(*CP, name)) return cls;
  throw Str("Class not found :") + name;
}

void setState(MethodACL& acl, const Str& group, int state) {
  if (state == 1)
    acl.grant(group);
  else if (state == 0)
    acl.deny(group);
  else
    acl.hardDeny(group);
}

// Whether `type` is a class of some project of the run: the attribute
// holding it is a reference.
bool isClassOfAnyProject(const Str& type) {
  for (const auto& [name, project] : projectMap)
    if (project && project->classes.count(type)) return true;
  return false;
}

// The method called first for the standard input of `window`; null when it
// has none.
Str firstStandardInput(CommonWindow& window) {
  window.SIReset();
  return window.SINext() ? window.SICStandardInput() : Str();
}

// Standard method names of the writable and read-only lists leave out the
// two archive readers: they belong to the archive right.
bool isArchiveReader(const Str& standard) { return standard == "GetHistList" || standard == "GetArc"; }

}  // namespace

// ---- MethodACL -------------------------------------------------------------

namespace {

// Orders field sets by content; a null access word sorts apart from an
// empty one, so sharing never changes what a record reads.
struct ByContent {
  bool operator()(const std::shared_ptr<MethodACL::Fields>& a, const std::shared_ptr<MethodACL::Fields>& b) const {
    if (a->acsSource.IsNull() != b->acsSource.IsNull()) return a->acsSource.IsNull();
    return std::tie(a->states, a->acsSource, a->groupAccess) < std::tie(b->states, b->acsSource, b->groupAccess);
  }
};

// The one shared set with the content of `fields`. A shared set is never
// changed: the registry's own reference keeps it shared, so the records
// holding it see a use count above one.
std::shared_ptr<MethodACL::Fields> sharedFields(MethodACL::Fields&& fields) {
  static std::set<std::shared_ptr<MethodACL::Fields>, ByContent> registry;
  return *registry.insert(std::make_shared<MethodACL::Fields>(std::move(fields))).first;
}

}  // namespace

MethodACL::MethodACL() : fields_(sharedFields(Fields())) {}

// A record that holds the only reference to its fields got them from own()
// and changes them in place; any other goes over to the shared set.
void MethodACL::setState(const Str& group, int state) {
  auto it = fields_->states.find(group);
  if (it != fields_->states.end() && it->second == state) return;
  if (fields_.use_count() == 1) {
    fields_->states[group] = state;
    return;
  }
  Fields changed = *fields_;
  changed.states[group] = state;
  fields_ = sharedFields(std::move(changed));
}

MethodACL::Fields& MethodACL::own() {
  if (fields_.use_count() > 1) fields_ = std::make_shared<Fields>(*fields_);
  return *fields_;
}

void MethodACL::grantAll() {
  for (const auto& [group, number] : CP->groups) grant(group);
}

void MethodACL::denyAll() {
  for (const auto& [group, number] : CP->groups) hardDeny(group);
}

bool MethodACL::accessible(const Str& group) const {
  if (group.IsNull()) return true;
  auto it = states().find(group);
  if (it == states().end()) {
    std::cout << "Group unknown " << group << std::endl;
    return false;
  }
  return it->second == 1;
}

// ---- ClassACL: records -----------------------------------------------------

ClassACL::ClassACL(const Str& name) : className_(name), classDesc_(classOfCurrentProject(name)) {}

MethodACL& ClassACL::operator[](const Str& method) {
  auto it = methods_.find(method);
  if (it == methods_.end()) it = methods_.emplace(method, classLevel_).first;
  return it->second;
}

bool ClassACL::methodExists(const Str& method) {
  for (const Str& name : getMethodsList())
    if (name == method) return true;
  return false;
}

MethodACL* ClassACL::standardMethod(const Str& suffix) {
  if (!classDesc_->HaveObject()) return nullptr;
  return &(*this)[className_ + suffix];
}

// ---- ClassACL: method lists ------------------------------------------------

template <class Keep>
std::list<Str> ClassACL::userMethods(Keep keep) {
  std::list<Str> names;
  for (Methods* m = classDesc_->GetFirstMethod(); m; m = classDesc_->GetNextMethod())
    if (!m->IsInternal() && keep(*m)) names.push_back(m->Id());
  return names;
}

void ClassACL::appendViewInputs(std::list<Str>& names) {
  for (ViewWindow* view = classDesc_->GetFirstView(); view; view = classDesc_->GetNextView()) {
    view->SIReset();
    while (view->SINext()) {
      Str project = view->SICProject();
      Str cls = view->SICClass();
      Str input = view->SICStandardInput();
      if (!project.IsEmpty() && project != classDesc_->Container()) continue;
      if (!cls.IsEmpty() && cls != classDesc_->Id()) continue;
      if (input.IsNull()) continue;
      if (!classDesc_->FindMethod(input)) names.push_back(className_ + input);
    }
  }
}

void ClassACL::appendAbstractGetter(std::list<Str>& names) {
  if (classDesc_->Parent().IsEmpty() && classDesc_->IsInFamily()) names.push_back(className_ + "GetAbstract");
}

void ClassACL::appendReferenceLists(std::list<Str>& names) {
  ViewWindow* list = classDesc_->GetView(classDesc_->Id() + "List");
  if (!list) return;
  Str suffix = Str("_Get") + className_ + "List";
  if (list->SICalls() > 0) suffix = Str("_") + firstStandardInput(*list);
  for (Attributes* a = classDesc_->GetFirstAttribute(); a; a = classDesc_->GetNextAttribute()) {
    if (!isClassOfAnyProject(a->Type())) continue;
    if (a->Type() == a->Id())
      names.push_back(className_ + a->Type() + suffix);
    else
      names.push_back(className_ + a->Id() + a->Type() + suffix);
  }
}

std::list<Str> ClassACL::getMethodsList() {
  std::list<Str> names =
      userMethods([](const Methods& m) { return !StdMethods.isStandard(m.Id()) && !m.IsArchive(); });
  appendViewInputs(names);
  appendAbstractGetter(names);
  if (classDesc_->HaveObject())
    for (const auto& [standard, accessWord] : StdMethods)
      if (!isArchiveReader(standard)) names.push_back(className_ + standard);
  appendReferenceLists(names);
  return names;
}

std::list<Str> ClassACL::getROMethodsList() {
  std::list<Str> names = userMethods(
      [](const Methods& m) { return !StdMethods.isStandard(m.Id()) && m.IsConst() && !m.IsArchive(); });
  appendViewInputs(names);
  names.push_back(className_ + "Get");
  appendAbstractGetter(names);
  appendReferenceLists(names);
  return names;
}

std::list<Str> ClassACL::getWritableMethodsList() {
  std::list<Str> names = userMethods([](const Methods& m) {
    return !StdMethods.isStandard(m.Id()) && (m.IsAdding() || m.IsRemoving() || m.IsUpdating()) && !m.IsArchive();
  });
  for (const char* standard : {"Add", "Update", "GetForUpdate", "MoveToArc"}) names.push_back(className_ + standard);
  return names;
}

std::list<Str> ClassACL::getArcMethodsList() {
  std::list<Str> names = userMethods([](const Methods& m) { return m.IsArchive(); });
  for (const char* standard : {"GetArc", "GetHistList", "GetArcList"}) names.push_back(className_ + standard);
  return names;
}

std::list<Str> ClassACL::getUpdatableMethodsList() {
  std::list<Str> names = userMethods(
      [](const Methods& m) { return !StdMethods.isStandard(m.Id()) && m.IsUpdating() && !m.IsArchive(); });
  for (const char* standard : {"Update", "GetForUpdate"}) names.push_back(className_ + standard);
  return names;
}

std::list<Str> ClassACL::getRemovableMethodsList() {
  std::list<Str> names = userMethods(
      [](const Methods& m) { return !StdMethods.isStandard(m.Id()) && m.IsRemoving() && !m.IsArchive(); });
  names.push_back(className_ + "MoveToArc");
  return names;
}

std::list<Str> ClassACL::getAddableMethodsList() {
  std::list<Str> names = userMethods(
      [](const Methods& m) { return !StdMethods.isStandard(m.Id()) && m.IsAdding() && !m.IsArchive(); });
  names.push_back(className_ + "Add");
  return names;
}

// ---- ClassACL: grants and denials ------------------------------------------

void ClassACL::setEach(const std::list<Str>& names, const Str& group, int state) {
  for (const Str& name : names) setState((*this)[name], group, state);
}

// The whole method list may be called; the archive methods not touched yet
// start out denied rather than inheriting the class-level grant.
void ClassACL::grantWritable(const Str& group) {
  classLevel_.grant(group);
  setEach(getMethodsList(), group, 1);
  for (const Str& name : getArcMethodsList())
    if (!methods_.count(name)) (*this)[name].deny(group);
}

void ClassACL::grantArchive(const Str& group) {
  classLevel_.grant(group);
  setEach(getArcMethodsList(), group, 1);
}

void ClassACL::grantReadonly(const Str& group) { setEach(getROMethodsList(), group, 1); }
void ClassACL::grantAddable(const Str& group) { setEach(getAddableMethodsList(), group, 1); }
void ClassACL::grantUpdatable(const Str& group) { setEach(getUpdatableMethodsList(), group, 1); }
void ClassACL::grantRemovable(const Str& group) { setEach(getRemovableMethodsList(), group, 1); }

// The class level and the records of `names` denied to `group`.
void ClassACL::denyClassAnd(const std::list<Str>& names, const Str& group) {
  classLevel_.deny(group);
  setEach(names, group, 0);
}

// Denying the writable right takes away only the writing methods.
void ClassACL::denyWritable(const Str& group) { denyClassAnd(getWritableMethodsList(), group); }
void ClassACL::denyArchive(const Str& group) { denyClassAnd(getArcMethodsList(), group); }
void ClassACL::denyReadonly(const Str& group) { denyClassAnd(getROMethodsList(), group); }
void ClassACL::denyAddable(const Str& group) { denyClassAnd(getAddableMethodsList(), group); }
void ClassACL::denyUpdatable(const Str& group) { denyClassAnd(getUpdatableMethodsList(), group); }
void ClassACL::denyRemovable(const Str& group) { denyClassAnd(getRemovableMethodsList(), group); }

void ClassACL::forEveryGroup(void (ClassACL::*member)(const Str&)) {
  for (const auto& [group, number] : CP->groups) (this->*member)(group);
}

void ClassACL::grantWritableAll() { forEveryGroup(&ClassACL::grantWritable); }
void ClassACL::grantArchiveAll() { forEveryGroup(&ClassACL::grantArchive); }
void ClassACL::grantReadonlyAll() { forEveryGroup(&ClassACL::grantReadonly); }
void ClassACL::grantAddableAll() { forEveryGroup(&ClassACL::grantAddable); }
void ClassACL::grantUpdatableAll() { forEveryGroup(&ClassACL::grantUpdatable); }
void ClassACL::grantRemovableAll() { forEveryGroup(&ClassACL::grantRemovable); }
void ClassACL::denyWritableAll() { forEveryGroup(&ClassACL::denyWritable); }
void ClassACL::denyArchiveAll() { forEveryGroup(&ClassACL::denyArchive); }
void ClassACL::denyReadonlyAll() { forEveryGroup(&ClassACL::denyReadonly); }
void ClassACL::denyAddableAll() { forEveryGroup(&ClassACL::denyAddable); }
void ClassACL::denyUpdatableAll() { forEveryGroup(&ClassACL::denyUpdatable); }
void ClassACL::denyRemovableAll() { forEveryGroup(&ClassACL::denyRemovable); }

void ClassACL::setDefaultDenied() {
  for (const auto& [group, number] : CP->groups) classLevel_.deny(group);
}

void ClassACL::setDefaultGranted() {
  for (const auto& [group, number] : CP->groups) {
    classLevel_.grant(group);
    for (const auto& [standard, accessWord] : StdMethods)
      if (!isArchiveReader(standard))
        if (MethodACL* acl = standardMethod(standard)) acl->grant(group);
  }
}

void ClassACL::deny(const Str& group) {
  classLevel_.deny(group);
  for (const auto& [standard, accessWord] : StdMethods)
    if (MethodACL* acl = standardMethod(standard)) acl->deny(group);
}

bool ClassACL::methodAccessible(const Str& method, const Str& group) {
  if (!methods_.count(method)) std::cout << "Method inserted " << method << std::endl;
  return (*this)[method].accessible(group);
}

// ---- ClassRefs -------------------------------------------------------------

ClassRefs::ClassRefs(const Str& name) : className_(name), classDesc_(classOfCurrentProject(name)) {}

void ClassRefs::setReferencesAll() {
  for (const auto& [group, number] : CP->groups) setReferences(group);
}

void ClassRefs::unsetReferencesAll() {
  for (const auto& [group, number] : CP->groups) unsetReferences(group);
}

// A group the record does not hold was declared after the class entry, or
// in another project: it is not given the references unasked.
bool ClassRefs::classReferencible(const Str& group) const {
  if (group.IsNull()) return true;
  auto it = referencible_.find(group);
  return it != referencible_.end() && it->second;
}

// ---- ViewSources ------------------------------------------------------------

// A source without class names a window of the method's own class; one
// without window either names that class's list view.
ViewSources ViewSources::ofCurrentProject() {
  ViewSources sources;
  for (const auto& [id, owner] : CP->classes) {
    if (!owner) continue;
    for (Methods* m = owner->GetFirstMethod(); m; m = owner->GetNextMethod()) {
      m->prepInArgs();
      m->reset();
      while (m->next()) {
        const WinLocator* source = m->getSource();
        if (!source || (source->cls.IsEmpty() && source->window.IsEmpty())) sources.ownLists_.insert(owner);
        if (!source) continue;
        if (source->cls.IsEmpty()) sources.ownWindows_.emplace(owner, source->window);
        sources.named_.emplace(source->cls, source->window);
      }
    }
  }
  return sources;
}

bool ViewSources::references(const ClassDesc* cls, const ViewWindow& view) const {
  return ownWindows_.count({cls, view.Id()}) || (ownLists_.count(cls) && view.Id() == cls->Id() + "List") ||
         named_.count({cls->Id(), view.Id()});
}

std::list<Str> ClassRefs::getTablesStdInputsIfReferencible() const {
  return getTablesStdInputsIfReferencible(ViewSources::ofCurrentProject());
}

std::list<Str> ClassRefs::getTablesStdInputsIfReferencible(const ViewSources& sources) const {
  std::list<Str> inputs;
  for (ViewWindow* view = classDesc_->GetFirstView(); view; view = classDesc_->GetNextView()) {
    if (!sources.references(classDesc_, *view)) continue;
    Str input = firstStandardInput(*view);
    if (input.IsNull()) continue;
    inputs.push_back(view->GetMethod(input) ? input : className_ + input);
  }
  return inputs;
}

// ---- AccessList and RefsList -----------------------------------------------

ClassACL& AccessList::operator[](const Str& name) {
  ClassACL record(name);
  return emplace(name, std::move(record)).first->second;
}

ClassRefs& RefsList::operator[](const Str& name) {
  ClassRefs record(name);
  return emplace(name, std::move(record)).first->second;
}
