#pragma once
// What a view's list method and its archive form share: the project that owns
// the class, the errors both raise, the lookups of a condition's two sides,
// the name a foreign-key group is joined by, and the result columns and tail
// that close both methods.
#include <optional>
#include <ostream>
#include <vector>

#include "model/attributes.h"
#include "rt/str.h"
#include "servergen/table_desc.h"

class Atom;
class ClassDesc;
class Project;
class ViewWindow;

// The project registered under the class's container name.
Project& ownProjectOf(const ClassDesc& cls);

// The source position that begins every error of the list writers.
Str schemgenAt(int line);
// A column of a table that a view names and the tables lack.
Str unresolvedDetails(int line, const ViewWindow& view, const Str& table, const Str& column);

// The column that the right side of a column-to-column condition names: a
// column of the class's table (virtual ones included), a virtual column named
// by source and field, or a column of the table a reference attribute of the
// class points to; none when the tables hold no such column.
std::optional<Attributes> rightColumnOf(Project& own, const ClassDesc& cls, const Atom& atom);
// The column of the value the caller passes when the condition compares
// with one: it is a column comparison whose right column is virtual, or it
// is marked virtual. None for any other condition.
std::optional<Attributes> argumentColumnOf(Project& own, const ClassDesc& cls, const Atom& atom);

// The column that the left side of a condition names, from the full generic
// list of its source in its project (the class's list when that is empty).
Attributes leftColumnOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom);

// The id of a foreign-key column without its trailing referenced-attribute
// name: the name of the reference it belongs to.
Str referenceNameOf(const Attributes& column);

// One join along a foreign key: the column of the table under `alias` and
// the alias of the table it points to.
struct ForeignKeyJoin {
  Str alias;
  Attributes column;
  Str target;
};
// The joins along the foreign keys of the join's tables, in alias order and
// column order; a table's columns come from the project of its entry. A
// group of foreign-key columns points to the table's own part named after
// the group's target (its alias + the target), else to the entry named after
// the target, else to the referenced class's entry; the target is the
// group's reference, or the referenced class when the reference is named
// like it. A group whose target is no entry, or is the table itself, is not
// joined. The list and its archive join alike, so that the inherited part of
// a table is never left unjoined.
std::vector<ForeignKeyJoin> foreignKeyJoins(Project& own, const TableDesc& desc);

// The "cursor.Project()" line: every projected column under its table's alias.
void writeProjection(std::ostream& out, const TableDesc& desc);

// The "r->AddColumn" lines of the projected columns, then the footer, the
// cursor copy, the sort and the return that end the method.
void writeResultColumns(std::ostream& out, ViewWindow& view, const TableDesc& desc);
void writeResultTail(std::ostream& out);
