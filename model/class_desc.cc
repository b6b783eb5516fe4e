#include "model/class_desc.h"

#include <vector>

#include "model/cursor_walk.h"
#include "model/methods.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "model/windows.h"

Str ClassDesc::sNull;
std::size_t ClassDesc::records_ = 0;

namespace {

// The parent of `cls` looked up in the project named `container`; null when
// the class has no parent or the parent is not found.
ClassDesc* parentIn(const ClassDesc* cls, const Str& container) {
  if (cls->Parent().IsEmpty()) return nullptr;
  return projectMap.findClass(container, cls->Parent());
}

// The error of a Parent chain that loops: walked again from `start` (each
// parent looked up in the start's container, or in each class's own), the
// first class met twice is named.
Str loopError(const ClassDesc* start, bool startContainer) {
  std::set<const ClassDesc*> seen{start};
  const ClassDesc* cls = start;
  while ((cls = parentIn(cls, startContainer ? start->Container() : cls->Container())) && seen.insert(cls).second) {
  }
  const ClassDesc* twice = cls ? cls : start;
  return Str("case_str:421") + tr(" Class ") + twice->Id() + tr(" in the Project ") + twice->Container() +
      tr(" is its own ancestor. ");
}

// Bounds a walk up Parent links: a chain without a loop meets every class
// record at most once, so a walk of more steps than there are records loops
// and would otherwise never end. Counting is cheap where a set of the classes
// met would cost a tree insertion per step of every lookup.
class AncestorGuard {
public:
  AncestorGuard(const ClassDesc* start, bool startContainer) : start_(start), startContainer_(startContainer) {}
  void visit() {
    if (++steps_ > ClassDesc::Records()) throw loopError(start_, startContainer_);
  }

private:
  const ClassDesc* start_;
  bool startContainer_;
  std::size_t steps_ = 0;
};

constexpr auto mapped = [](auto it) { return it->second; };

}  // namespace

ClassDesc::ClassDesc(const Str& id, int flags, const Str& container)
    : flags_(flags), objectKind_(0), id_(id), parent_(""), container_(container) {
  if (container.IsEmpty())
    container_ = CP ? CP->name : Str("");
  else
    flags_ |= 0x10;
  attributeCursor_ = attrNameCursor_ = attributeOrder_.end();
  methodCursor_ = methods_.end();
  windowCursor_ = windows_.end();
  viewCursor_ = views_.end();
  ++records_;
}

ClassDesc::ClassDesc(const char* id, const ClassDesc& base)
    : flags_(base.flags_ & ~0x1),
      objectKind_(base.objectKind_),
      id_(id),
      parent_(base.id_),
      container_(base.container_) {
  attributeCursor_ = attrNameCursor_ = attributeOrder_.end();
  methodCursor_ = methods_.end();
  windowCursor_ = windows_.end();
  viewCursor_ = views_.end();
  ++records_;
}

ClassDesc::~ClassDesc() {
  --records_;
  for (auto& [id, a] : attributes_) delete a;
  for (auto& [name, m] : methods_) delete m;
  for (auto& [name, v] : views_) delete v;
  for (ViewWindow* v : replacedViews_) delete v;
  for (auto& [name, w] : windows_) delete w;
}

Attributes* ClassDesc::AddAttribute(const Str& id, const Str& type, const Str& project, const Str& p1,
                                    const Str& p2, const Str& p3) {
  if (attributes_.count(id)) return nullptr;
  Attributes* a = new Attributes(id, type, project.IsEmpty() ? container_ : project, id_, Str(), p1, p2, p3);
  attributes_[id] = a;
  attributeOrder_.push_back(id);
  return a;
}

void ClassDesc::AddAttribute(const Attributes& a, int atFront) {
  if (attributes_.count(a.Id())) return;
  Attributes* copy = new Attributes(a);
  copy->setCurClass(id_);
  attributes_[a.Id()] = copy;
  if (atFront)
    attributeOrder_.push_front(a.Id());
  else
    attributeOrder_.push_back(a.Id());
}

