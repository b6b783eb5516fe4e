#include "model/methods_map.h"

#include "model/cursor_walk.h"

#include "model/process_state.h"

MethodDesc::MethodDesc() : owner(nullptr), flags(0) {}

namespace {

// A method argument made from the given texts; the fields not named stay
// empty, so owning class, project and key properties are not carried over.
Attributes makeArg(const Str& id, const Str& type, const Str& comment, const Str& group, const Str& hint,
                   int hide, const Str& name) {
  Attributes arg(id, type, Str(), Str(), name);
  arg.setComment(comment);
  arg.setGroup(group);
  arg.setHint(hint);
  if (hide) arg.addProperty("HIDE");
  return arg;
}

}  // namespace

MethodsMap::MethodsMap() : cursor(entries.end()) {}

const Attributes& MethodsMap::shared(const Attributes& arg) {
  std::list<Attributes>& equalHash = sharedArgs_[arg.fieldsHash()];
  for (const Attributes& held : equalHash)
    if (held.sameFields(arg)) return held;
  equalHash.push_back(arg);
  return equalHash.back();
}

void MethodsMap::addMethod(const Str& cls, const Str& name, const Str& resultType, const Str& comment,
                           const Str& patch, int flags, ClassDesc* owner) {
  MethodDesc desc;
  desc.owner = owner;
  desc.name = name;
  desc.resultType = resultType;
  desc.comment = comment;
  desc.patch = patch;
  desc.flags = flags;
  cursor = entries.insert_or_assign(Key(cls, name), std::move(desc)).first;
}

void MethodsMap::addInArg(const Str& id, const Str& type, const Str& comment, const Str& group, const Str& hint,
                          int hide, int notNull, const Str& name) {
  if (cursor == entries.end()) return;
  Attributes arg = makeArg(id, type, comment, group, hint, hide, name);
  if (notNull) arg.addProperty("NOT");
  cursor->second.input.pushAttrib(shared(arg));
}

void MethodsMap::addOutArg(const Str& id, const Str& type, const Str& comment, const Str& group, const Str& hint,
                           int hide, const Str& name, int alsoKey, const Str& prefix, const Str& suffix) {
  if (cursor == entries.end()) return;
  Attributes arg = makeArg(id, type, comment, group, hint, hide, name);
  arg.setPrefix(prefix);
  arg.setSuffix(suffix);
  cursor->second.output.pushAttrib(shared(arg));
  if (!alsoKey) return;
  // Each key copy becomes a parameter of its own (<id>_PK), so a repeated id
  // takes the smallest free number, as repeated output ids do.
  AttribList& keys = cursor->second.dwpk;
  if (keys.findAttrib(id)) {
    int n = 1;
    while (keys.findAttrib(id + n)) ++n;
    arg.setId(id + n);
  }
  keys.pushAttrib(shared(arg));
}

void MethodsMap::addInArgList(AttribList list, int hide, int notNull, const Str& idPrefix) {
  for (Attributes a = list.popAttrib(); !a.Id().IsEmpty(); a = list.popAttrib()) {
    int h = hide == -1 ? a.IsProperty("HIDE") : hide;
    int n = notNull == -1 ? a.IsNotNull() : notNull;
    addInArg(idPrefix + a.Id(), a.Type(), a.Comment(), a.Group(), a.Hint(), h, n, a.Name());
  }
}

void MethodsMap::addOutArgList(AttribList list, int hide, const Str& idPrefix) {
  for (Attributes a = list.popAttrib(); !a.Id().IsEmpty(); a = list.popAttrib()) {
    int h = hide == -1 ? a.IsProperty("HIDE") : hide;
    addOutArg(idPrefix + a.Id(), a.Type(), a.Comment(), a.Group(), a.Hint(), h, a.Name(), 0, Str(), Str());
  }
}

void MethodsMap::addDWPKList(const AttribList& list) {
  if (cursor == entries.end()) return;
  cursor->second.dwpk.pushList(list);
}

void MethodsMap::updateMethodList(const Str& cls, const Str& name, const Str& resultType, const Str& comment,
                                  int flags, const AttribList& in, const AttribList& out, const AttribList& key) {
  addMethod(cls, name, resultType, comment, Str(), flags, nullptr);
  addInArgList(in, -1, -1, Str());
  addOutArgList(out, -1, Str());
  addDWPKList(key);
}

void MethodsMap::deleteMethod(const Str& cls, const Str& name) {
  entries.erase(Key(cls, name));
  cursor = entries.end();
}

// A full name splits into its key at one of its " :: " separators. Trying
// them from the left finds the match of the shortest class name first, which
// is also the first match in key order; a text without a separator names no
// entry. One map lookup per separator keeps the generators, which look up
// several names per class, linear in the size of the model.
MethodsMap::Entries::iterator MethodsMap::lookUp(const Str& full) {
  static const Str separator(" :: ");
  for (std::size_t at = full.find(separator); at != Str::npos; at = full.find(separator, at + 1)) {
    auto it = entries.find(Key(full.substr(0, at), full.substr(at + separator.length())));
    if (it != entries.end()) return it;
  }
  return entries.end();
}

MethodDesc* MethodsMap::findByName(const Str& full) {
  auto it = lookUp(full);
  return it == entries.end() ? nullptr : &it->second;
}

MethodDesc* MethodsMap::getMethod(const Str& full) {
  auto it = lookUp(full);
  if (it == entries.end()) return nullptr;
  cursor = it;
  return &it->second;
}

bool MethodsMap::testByName(const Str& n) const {
  for (const auto& [key, desc] : entries)
    if (key.first + key.second == n) return true;
  return false;
}

void MethodsMap::reset() { cursor = entries.end(); }

bool MethodsMap::next() { return cursorNext(entries, cursor); }

bool MethodsMap::seekClass(const Str& cls) {
  cursor = entries.lower_bound(Key(cls, Str("")));
  if (cursor != entries.end() && cursor->first.first != cls) cursor = entries.end();
  return cursor != entries.end();
}

Str MethodsMap::Name() const { return cursor == entries.end() ? Str() : cursor->first.second; }

MethodsMap::Key MethodsMap::IdPair() const { return cursor == entries.end() ? Key() : cursor->first; }

MethodDesc& MethodsMap::current(const char* operation) {
  if (cursor == entries.end()) throw tr("Error!") + " MethodsMap::" + operation + ": no method under the cursor";
  return cursor->second;
}

MethodDesc& MethodsMap::Body() { return current("Body"); }
AttribList& MethodsMap::getInArgs() { return current("getInArgs").input; }
AttribList& MethodsMap::getOutArgs() { return current("getOutArgs").output; }
AttribList& MethodsMap::getDWPK() { return current("getDWPK").dwpk; }
