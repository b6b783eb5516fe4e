#pragma once
// AttribList: an ordered list of attribute records (table columns, a class
// key, method arguments, view results) with one cursor, lookups and filtered
// copies. Walk it with reset() then while (next()) ... getAttrib().
#include <list>

#include "model/attributes.h"
#include "rt/str.h"

class AttribList {
public:
  AttribList();
  // The copy's cursor stands on its first element.
  AttribList(const AttribList& other);
  AttribList(AttribList&& other);
  // The cursor takes the source cursor's index (or the end).
  AttribList& operator=(const AttribList& other);
  AttribList& operator=(AttribList&& other);
  // Same size and the same Id at every place.
  bool operator==(const AttribList& other) const;

  // Cursor and size.
  void reset();
  bool next();
  bool prev();
  // The attribute under the cursor; throws a Str when the cursor is at the end.
  Attributes& getAttrib();
  bool atBegin() const;
  bool isEmpty() const { return attributes.empty(); }
  int size() const { return static_cast<int>(attributes.size()); }

  // Adding and removing.
  void pushAttrib(const Attributes& a);
  void pushList(const AttribList& other);
  Attributes popAttrib();
  void removeRepeats();
  void throwVirtuals();
  void addPrefix(const Str& p);

  // Lookups: a pointer into the list, or null.
  Attributes* findAttrib(const Str& id);
  Attributes* findAttribBeforeCurrPos(const Str& id);
  Attributes* findAttribByRef(const Str& attr);
  Attributes* findSK();

  // Filtered copies.
  AttribList findRefAttribs(const Str& attr, const Str& cls) const;
  AttribList findNextFK(int& n);
  AttribList getWithInit();
  AttribList getFromTail(int k) const;
  AttribList removeArcs() const;
  AttribList removeLast() const;
  AttribList getLast() const;

  // Read-only range access beside the cursor protocol.
  std::list<Attributes>::const_iterator begin() const { return attributes.begin(); }
  std::list<Attributes>::const_iterator end() const { return attributes.end(); }

private:
  // Whether the last attribute is the type column of its class family.
  bool lastIsDiscriminator() const;

  std::list<Attributes> attributes;
  std::list<Attributes>::iterator cursor;
};
