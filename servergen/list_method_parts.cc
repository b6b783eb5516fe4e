#include "servergen/list_method_parts.h"

#include <set>

#include "expand/signature_lookups.h"
#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/windows.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "servergen/display_label.h"

Project& ownProjectOf(const ClassDesc& cls) {
  Project* own = projectMap.find(cls.Container());
  if (!own)
    throw Str("The list methods of class ") + cls.Id() + " cannot be written: its project " + cls.Container() +
        " is not loaded.";
  return *own;
}

Str schemgenAt(int line) { return Str("schemgen:") << line; }

Str unresolvedDetails(int line, const ViewWindow& view, const Str& table, const Str& column) {
  return schemgenAt(line) + tr(" In window ") + view.Id() + tr(" unable to resolve attribute details ") + table +
      "." + column;
}

namespace {

// The first class, from `start` up through its parents in `project`, for
// which `found` answers true; null when none does. A parent chain that loops
// ends where it meets itself.
template <class Found>
ClassDesc* firstInLine(Project& project, const Str& start, Found found) {
  std::set<Str> seen;
  for (ClassDesc* c = classIn(project, start); c && seen.insert(c->Id()).second; c = classIn(project, c->Parent()))
    if (found(*c)) return c;
  return nullptr;
}

// The column `id` of the full list (virtual columns included) of the class
// `start` of `project`, else of its nearest ancestor's that has it: a
// virtual column is in the full list of the class that declares it only.
std::optional<Attributes> familyFullColumn(Project& project, const Str& start, const Str& id) {
  const Attributes* column = nullptr;
  firstInLine(project, start, [&](const ClassDesc& c) {
    column = project.tables.haveTable(c.Id()) ? project.tables.getVirtList(c.Id())->findAttrib(id) : nullptr;
    return column != nullptr;
  });
  if (column) return *column;
  return std::nullopt;
}

}  // namespace

std::optional<Attributes> rightColumnOf(Project& own, const ClassDesc& cls, const Atom& atom) {
  const AttrLocator& right = atom.getSecondAttr().column();
  // The full list, then the table: what getFullList would join, unjoined.
  AttribList* full = own.tables.getVirtList(cls.Id());
  if (const Attributes* column = full->findAttrib(right.FName)) return *column;
  if (const Attributes* column = tableColumn(own, cls.Id(), right.FName)) return *column;
  if (const Attributes* column = full->findAttrib(right.SName + right.FName)) return *column;
  if (const Attributes* reference = cls.GetAttribute(right.SName))
    if (const Attributes* column = tableColumn(own, reference->Type(), right.FName)) return *column;
  // A virtual column the class inherits, or one of the class the side names.
  if (right.SName.IsEmpty()) return familyFullColumn(own, cls.Id(), right.FName);
  Project& home = projectOr(right.PName, own);
  if (classIn(home, right.SName)) return familyFullColumn(home, right.SName, right.FName);
  return std::nullopt;
}

std::optional<Attributes> argumentColumnOf(Project& own, const ClassDesc& cls, const Atom& atom) {
  if (!atom.isAttrib()) return std::nullopt;
  std::optional<Attributes> column = rightColumnOf(own, cls, atom);
  if (column && (column->IsVirtual() || atom.isVirtual())) return column;
  return std::nullopt;
}

Str holderOf(Project& project, const Str& start, const Str& id) {
  const ClassDesc* holder =
      firstInLine(project, start, [&](const ClassDesc& c) { return tableColumn(project, c.Id(), id) != nullptr; });
  return holder ? holder->Id() : start;
}

bool hasNoTable(const ClassDesc& cls) { return !cls.HaveObject() && !cls.IsSQLView(); }

Str readHolderOf(Project& project, const Str& cls, const Str& declarer, const Str& id) {
  const Str holder = holderOf(project, declarer, id);
  const ClassDesc* kept = classIn(project, holder);
  return kept && hasNoTable(*kept) ? holderOf(project, cls, id) : holder;
}

std::optional<Attributes> storedKeyOf(Project& own, const ClassDesc& cls, const Attributes& reference,
                                      const Str& field) {
  const ClassDesc* target = classIn(projectOr(reference.Project(), own), reference.Type());
  if (!target || !hasNoTable(*target)) return std::nullopt;
  AttribList stored = own.tables.getGenericList(cls.Id()).findRefAttribs(reference.Id(), Str(""));
  if (const Attributes* column = stored.findAttribByRef(field)) return *column;
  return std::nullopt;
}

Str partAlias(const Str& alias, const Str& table, const Str& part) {
  if (part == table) return alias;
  return alias == table ? part : alias + part;
}

std::optional<Operand> referenceColumnOf(Project& own, const Attributes& reference, const Str& field,
                                         Attributes* column) {
  Project& home = projectOr(reference.Project(), own);
  const Str& type = reference.Type();
  AttribList generic = home.tables.getGenericList(type);
  const Attributes* found = generic.findAttrib(field);
  if (!found) return std::nullopt;
  if (column) *column = *found;
  const Str holder = readHolderOf(projectOr(found->Project(), home), type, found->CurClass(), field);
  Operand operand{reference.Id(), field, {}};
  if (holder != type) {
    operand.alias = reference.Id() + holder;
    operand.entries.push_back({operand.alias, TblLocator(found->Project(), holder)});
  }
  operand.entries.push_back({reference.Id(), TblLocator(reference.Project(), type)});
  return operand;
}

