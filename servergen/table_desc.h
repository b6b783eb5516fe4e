#pragma once
// The join behind one list method: which table every projected column comes
// from. The list-method writer builds it and hands it to the caller, which
// writes the archive list over the same tables.
#include <list>
#include <map>

#include "model/attrib_list.h"
#include "rt/str.h"

// One table reached by a list method. An empty project means the class's own.
struct TblLocator {
  TblLocator() = default;
  TblLocator(const Str& project, const Str& table) : project(project), table(table) {}

  Str project;
  Str table;
};

// One entry of the join: a table and the columns taken from it.
struct tblStruct {
  TblLocator table;
  AttribList columns;
};

struct TableDesc {
  std::list<Str> aliases;              // table alias of each projected column, in column order
  AttribList columns;                  // the projected columns, parallel to the aliases
  std::map<Str, tblStruct> tables;     // alias -> table entry
};
