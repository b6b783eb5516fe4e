#pragma once
// MethodDesc: the resolved signature of one server method (arguments as
// attribute lists). MethodsMap: every server method of a project keyed by
// (class name, method name), with one cursor; the argument operations work
// on the entry under the cursor.
#include <list>
#include <map>
#include <unordered_map>
#include <utility>

#include "model/attrib_list.h"
#include "rt/str.h"

class ClassDesc;

class MethodDesc {
public:
  MethodDesc();

  bool isInternal() const { return flags & 0x1; }
  bool isReport() const { return flags & 0x2; }
  bool isConst() const { return flags & 0x8; }
  bool isAutomatic() const { return flags & 0x20; }
  bool isDPIn() const { return flags & 0x80; }
  bool isNOHeader() const { return flags & 0x100; }  // no declaration in the server class header

  ClassDesc* owner;  // declaring class; null for a method registered by a generator
  Str name;
  Str resultType;
  int flags;
  AttribList input;
  AttribList output;
  std::list<Str> dispatchers;  // dispatcher and virtual-method names added by the expansion
  Str patch;                   // patch section of the declaration
  AttribList dwpk;             // output arguments that identify the returned record
  Str comment;
};

class MethodsMap {
public:
  using Key = std::pair<Str, Str>;  // (class name, method name); by class, then method

  MethodsMap();
  MethodsMap(const MethodsMap&) = delete;
  MethodsMap& operator=(const MethodsMap&) = delete;

  // Stores a fresh descriptor under (cls, name), replacing an earlier one
  // whole, and puts the cursor on it.
  void addMethod(const Str& cls, const Str& name, const Str& resultType, const Str& comment, const Str& patch,
                 int flags, ClassDesc* owner);
  // Argument operations on the entry under the cursor; nothing at the end.
  void addInArg(const Str& id, const Str& type, const Str& comment, const Str& group, const Str& hint, int hide,
                int notNull, const Str& name);
  void addOutArg(const Str& id, const Str& type, const Str& comment, const Str& group, const Str& hint, int hide,
                 const Str& name, int alsoKey, const Str& prefix, const Str& suffix);
  // Adds the attributes in order up to the first one with an empty id. A
  // flag of -1 takes HIDE (or not-null) from each attribute.
  void addInArgList(AttribList list, int hide, int notNull, const Str& idPrefix);
  void addOutArgList(AttribList list, int hide, const Str& idPrefix);
  void addDWPKList(const AttribList& list);
  void updateMethodList(const Str& cls, const Str& name, const Str& resultType, const Str& comment, int flags,
                        const AttribList& in, const AttribList& out, const AttribList& key);
  void deleteMethod(const Str& cls, const Str& name);

  // Lookups by full name: class name, " :: ", method name.
  MethodDesc* findByName(const Str& full);
  MethodDesc* getMethod(const Str& full);  // also puts the cursor on the entry
  // Whether some class name directly followed by its method name equals n.
  bool testByName(const Str& n) const;

  // Cursor; the current-entry reads throw a Str at the end (Name and IdPair
  // answer empty texts there).
  void reset();
  bool next();
  // Puts the cursor on the first entry of class `cls` and answers whether
  // there is one; next() then walks on through that class's methods, which
  // are adjacent since the map is keyed by class first.
  bool seekClass(const Str& cls);
  Str Name() const;
  Key IdPair() const;
  MethodDesc& Body();
  AttribList& getInArgs();
  AttribList& getOutArgs();
  AttribList& getDWPK();

private:
  using Entries = std::map<Key, MethodDesc>;

  Entries::iterator lookUp(const Str& full);
  MethodDesc& current(const char* operation);

  // One record of each distinct argument registered so far, input, output
  // or key. The standard methods of a class register the same columns again
  // and again; equal arguments share one record (a copy changed later gets
  // its own).
  const Attributes& shared(const Attributes& arg);

  Entries entries;
  Entries::iterator cursor;
  std::unordered_map<std::size_t, std::list<Attributes>> sharedArgs_;  // by fieldsHash
};