Operand leftOperandOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom) {
  const AttrLocator& left = atom.getFirstAttr().column();
  Project& home = projectOr(left.PName, own);
  Str source = left.SName.IsEmpty() ? cls.Id() : left.SName;
  AttribList list = home.tables.getFullGenericList(source);
  if (list.isEmpty()) {
    // A column of the class a reference attribute points to: the expansion
    // found it in the referenced class, before any column of the class's
    // own of that name (only the foreign-key columns are the class's own).
    const Attributes* reference = cls.GetAttribute(left.SName);
    if (reference && reference->Id() != reference->Type() && !isBaseType(reference->Type()))
      if (std::optional<Operand> through = referenceColumnOf(own, *reference, left.FName)) return *through;
    list = own.tables.getFullGenericList(cls.Id());
  }
  if (const Attributes* column = list.findAttrib(left.FName)) {
    const Str holder = holderOf(projectOr(column->Project(), own), column->CurClass(), left.FName);
    const Str alias = holder + atom.getFirstAttr().alias();
    return {alias, left.FName, {{alias, TblLocator("", holder)}}};
  }
  throw unresolvedDetails(1968, view, source, left.FName);
}

Operand rightOperandOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom) {
  const ColumnStruct& right = atom.getSecondAttr();
  const Str& S = right.column().SName;
  const Str& F = right.column().FName;
  // A column of the class's own tables.
  auto ownColumn = [&](const Str& field) {
    const Str holder = holderOf(own, cls.Id(), field);
    return Operand{holder, field, {{holder, TblLocator("", holder)}}};
  };
  if (S.IsEmpty()) return ownColumn(F);
  Project& home = projectOr(right.column().PName, own);
  const Str entry = S + right.alias();
  Str table = S;
  Project* tableHome = &home;
  if (!classIn(home, S)) {
    const Attributes* reference = cls.GetAttribute(S);
    if (!reference) throw unresolvedDetails(1925, view, S, F);
    if (std::optional<Attributes> stored = storedKeyOf(own, cls, *reference, F)) return ownColumn(stored->Id());
    table = reference->Type();
    tableHome = &projectOr(reference->Project(), home);
  }
  const Str holder = holderOf(*tableHome, table, F);
  Operand operand{partAlias(entry, table, holder), F, {}};
  if (operand.alias != entry) operand.entries.push_back({operand.alias, TblLocator(tableHome->name, holder)});
  operand.entries.push_back({entry, TblLocator(home.name, table)});
  return operand;
}

Str referenceNameOf(const Attributes& column) {
  std::size_t id = column.Id().length(), ref = column.RefAttr().length();
  return column.Id().substr(0, id > ref ? id - ref : 0);
}

Str listMethodName(const Str& C, const Str& input, const AttribList& filter) {
  if (filter.isEmpty()) return C + input;
  const Attributes& first = *filter.begin();
  return C + referenceNameOf(first) + first.RefClass() + "_" + input;
}

std::vector<AttribList> keyFiltersOf(Project& own, const ClassDesc& cls, const AttribList& columns) {
  ViewWindow* view = cls.GetView(cls.Id() + "List");
  if (!view) return {};
  for (const Atom& atom : view->getAtoms())
    if (argumentColumnOf(own, cls, atom)) return {};
  return columns.foreignKeyGroups();
}

std::vector<ForeignKeyJoin> foreignKeyJoins(Project& own, const TableDesc& desc) {
  std::vector<ForeignKeyJoin> joins;
  for (const auto& [alias, entry] : desc.tables) {
    Project& home = projectOr(entry.table.project, own);
    AttribList* tableColumns = home.tables.getAttribList(entry.table.table);
    if (!tableColumns) continue;
    for (const AttribList& group : tableColumns->foreignKeyGroups()) {
      const Attributes& first = *group.begin();
      // Only an entry of the referenced table is a target: two classes of
      // one list may have references of one name to different tables.
      auto isTarget = [&](const Str& name) {
        auto it = desc.tables.find(name);
        return it != desc.tables.end() && it->second.table.table == first.RefClass();
      };
      Str target = first.Id() == first.RefAttr() ? first.RefClass() : referenceNameOf(first);
      // A part of an entry (its alias followed by its class) joins to the
      // entry's next part.
      const Str& table = entry.table.table;
      const std::size_t base =
          alias.length() > table.length() && alias.endsWith(table) ? alias.length() - table.length() : 0;
      if (isTarget(alias + target))
        target = alias + target;
      else if (base && isTarget(alias.substr(0, base) + target))
        target = alias.substr(0, base) + target;
      else if (!isTarget(target)) {
        if (!isTarget(first.RefClass())) continue;
        target = first.RefClass();
      }
      if (alias == target) continue;
      for (const Attributes& column : group) joins.push_back({alias, column, target});
    }
  }
  return joins;
}

void writeProjection(std::ostream& out, const TableDesc& desc) {
  out << "  cursor.Project()";
  auto alias = desc.aliases.begin();
  for (const Attributes& column : desc.columns) out << " << p" << *alias++ << "->" << column.Id();
  out << ";\n";
}

void writeResultColumns(std::ostream& out, ViewWindow& view, const TableDesc& desc) {
  LineEmitter c(out);
  view.GetFirstColumn();
  for (const Attributes& column : desc.columns) {
    Str label = labelOf(column);
    c.line("  r->AddColumn(\"$label$\",AC_$type$$sum$);",
           {{"label", cppLiteralText(label)},
            {"type", valueTypeOf(column)},
            {"sum", view.GetAggregate() == 1 ? ", 1" : ""}});
    view.GetNextColumn();
  }
}

void writeResultTail(std::ostream& out) {
  LineEmitter c(out);
  c.line("  r->AddFooter();");
  c.line("  r->CopyCursor(cursor);");
  c.line("");
  c.line("  r->Sort(SortNo);");
  c.line("");
  c.line("  return r;");
  c.line("}");
  c.line("");
  c.line("");
}
