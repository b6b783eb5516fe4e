#pragma once
// What a view's list method and its archive form share: the project that owns
// the class, the errors both raise, the lookups of a condition's two sides,
// the name a foreign-key group is joined by, and the result columns and tail
// that close both methods.
#include <optional>
#include <ostream>
#include <utility>
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
// by source and field, a column of the table a reference attribute of the
// class points to, or a virtual column that the class, or the class the side
// names, declares or inherits; none when the tables hold no such column.
std::optional<Attributes> rightColumnOf(Project& own, const ClassDesc& cls, const Atom& atom);
// The column of the value the caller passes when the condition compares
// with one: it is a column comparison whose right column is virtual, or it
// is marked virtual. None for any other condition.
std::optional<Attributes> argumentColumnOf(Project& own, const ClassDesc& cls, const Atom& atom);

// The class, from `start` up through its parents in `project`, whose table
// holds the column `id`: the table a list reads that column in. A subclass's
// list names an inherited column, or its family's type column, by the class
// it reaches it through; only one table of the family holds it. `start`
// itself when no table holds the column.
Str holderOf(Project& project, const Str& start, const Str& id);
// The class whose table a list reads the column `id` of the class `cls` in,
// `declarer` being the class the column comes from: its holder, as holderOf
// finds it from `declarer`. A class without table keeps no rows, but the key
// it hands down is stored again in the tables of its subclasses: then the
// holder from `cls` up is taken instead.
Str readHolderOf(Project& project, const Str& cls, const Str& declarer, const Str& id);

// The alias of the part `part` (an ancestor class) of the table entry
// `alias`, whose table is `table`: the entry itself for its own table; the
// ancestor's id for an entry named like its class (the list's own family);
// else the entry's alias followed by the ancestor's id. Foreign keys join a
// part to the next by these names.
Str partAlias(const Str& alias, const Str& table, const Str& part);

// Where a side of a condition is read: the alias of the table entry that
// holds its column, the column's name there, and the entries that reading
// needs (the holding entry first, then the entry it is a part of, when that
// differs).
struct Operand {
  Str alias;
  Str field;
  std::vector<std::pair<Str, TblLocator>> entries;
};

// Whether the class has no table of its own: a virtual class without object
// gets no domain class, so no list can read it.
bool hasNoTable(const ClassDesc& cls);
// The column that the reference attribute `reference` of the class stores
// for the key column `field` of a class that has no table: a list reads that
// key there. None when the referenced class has a table or `field` is no key
// column the reference stores.
std::optional<Attributes> storedKeyOf(Project& own, const ClassDesc& cls, const Attributes& reference,
                                      const Str& field);

// The left side of a condition: its column is looked up in the full generic
// list of its source in its project (the class's list when that is empty);
// a column reached through a reference attribute of the class is read in
// the referenced table, under the attribute's name, as a view column
// through that attribute is.
Operand leftOperandOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom);
// The right side of a comparison of two columns that is no argument: a
// column of the class itself, of a named class, or of the table a
// reference attribute of the class points to (or the key the reference
// stores, for a class without table).
Operand rightOperandOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom);
// A view column through the reference attribute `reference` of the class:
// the column `field` of the referenced class, read under the attribute's
// name (and the part that holds it, for an inherited column). Null when the
// referenced class lacks the column.
std::optional<Operand> referenceColumnOf(Project& own, const Attributes& reference, const Str& field,
                                         Attributes* column = nullptr);

// The id of a foreign-key column without its trailing referenced-attribute
// name: the name of the reference it belongs to.
Str referenceNameOf(const Attributes& column);

// The name of the list of class `C` that a view with the standard input
// `input` gives: C followed by the input; for a list filtered by the key
// group `filter`, the group's reference name, its referenced class and "_"
// stand before the input (<C><reference><Class>_<input>).
Str listMethodName(const Str& C, const Str& input, const AttribList& filter);

// The key filters of the class's key-filtered lists, one foreign-key group
// of the table columns `columns` each: the class needs the view <C>List,
// and no condition of that view may compare with a value the caller passes.
// None otherwise.
std::vector<AttribList> keyFiltersOf(Project& own, const ClassDesc& cls, const AttribList& columns);

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
// the target, else to the referenced class's entry, each only when it reads
// the referenced class's table; the target is the group's reference, or the
// referenced class when the reference is named like it. A group whose target
// is no such entry, or is the table itself, is not joined. The list and its
// archive join alike, so that the inherited part of
// a table is never left unjoined.
std::vector<ForeignKeyJoin> foreignKeyJoins(Project& own, const TableDesc& desc);

// The "cursor.Project()" line: every projected column under its table's alias.
void writeProjection(std::ostream& out, const TableDesc& desc);

// The "r->AddColumn" lines of the projected columns, then the footer, the
// cursor copy, the sort and the return that end the method.
void writeResultColumns(std::ostream& out, ViewWindow& view, const TableDesc& desc);
void writeResultTail(std::ostream& out);
