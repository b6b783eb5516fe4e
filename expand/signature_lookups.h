#pragma once
// Lookups shared across the expansion and its access model: the project a
// locator names, a class or a table column of a project, and the position
// that begins every positioned expansion error.
#include <optional>
#include <set>

#include "expand/tables_map.h"
#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/str.h"

// The project registered under `name`; `fallback` when the name is empty or
// no project of that name is registered.
inline Project& projectOr(const Str& name, Project& fallback) {
  Project* found = name.IsEmpty() ? nullptr : projectMap.find(name);
  return found ? *found : fallback;
}

// The class `id` of `project`; null when it has none.
inline ClassDesc* classIn(Project& project, const Str& id) {
  auto it = project.classes.find(id);
  return it == project.classes.end() ? nullptr : it->second;
}

// The column `column` of the table `table` of `project`; null when the table
// or the column is missing. The pointer stays valid until the tables are
// rebuilt by the next expansion.
inline const Attributes* tableColumn(Project& project, const Str& table, const Str& column) {
  AttribList* columns = project.tables.getAttribList(table);
  return columns ? columns->findAttrib(column) : nullptr;
}

// The column `column` of the class `cls` of `project`: in the class's own
// table, else inherited from the table of the ancestor that holds it; none
// when neither has it.
inline std::optional<Attributes> classColumn(Project& project, const Str& cls, const Str& column) {
  if (const Attributes* own = tableColumn(project, cls, column)) return *own;
  AttribList generic = project.tables.getGenericList(cls);
  if (const Attributes* inherited = generic.findAttrib(column)) return *inherited;
  return std::nullopt;
}

// Whether `type` is a type of the registry rather than a class.
inline bool isBaseType(const Str& type) { return TypesPool.TypesList().count(type) != 0; }

// The source position of an expansion error raised at `line`.
inline Str unwrapperAt(int line) { return Str("unwrapper:") << line; }

// The first column of `list`, in order, whose id an earlier column has
// already (virtual columns left aside when `stored` is set); null when every
// id is there once. Generated code declares one member or parameter per
// column, so no sound code holds the same id twice.
inline const Attributes* repeatedColumn(const AttribList& list, bool stored = false) {
  std::set<Str> seen;
  for (const Attributes& a : list)
    if (!(stored && a.IsVirtual()) && !seen.insert(a.Id()).second) return &a;
  return nullptr;
}