Attributes* ClassDesc::GetAttribute(const Str& id) const {
  AncestorGuard guard(this, false);
  for (const ClassDesc* cls = this; cls;) {
    auto it = cls->attributes_.find(id);
    if (it != cls->attributes_.end()) return it->second;
    cls = parentIn(cls, cls->container_);
    guard.visit();
  }
  return nullptr;
}

const Str* ClassDesc::AttribName(const char* id, const char* name) {
  auto it = attributes_.find(Str(id));
  if (it == attributes_.end()) return nullptr;
  if (name) it->second->setName(name);
  return &it->second->Name();
}

Attributes* ClassDesc::GetFirstAttribute() {
  return walkFirst(attributeOrder_, attributeCursor_, [this](auto it) { return attributes_.at(*it); });
}

Attributes* ClassDesc::GetNextAttribute() {
  return walkNext(attributeOrder_, attributeCursor_, [this](auto it) { return attributes_.at(*it); });
}

const Str* ClassDesc::GetFirstAttrName() {
  return walkFirst(attributeOrder_, attrNameCursor_, [](auto it) -> const Str* { return &*it; });
}

const Str* ClassDesc::GetNextAttrName() {
  return walkNext(attributeOrder_, attrNameCursor_, [](auto it) -> const Str* { return &*it; });
}

AttribList ClassDesc::getFullAttribList() const {
  // The chain from this class up to the root, each parent found in the class
  // map of the project its child names.
  std::list<const ClassDesc*> chain{this};
  AncestorGuard guard(this, false);
  for (const ClassDesc* cls = this; (cls = parentIn(cls, cls->container_));) {
    guard.visit();
    chain.push_front(cls);
  }
  AttribList full;
  for (const ClassDesc* cls : chain)
    for (const Str& id : cls->attributeOrder_) full.pushAttrib(*cls->attributes_.at(id));
  return AttribList(full);  // a copy's cursor stands on its first element
}

AttribList ClassDesc::getPK() const {
  std::set<const ClassDesc*> expanding;
  return keyOf(expanding);
}

AttribList ClassDesc::keyOf(std::set<const ClassDesc*>& expanding) const {
  // A key column typed by a class that is already being expanded would
  // expand forever.
  if (!expanding.insert(this).second)
    throw Str("case_str:420") + tr(" Class ") + id_ + tr(" in the Project ") + container_ +
        tr(" has a key that refers to itself. ");
  AttribList key;
  for (const Str& id : attributeOrder_) {
    const Attributes& a = *attributes_.at(id);
    if (!a.IsProperty("PK")) continue;
    if (TypesPool.TypesList().count(a.Type())) {
      key.pushAttrib(a);
      continue;
    }
    ClassDesc* referenced = projectMap.findClass(a.Project(), a.Type());
    if (!referenced)
      throw Str("case_str:419") + tr(" Class ") + a.Type() + tr(" in the Project ") + a.Project() +
          tr(" not declared. ");
    AttribList columns = referenced->keyOf(expanding);
    if (a.Type() != a.Id()) columns.addPrefix(a.Id());
    key.pushList(columns);
  }
  expanding.erase(this);
  return AttribList(key);  // a copy's cursor stands on its first element
}

Methods* ClassDesc::AddMethod(const char* name, int flags, const Str& patch) {
  Methods* method = new Methods(name, flags, patch);
  auto [it, added] = methods_.try_emplace(Str(name), method);
  if (!added) {
    delete it->second;
    it->second = method;
  }
  return method;
}

bool ClassDesc::checkMethod(const Str& name) const { return methods_.count(name) != 0; }

Methods* ClassDesc::FindMethod(const Str& name, Str& owner) const {
  AncestorGuard guard(this, false);
  for (const ClassDesc* cls = this; cls;) {
    auto it = cls->methods_.find(name);
    if (it != cls->methods_.end()) {
      owner = cls->id_;
      return it->second;
    }
    cls = parentIn(cls, cls->container_);
    guard.visit();
  }
  return nullptr;
}

int ClassDesc::isReloadedMethod(const Str& name) const {
  Project* project = projectMap.find(container_);
  if (!project) return 0;
  const ClassDesc* top = Top();
  int count = 0;
  for (const auto& [id, cls] : project->classes)
    if (cls && cls->id_ != id_ && cls->Top() == top && cls->checkMethod(name)) ++count;
  return count;
}

