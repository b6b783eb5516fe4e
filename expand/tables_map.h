#pragma once
// TablesMap: the relational view of a project's classes. Each project holds
// two: its class tables (named by the class id) and its archive tables (the
// class id followed by "Arc"). The expansion refills the tables on every run
// and appends the complete column lists, virtual columns included, to the
// tables' full lists; the generators read both. Walk the tables with reset()
// then while (next()) ... getTable() / getAttribList().
#include <list>
#include <map>
#include <set>

#include "model/attrib_list.h"
#include "model/attributes.h"
#include "rt/str.h"

class Project;

// Whether the attribute is a surrogate key that is not shown: "SK" without
// "GK". Every column built from it is hidden.
bool isHiddenKey(const Attributes& a);
// A table column takes over the initial and update defaults, the default
// reference, the comment and the hint of the attribute it is built from.
void takeDefaultsAndNotes(Attributes& column, const Attributes& from);

class TablesMap {
public:
  TablesMap();
  // The map keeps a cursor into its own tables, so it is not copied.
  TablesMap(const TablesMap&) = delete;
  TablesMap& operator=(const TablesMap&) = delete;

  // The project whose class map the hierarchy queries read.
  void setProject(Project* project) { project_ = project; }
  Project* getProject() const { return project_; }

  // Building.
  // The table becomes an empty column list, whether or not it existed.
  void addTable(Str name);
  // Appends a copy of the column to an existing table; nothing otherwise.
  void addAttrib(const Str& name, const Attributes& column);
  // Appends one foreign-key column per column of `key` (up to the first with
  // an empty id) for the reference attribute `ref`; creates the table when
  // it is absent.
  void addFKList(Str name, Attributes ref, AttribList key);
  // Appends copies of every column of `list` to the table's full list.
  void addVirtList(Str name, AttribList* list);
  // From now until the tables next change, each table's generic list is
  // built once and then handed out again, for as long as no class record is
  // added or removed: the signatures and the generators read the same lists
  // many times over, and in a deep family each is as long as the family.
  // Every change through addTable, addAttrib, addFKList or addVirtList ends
  // this; a change through the pointers of getAttribList must follow one.
  void rememberGenericLists();

  // Walking, in table-name order. At the end getTable() answers an empty
  // name and getAttribList() null.
  void reset();
  bool next();
  Str getTable() const;
  AttribList* getAttribList();

  // Lookups. For getExceptPK, getGenericList, getFullGenericList, getUndef
  // and getManualUpdate an empty name means the table under the cursor.
  bool haveTable(Str name) const;
  AttribList* getAttribList(const Str& name);  // null when absent
  AttribList* getVirtList(const Str& name);    // the full list, created empty when absent
  AttribList getPK();                          // key columns of the table under the cursor
  AttribList getPK(Str name);                  // key columns of the named table
  AttribList getExceptPK(const Str& name);
  // The full list followed by the table's columns.
  AttribList getFullList(const Str& name);
  // The columns of the class with those it inherits: the parent's first, the
  // family discriminator last, repeated ids removed.
  AttribList getGenericList(const Str& name);
  AttribList getFullGenericList(const Str& name);
  // Inherited columns without an initial default, "SK" columns left out.
  AttribList getUndef(const Str& name);
  // Inherited columns without an update default, and every "SK" column.
  AttribList getManualUpdate(const Str& name);
  // Ids of the owner project's classes whose parent is `name`, in id order.
  std::list<Str> getChildrenList(const Str& name) const;
  // Every subclass, depth first: each child followed by its own descendants.
  std::list<Str> getDescendanceList(const Str& name) const;

private:
  using Tables = std::map<Str, AttribList>;

  // `name`, or the name of the table under the cursor when it is empty.
  Str resolve(const Str& name) const;
  void descendants(const Str& name, std::list<Str>& out, std::set<Str>& visiting) const;
  void forgetGenericLists();


  Project* project_;
  Tables tables_;
  Tables fullLists_;
  Tables::iterator cursor_;
  // Parent id -> ids of its direct subclasses, in id order, so that the
  // hierarchy queries do not walk the whole class map for every class.
  // Classes are only ever added and never change their parent, so the index
  // is rebuilt when the class map has grown (its size is in childrenOf_).
  mutable std::map<Str, std::list<Str>> children_;
  mutable std::size_t childrenOf_ = 0;
  mutable Project* childrenProject_ = nullptr;
  // The generic lists built while remembering, and the number of class
  // records and projects they were built with.
  bool remembering_ = false;
  Tables genericLists_;
  std::pair<std::size_t, std::size_t> genericModel_;
};
