#include "servergen/list_method_parts.h"

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

std::optional<Attributes> rightColumnOf(Project& own, const ClassDesc& cls, const Atom& atom) {
  const AttrLocator& right = atom.getSecondAttr().column();
  // The full list, then the table: what getFullList would join, unjoined.
  AttribList* full = own.tables.getVirtList(cls.Id());
  if (const Attributes* column = full->findAttrib(right.FName)) return *column;
  if (const Attributes* column = tableColumn(own, cls.Id(), right.FName)) return *column;
  if (const Attributes* column = full->findAttrib(right.SName + right.FName)) return *column;
  if (const Attributes* reference = cls.GetAttribute(right.SName))
    if (const Attributes* column = tableColumn(own, reference->Type(), right.FName)) return *column;
  return std::nullopt;
}

std::optional<Attributes> argumentColumnOf(Project& own, const ClassDesc& cls, const Atom& atom) {
  if (!atom.isAttrib()) return std::nullopt;
  std::optional<Attributes> column = rightColumnOf(own, cls, atom);
  if (column && (column->IsVirtual() || atom.isVirtual())) return column;
  return std::nullopt;
}

Attributes leftColumnOf(Project& own, const ClassDesc& cls, const ViewWindow& view, const Atom& atom) {
  const AttrLocator& left = atom.getFirstAttr().column();
  Project& home = projectOr(left.PName, own);
  Str source = left.SName.IsEmpty() ? cls.Id() : left.SName;
  AttribList list = home.tables.getFullGenericList(source);
  if (list.isEmpty()) list = own.tables.getFullGenericList(cls.Id());
  const Attributes* column = list.findAttrib(left.FName);
  if (!column) throw unresolvedDetails(1968, view, source, left.FName);
  return *column;
}

Str referenceNameOf(const Attributes& column) {
  std::size_t id = column.Id().length(), ref = column.RefAttr().length();
  return column.Id().substr(0, id > ref ? id - ref : 0);
}

std::vector<ForeignKeyJoin> foreignKeyJoins(Project& own, const TableDesc& desc) {
  std::vector<ForeignKeyJoin> joins;
  for (const auto& [alias, entry] : desc.tables) {
    Project& home = projectOr(entry.table.project, own);
    AttribList* tableColumns = home.tables.getAttribList(entry.table.table);
    if (!tableColumns) continue;
    AttribList columns(*tableColumns);
    int n = 1;
    for (AttribList group = columns.findNextFK(n); !group.isEmpty(); group = columns.findNextFK(n)) {
      const Attributes& first = *group.begin();
      Str target = first.Id() == first.RefAttr() ? first.RefClass() : referenceNameOf(first);
      if (desc.tables.count(alias + target))
        target = alias + target;
      else if (!desc.tables.count(target)) {
        if (!desc.tables.count(first.RefClass())) continue;
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
