#include "expand/tables_map.h"

#include <optional>
#include <set>
#include <vector>

#include "expand/signature_lookups.h"
#include "model/class_desc.h"
#include "model/cursor_walk.h"
#include "model/project.h"

namespace {

// Properties a foreign-key column takes over from its reference attribute.
const char* const referenceProperties[] = {"FK", "PK", "HIDE", "NOTAB", "Slave", "Master", "NULL", "NOT"};

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

void TablesMap::addTable(Str name) {
  forgetGenericLists();
  tables_[name] = AttribList();
}

void TablesMap::addAttrib(const Str& name, const Attributes& column) {
  forgetGenericLists();
  auto it = tables_.find(name);
  if (it != tables_.end()) it->second.pushAttrib(column);
}

void TablesMap::addFKList(Str name, Attributes ref, AttribList key) {
  forgetGenericLists();
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
  forgetGenericLists();
  AttribList& full = fullLists_[name];
  if (!list) return;
  list->reset();
  while (list->next()) full.pushAttrib(list->getAttrib());
}

void TablesMap::rememberGenericLists() { remembering_ = true; }

void TablesMap::forgetGenericLists() {
  remembering_ = false;
  genericLists_.clear();
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
  const Str table = resolve(name);
  if (remembering_) {
    // Classes or projects added since may change whose column is whose.
    std::pair<std::size_t, std::size_t> model{ClassDesc::Records(), projectMap.size()};
    if (model != genericModel_) {
      genericLists_.clear();
      genericModel_ = model;
    }
    auto known = genericLists_.find(table);
    if (known != genericLists_.end()) return handedOut(known->second);
  }
  // The class and its ancestors, each parent looked up among the project's
  // classes, up to the first whose list is remembered; a parent chain that
  // loops ends where it meets itself.
  std::vector<Str> chain{table};
  std::set<Str> visiting{table};
  const AttribList* inherited = nullptr;
  bool looped = false;
  while (ClassDesc* cls = project_ ? classIn(*project_, chain.back()) : nullptr) {
    const Str& parent = cls->Parent();
    if (parent.IsEmpty()) break;
    if (!visiting.insert(parent).second) {
      looped = true;
      break;
    }
    if (auto known = genericLists_.find(parent); remembering_ && known != genericLists_.end()) {
      inherited = &known->second;
      break;
    }
    chain.push_back(parent);
  }
  // From the top down, each class's columns after its parent's; the family
  // discriminator moves behind them, and a column whose id is there already
  // is left out. One list grows down the chain, so a deep chain costs no
  // more than its columns.
  AttribList list = inherited ? *inherited : AttribList();
  std::set<Str> ids;
  for (const Attributes& column : list) ids.insert(column.Id());
  ClassRoots roots;
  for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
    std::optional<Attributes> discriminator;
    if (list.lastIsDiscriminator(&roots)) {
      discriminator = list.popLast();
      ids.erase(discriminator->Id());
    }
    if (const AttribList* columns = getAttribList(*level))
      for (const Attributes& column : *columns)
        if (ids.insert(column.Id()).second) list.pushAttrib(column);
    if (discriminator) {
      discriminator->setCurClass(*level);
      if (ids.insert(discriminator->Id()).second) list.pushAttrib(*discriminator);
    }
    // The list so far is the level's own: its chain is the same from there
    // up. A chain that loops ends elsewhere for each of its classes.
    if (remembering_ && !looped) genericLists_.emplace(*level, list);
  }
  return handedOut(list);
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
  std::set<Str> visiting;
  descendants(name, out, visiting);
  return out;
}

void TablesMap::descendants(const Str& name, std::list<Str>& out, std::set<Str>& visiting) const {
  visiting.insert(name);
  for (const Str& child : getChildrenList(name)) {
    if (visiting.count(child)) continue;  // a parent chain that loops
    out.push_back(child);
    descendants(child, out, visiting);
  }
  visiting.erase(name);
}

Str TablesMap::resolve(const Str& name) const { return name.IsEmpty() ? getTable() : name; }
