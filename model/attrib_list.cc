#include "model/attrib_list.h"

#include <iterator>
#include <set>

#include "model/class_desc.h"
#include "model/cursor_walk.h"
#include "model/process_state.h"
#include "model/project.h"

AttribList::AttribList() : cursor(attributes.begin()) {}

AttribList::AttribList(const AttribList& other) : attributes(other.attributes), cursor(attributes.begin()) {}

AttribList::AttribList(AttribList&& other) : attributes(std::move(other.attributes)), cursor(attributes.begin()) {
  other.attributes.clear();
  other.cursor = other.attributes.end();
}

AttribList& AttribList::operator=(const AttribList& other) {
  if (this == &other) return *this;
  attributes = other.attributes;
  cursor = samePosition(attributes, other.attributes, other.cursor);
  return *this;
}

AttribList& AttribList::operator=(AttribList&& other) {
  if (this == &other) return *this;
  auto index = std::distance(other.attributes.begin(), other.cursor);
  attributes = std::move(other.attributes);
  cursor = std::next(attributes.begin(), index);
  other.attributes.clear();
  other.cursor = other.attributes.end();
  return *this;
}

bool AttribList::operator==(const AttribList& other) const {
  if (attributes.size() != other.attributes.size()) return false;
  for (auto a = attributes.begin(), b = other.attributes.begin(); a != attributes.end(); ++a, ++b)
    if (a->Id() != b->Id()) return false;
  return true;
}

void AttribList::reset() { cursor = attributes.end(); }

bool AttribList::next() { return cursorNext(attributes, cursor); }

bool AttribList::prev() {
  if (attributes.empty()) return false;
  if (cursor == attributes.begin()) {
    cursor = attributes.end();
    return false;
  }
  --cursor;
  return true;
}

Attributes& AttribList::getAttrib() {
  if (cursor == attributes.end()) throw tr("Error!") + " AttribList::getAttrib: no attribute under the cursor";
  return *cursor;
}

bool AttribList::atBegin() const { return !attributes.empty() && cursor == attributes.begin(); }

void AttribList::pushAttrib(const Attributes& a) {
  attributes.push_back(a);
  cursor = std::prev(attributes.end());
}

void AttribList::pushList(const AttribList& other) {
  if (&other == this) {
    const std::list<Attributes> copy = attributes;
    for (const Attributes& a : copy) pushAttrib(a);
    return;
  }
  for (const Attributes& a : other.attributes) pushAttrib(a);
}

Attributes AttribList::popAttrib() {
  if (attributes.empty()) return Attributes();
  Attributes first = attributes.front();
  bool cursorOnFirst = cursor == attributes.begin();
  attributes.pop_front();
  if (cursorOnFirst) cursor = attributes.end();
  return first;
}

Attributes AttribList::popLast() {
  if (attributes.empty()) return Attributes();
  Attributes last = attributes.back();
  bool cursorOnLast = cursor == std::prev(attributes.end());
  attributes.pop_back();
  if (cursorOnLast) cursor = attributes.end();
  return last;
}

void AttribList::removeRepeats() {
  std::set<Str> seen;
  for (auto it = attributes.begin(); it != attributes.end();) {
    if (seen.insert(it->Id()).second)
      ++it;
    else
      it = attributes.erase(it);
  }
  cursor = attributes.end();
}

void AttribList::throwVirtuals() {
  attributes.remove_if([](const Attributes& a) { return a.IsVirtual(); });
  cursor = attributes.end();
}

void AttribList::addPrefix(const Str& p) {
  for (Attributes& a : attributes) a.setId(p + a.Id());
}

Attributes* AttribList::findAttrib(const Str& id) {
  for (Attributes& a : attributes)
    if (a.Id() == id) return &a;
  return nullptr;
}

Attributes* AttribList::findAttribBeforeCurrPos(const Str& id) {
  for (auto it = attributes.begin(); it != cursor; ++it)
    if (it->Id() == id) return &*it;
  return nullptr;
}

Attributes* AttribList::findAttribByRef(const Str& attr) {
  for (Attributes& a : attributes)
    if (a.RefAttr() == attr) return &a;
  return nullptr;
}

Attributes* AttribList::findSK() {
  for (Attributes& a : attributes)
    if (a.IsProperty("SK")) return &a;
  return nullptr;
}

AttribList AttribList::findRefAttribs(const Str& attr, const Str& cls) const {
  AttribList found;
  for (const Attributes& a : attributes)
    if (a.Id() == attr + a.RefAttr() && (cls.IsEmpty() || a.RefClass() == cls)) found.pushAttrib(a);
  found.cursor = found.attributes.begin();
  return found;
}

// The foreign-key columns of one reference share the Number and the owning
// class; the group is the first run of such FK columns numbered n or more.
AttribList AttribList::findNextFK(int& n) {
  AttribList group;
  int groupNumber = 0;
  Str groupClass;
  bool found = false;
  reset();
  while (next()) {
    const Attributes& a = *cursor;
    if (a.Number() < n) continue;
    if (a.Number() == groupNumber && a.CurClass() == groupClass && a.IsProperty("FK")) {
      group.pushAttrib(a);
      found = true;
      continue;
    }
    if (found) break;
    groupNumber = a.Number();
    groupClass = a.CurClass();
    if (a.IsProperty("FK")) {
      group.pushAttrib(a);
      found = true;
    }
  }
  n = groupNumber + 1;
  group.cursor = group.attributes.begin();
  return group;
}

std::vector<AttribList> AttribList::foreignKeyGroups() const {
  AttribList walked = *this;
  std::vector<AttribList> groups;
  int n = 1;
  for (AttribList group = walked.findNextFK(n); !group.isEmpty(); group = walked.findNextFK(n)) groups.push_back(group);
  return groups;
}

AttribList AttribList::getWithInit() {
  AttribList withInit;
  reset();
  while (next())
    if (!cursor->DefInit().IsEmpty()) withInit.pushAttrib(*cursor);
  withInit.cursor = withInit.attributes.begin();
  return withInit;
}

AttribList AttribList::getFromTail(int k) const {
  AttribList tail;
  if (k > 0) {
    auto from = attributes.begin();
    if (static_cast<std::size_t>(k) < attributes.size())
      std::advance(from, static_cast<long>(attributes.size()) - k);
    tail.attributes.assign(from, attributes.end());
  }
  tail.cursor = tail.attributes.begin();
  return tail;
}

AttribList AttribList::removeArcs() const {
  AttribList kept;
  for (const Attributes& a : attributes)
    if (a.Id() != "UserArc" && a.Id() != "DateArc") kept.attributes.push_back(a);
  kept.cursor = kept.attributes.begin();
  return kept;
}

bool AttribList::lastIsDiscriminator(ClassRoots* roots) const {
  if (attributes.size() < 2) return false;
  const Attributes& last = attributes.back();
  ClassDesc* cls = projectMap.findClass(last.Project(), last.CurClass());
  if (!cls) return false;
  if (last.Id() == cls->Id() + "Type") return true;
  ClassDesc* root = roots ? roots->Granny(cls) : cls->Granny();
  return root && last.Id() == root->Id() + "Type";
}

AttribList AttribList::removeLast() const {
  AttribList rest;
  rest.attributes = attributes;
  if (lastIsDiscriminator()) rest.attributes.pop_back();
  rest.cursor = rest.attributes.begin();
  return rest;
}

AttribList AttribList::getLast() const {
  AttribList last;
  if (lastIsDiscriminator()) last.attributes.push_back(attributes.back());
  last.cursor = last.attributes.begin();
  return last;
}
