#include "expand/tables_map.h"

#include <algorithm>

#include "expand/signature_lookups.h"
#include "model/class_desc.h"
#include "model/cursor_walk.h"
#include "model/project.h"

namespace {

// Properties a foreign-key column takes over from its reference attribute.
const char* const referenceProperties[] = {"FK", "PK", "HIDE", "NOTAB", "Slave", "Master", "NULL", "NOT"};

bool contains(const std::list<Str>& names, const Str& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A list is handed out with its cursor on the first column, as every copied
// list is.
AttribList handedOut(const AttribList& list) { return AttribList(list); }

}  // namespace

bool isHiddenKey(const Attributes& a) { return a.IsProperty("SK") && !a.IsProperty("GK"); }

void takeDefaultsAndNotes(Attributes& column, const Attributes& from) {
  column.setDefs(from.DefInit(), -1, from.DefUpdate(), -1);
  column.setDefInitValue(from.DefInitValue());
  column.setDefRef(from.getDefRef());
  column.setComment(from.Comment());
  column.setHint(from.Hint());
}

TablesMap::TablesMap() : project_(nullptr), cursor_(tables_.end()) {}

void TablesMap::addTable(Str name) { tables_[name] = AttribList(); }

void TablesMap::addAttrib(const Str& name, const Attributes& column) {
  auto it = tables_.find(name);
  if (it != tables_.end()) it->second.pushAttrib(column);
}

void TablesMap::addFKList(Str name, Attributes ref, AttribList key) {
  AttribList& table = tables_[name];
  for (const Attributes& keyColumn : key) {
    if (keyColumn.Id().IsEmpty()) break;
    Str displayName = ref.Name();
    if (ref.Name().IsEmpty())
      displayName = keyColumn.Name();
    else if (!keyColumn.Name().IsEmpty())
      displayName = ref.Name() + " " + keyColumn.Name();
    // A reference named like the class it refers to keeps the key's own ids.
    Str id = ref.Id() == ref.Type() ? keyColumn.Id() : ref.Id() + keyColumn.Id();
    Attributes column(id, keyColumn.Type(), ref.Project(), ref.CurClass(), displayName);
    column.setRefClass(ref.Type());
    column.setRefAttr(keyColumn.Id());
    column.setNumber(keyColumn.Number());
    takeDefaultsAndNotes(column, ref);
    for (const char* word : referenceProperties)
      if (ref.IsProperty(word)) column.addProperty(word);
    if (isHiddenKey(ref) || isHiddenKey(keyColumn)) column.addProperty("HIDE");
    column.addProperty("INDEX");
    if (ref.IsVirtual()) column.SetVirtual();
    table.pushAttrib(column);
  }
}

void TablesMap::addVirtList(Str name, AttribList* list) {
  AttribList& full = fullLists_[name];
  if (!list) return;
  list->reset();
  while (list->next()) full.pushAttrib(list->getAttrib());
}

void TablesMap::reset() { cursor_ = tables_.end(); }

bool TablesMap::next() { return cursorNext(tables_, cursor_); }

Str TablesMap::getTable() const { return cursor_ == tables_.end() ? Str("") : cursor_->first; }

AttribList* TablesMap::getAttribList() { return cursor_ == tables_.end() ? nullptr : &cursor_->second; }

bool TablesMap::haveTable(Str name) const { return tables_.count(name) != 0; }

AttribList* TablesMap::getAttribList(const Str& name) {
  auto it = tables_.find(name);
  return it == tables_.end() ? nullptr : &it->second;
}

AttribList* TablesMap::getVirtList(const Str& name) { return &fullLists_[name]; }

AttribList TablesMap::getPK() { return getPK(getTable()); }

AttribList TablesMap::getPK(Str name) {
  AttribList key;
  if (const AttribList* table = getAttribList(name))
    for (const Attributes& a : *table)
      if (a.IsProperty("PK")) key.pushAttrib(a);
  return handedOut(key);
}

AttribList TablesMap::getExceptPK(const Str& name) {
  AttribList rest;
  if (const AttribList* table = getAttribList(resolve(name)))
    for (const Attributes& a : *table)
      if (!a.IsProperty("PK")) rest.pushAttrib(a);
  return handedOut(rest);
}

AttribList TablesMap::getFullList(const Str& name) {
  AttribList list;
  auto full = fullLists_.find(name);
  if (full != fullLists_.end()) list.pushList(full->second);
  if (const AttribList* table = getAttribList(name)) list.pushList(*table);
  return handedOut(list);
}

AttribList TablesMap::getGenericList(const Str& name) {
  std::list<Str> visiting;
  return handedOut(genericList(resolve(name), visiting));
}

AttribList TablesMap::genericList(const Str& name, std::list<Str>& visiting) {
  visiting.push_back(name);
  AttribList list;
  AttribList discriminator;
  ClassDesc* cls = project_ ? classIn(*project_, name) : nullptr;
  // A parent chain that loops ends where it meets itself.
  if (cls && !cls->Parent().IsEmpty() && !contains(visiting, cls->Parent())) {
    AttribList inherited = genericList(cls->Parent(), visiting);
    discriminator = inherited.getLast();
    list = inherited.removeLast();
  }
  if (const AttribList* table = getAttribList(name)) list.pushList(*table);
  for (Attributes column : discriminator) {
    column.setCurClass(name);
    list.pushAttrib(column);
  }
  list.removeRepeats();
  return list;
}

AttribList TablesMap::getFullGenericList(const Str& name) {
  Str table = resolve(name);
  AttribList list = getFullList(table);
  list.pushList(getGenericList(table));
  list.removeRepeats();
  return handedOut(list);
}

AttribList TablesMap::getUndef(const Str& name) {
  AttribList undef;
  for (const Attributes& a : getGenericList(name))
    if (a.DefInit().IsEmpty() && !a.IsProperty("SK")) undef.pushAttrib(a);
  return handedOut(undef);
}

AttribList TablesMap::getManualUpdate(const Str& name) {
  AttribList manual;
  for (const Attributes& a : getGenericList(name))
    if (a.DefUpdate().IsEmpty() || a.IsProperty("SK")) manual.pushAttrib(a);
  return handedOut(manual);
}

std::list<Str> TablesMap::getChildrenList(const Str& name) const {
  if (!project_) return {};
  if (childrenProject_ != project_ || childrenOf_ != project_->classes.size()) {
    children_.clear();
    for (const auto& [id, cls] : project_->classes)
      if (cls) children_[cls->Parent()].push_back(id);
    childrenOf_ = project_->classes.size();
    childrenProject_ = project_;
  }
  auto it = children_.find(name);
  return it == children_.end() ? std::list<Str>() : it->second;
}

std::list<Str> TablesMap::getDescendanceList(const Str& name) const {
  std::list<Str> out;
  std::list<Str> visiting;
  descendants(name, out, visiting);
  return out;
}

void TablesMap::descendants(const Str& name, std::list<Str>& out, std::list<Str>& visiting) const {
  visiting.push_back(name);
  for (const Str& child : getChildrenList(name)) {
    if (contains(visiting, child)) continue;  // a parent chain that loops
    out.push_back(child);
    descendants(child, out, visiting);
  }
  visiting.pop_back();
}

Str TablesMap::resolve(const Str& name) const { return name.IsEmpty() ? getTable() : name; }