Methods* ClassDesc::GetFirstMethod() { return walkFirst(methods_, methodCursor_, mapped); }
Methods* ClassDesc::GetNextMethod() { return walkNext(methods_, methodCursor_, mapped); }

DialogWindow* ClassDesc::AddWindow(const char* name, const char* header, const char* menuItem) {
  if (windows_.count(Str(name))) return nullptr;
  DialogWindow* window = new DialogWindow(name, header, menuItem);
  windows_[Str(name)] = window;
  return window;
}

DialogWindow* ClassDesc::GetWindow(const char* name) const {
  auto it = windows_.find(Str(name));
  return it == windows_.end() ? nullptr : it->second;
}

DialogWindow* ClassDesc::GetFirstWindow() { return walkFirst(windows_, windowCursor_, mapped); }
DialogWindow* ClassDesc::GetNextWindow() { return walkNext(windows_, windowCursor_, mapped); }

ViewWindow* ClassDesc::AddView(const char* name, const char* header, ViewWindow* proto) {
  ViewWindow* view;
  if (proto) {
    view = new ViewWindow(*proto);
    view->SetId(name);
    view->SetHeader(header);
  } else {
    view = new ViewWindow(name, header, *this);
  }
  auto [it, added] = views_.try_emplace(Str(name), view);
  if (!added) {
    // Whoever still holds the replaced view keeps a valid record.
    replacedViews_.push_back(it->second);
    it->second = view;
  }
  return view;
}

ViewWindow* ClassDesc::GetView(const char* name) const {
  auto it = views_.find(Str(name));
  return it == views_.end() ? nullptr : it->second;
}

bool ClassDesc::checkView(const Str& name) const { return views_.count(name) != 0; }

ViewWindow* ClassDesc::GetFirstView() { return walkFirst(views_, viewCursor_, mapped); }
ViewWindow* ClassDesc::GetNextView() { return walkNext(views_, viewCursor_, mapped); }

bool ClassDesc::HaveParent(const Str& id) const {
  AncestorGuard guard(this, true);
  for (const ClassDesc* cls = this; !cls->parent_.IsEmpty();) {
    if (cls->parent_ == id) return true;
    cls = projectMap.findClass(container_, cls->parent_);
    if (!cls) return false;
    guard.visit();
  }
  return false;
}

ClassDesc* ClassDesc::Granny() const {
  AncestorGuard guard(this, true);
  ClassDesc* root = nullptr;
  for (const ClassDesc* cls = this; ClassDesc* parent = parentIn(cls, container_); cls = parent) {
    guard.visit();
    root = parent;
  }
  return root;
}

ClassDesc* ClassDesc::Top() {
  ClassDesc* root = Granny();
  return root ? root : this;
}

const ClassDesc* ClassDesc::Top() const {
  const ClassDesc* root = Granny();
  return root ? root : this;
}

ClassDesc* ClassRoots::Granny(const ClassDesc* cls) {
  // Up to the first class whose root is known, or to the top.
  std::vector<std::pair<const ClassDesc*, ClassDesc*>> walked;  // a class and its parent
  ClassDesc* root = nullptr;
  for (const ClassDesc* at = cls;;) {
    if (auto known = roots_.find(at); known != roots_.end()) {
      root = known->second;
      break;
    }
    ClassDesc* parent = parentIn(at, at->Container());
    if (!parent) break;
    // A parent in another container, or a walk longer than any chain
    // without a loop: the class's own walk answers, or names the loop.
    if (parent->Container() != at->Container() || walked.size() >= ClassDesc::Records())
      return roots_[cls] = cls->Granny();
    walked.emplace_back(at, parent);
    at = parent;
  }
  // Down again: a class's root is its parent's, or the parent itself when
  // that has no parent.
  for (auto it = walked.rbegin(); it != walked.rend(); ++it) {
    if (!root) root = it->second;
    roots_[it->first] = root;
  }
  return root;
}

ObjectDesc::ObjectDesc(const char* name, const char* cls) : name_(name), class_(cls) {}
