#pragma once
// AttribList: an ordered list of attribute records (table columns, a class
// key, method arguments, view results) with one cursor, lookups and filtered
// copies. Walk it with reset() then while (next()) ... getAttrib().
#include <list>
#include <vector>

#include "model/attributes.h"
#include "rt/str.h"

class ClassRoots;

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
  Attributes popLast();  // the last attribute, taken off; an empty record when none
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
  // Every foreign-key group, in order, as findNextFK walks them from 1.
  std::vector<AttribList> foreignKeyGroups() const;
  AttribList getWithInit();
  AttribList getFromTail(int k) const;
  AttribList removeArcs() const;
  AttribList removeLast() const;
  AttribList getLast() const;
  // Whether the last attribute is the type column of its class family;
  // `roots` keeps the root ancestors found over a run of such questions.
  bool lastIsDiscriminator(ClassRoots* roots = nullptr) const;

  // C++ argument-list printers (attrib_list_printers.cc). Each walks the
  // list from first to last without touching the cursor and answers its
  // text; an empty list gives the empty text. All but printNotNulls look up
  // every attribute's code type (field "C" of its type), so an undeclared
  // type throws the type registry's error. A code type "char*" or "char *"
  // is declared Str and passed with a (char*)(const char*) cast.
  //
  // " const <declared type>& <id>" joined by ","; in mode 'h' a FLAG
  // attribute also gets " = is<owning class>".
  Str printBaseArgs(int mode) const;
  Str printInterfaceArgs() const;       // "<code type> <id>" joined by " , "
  Str printInterfaceNullArgs() const;   // ", <code type> <id>_PK" for each
  Str printInterfaceTypes() const;      // "<code type>" joined by " , "
  Str printInterfaceNullTypes() const;  // ", <code type>=<code type>()" for each
  Str printCDecl() const;               // "  <declared type> <id>;" lines
  Str printNullCDecl() const;           // "  <declared type> <id>_PK;" lines
  Str printNotNulls() const;            // "!<id>.IsNull() && " for each
  Str printIntoDP() const;              // " << <id>" for each
  Str printIntoThrow() const;           // the ids streamed with ", " between them
  Str printArgs() const;                // the ids (cast when needed) joined by ", "
  Str printNullArgs() const;            // ", <id>_PK" (cast when needed) for each
  // One "r->AppendValue(...)" statement line per attribute, copying the
  // fields of the generated record "i<var>" into the item result; the
  // archive columns UserArc and DateArc are left out when withArc is 0.
  Str printIRAppend(const Str& var, const Str& prefix, int withArc) const;

  // Joins a plain argument text and a key-argument text as a null form
  // prints it (empty, or opening with ", "): a plain text that printed
  // empty leaves no leading separator.
  static Str joinArgLists(const Str& plain, const Str& keyed);

  // Read-only range access beside the cursor protocol.
  std::list<Attributes>::const_iterator begin() const { return attributes.begin(); }
  std::list<Attributes>::const_iterator end() const { return attributes.end(); }

private:
  std::list<Attributes> attributes;
  std::list<Attributes>::iterator cursor;
};
