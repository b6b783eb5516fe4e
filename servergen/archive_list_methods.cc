// The archive list of a class: the columns of its main list, read from the
// archive tables behind the same join and sorted like the list. It is written
// only when every table of the join is a class table with an archive and the
// list takes no argument but the sort order.
#include "expand/signature_lookups.h"
#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/windows.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "servergen/generated_project.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/list_method_parts.h"
#include "servergen/translated_literal.h"

namespace {

// Whether every table of the join is an archived class table and no
// condition compares with an argument.
bool hasArchiveForm(Project& own, const ClassDesc& cls, const ViewWindow& view, const TableDesc& desc) {
  for (const auto& [alias, entry] : desc.tables) {
    const Str& project = entry.table.project.IsEmpty() ? cls.Container() : entry.table.project;
    ClassDesc* table = projectMap.findClass(project, entry.table.table);
    if (!table || table->IsSQLView()) return false;
    // A virtual class's rows are kept by its own server, which keeps its archive too.
    Project* holder = projectMap.find(project);
    if (!holder || !hasAccessClass(*holder, entry.table.table)) return false;
  }
  for (const Atom& atom : view.getAtoms())
    if (argumentColumnOf(own, cls, atom)) return false;
  return true;
}

// The joins along the foreign keys of the tables, each "a == b". They are
// the list's own joins: an archive table's inherited part, or a table of
// another project, is joined as in the list, not read as a cross product.
Str foreignKeyJoinText(Project& own, const TableDesc& desc) {
  Str joins("");
  for (const ForeignKeyJoin& join : foreignKeyJoins(own, desc))
    joins << (joins.IsEmpty() ? "" : " && ") << "p" << join.alias << "->" << join.column.Id() << " == p"
          << join.target << "->" << join.column.RefAttr();
  return joins;
}

// The view's conditions over the archive tables, each side read through the
// entry the list reads it through.
Str viewConditions(Project& own, const ClassDesc& cls, const ViewWindow& view) {
  Str text("");
  auto sign = view.getSigns().begin();
  bool first = true;
  for (const Atom& atom : view.getAtoms()) {
    if (!first) text << " " << (sign != view.getSigns().end() ? *sign++ : Str("")) << " ";
    first = false;
    const Operand left = leftOperandOf(own, cls, view, atom);
    text << "p" << left.alias << "->" << left.field;
    if (atom.isLiteral() && atom.getLiteral() == "NULL") {
      text << (atom.getSign() == "!=" ? ".IsNotNull()" : ".IsNull()");
      continue;
    }
    text << atom.getSign();
    if (atom.isLiteral())
      text << "\"" << cppLiteralText(atom.getLiteral()) << "\"";
    else if (atom.isGlobal())
      text << atom.getGlobal();
    else {
      const Operand right = rightOperandOf(own, cls, view, atom);
      text << "p" << right.alias << "->" << right.field;
    }
  }
  return text;
}

bool hasAlternative(const ViewWindow& view) {
  for (const Str& sign : view.getSigns())
    if (sign == "||") return true;
  return false;
}

}  // namespace

void InterfaceMethodsGenerator::GenerateArcListMethod(ClassDesc* cls, TableDesc& desc) {
  const Str& C = cls->Id();
  ViewWindow* view = cls->GetView(C + "List");
  if (!view) return;
  Project& own = ownProjectOf(*cls);
  if (!hasArchiveForm(own, *cls, *view, desc)) return;

  LineEmitter c(source_);
  Attributes sortNo("SortNo", "Integer", "", "", "Sorting2");
  c.line("ListResult * $P$ :: $C$GetArcList ( $type$ SortNo ) {", {{"P", project_}, {"C", C}, {"type", codeTypeOf(sortNo)}});
  c.line("  KVCursor cursor(rdb);");
  for (const auto& [alias, entry] : desc.tables) c.line("  $T$Arc p$alias$;", {{"T", entry.table.table}, {"alias", alias}});
  c.line("");
  writeProjection(source_, desc);

  // The joins and the view's conditions form one conjunction; the view's
  // alternatives are grouped so that every row they select stays joined.
  Str selection = view->isManualSelection() ? Str("") : foreignKeyJoinText(own, desc);
  Str conditions = viewConditions(own, *cls, *view);
  if (!conditions.IsEmpty()) {
    if (selection.IsEmpty())
      selection = conditions;
    else if (hasAlternative(*view))
      selection << " && (" << conditions << ")";
    else
      selection << " && " << conditions;
  }
  if (!selection.IsEmpty()) c.line("  cursor.Set($selection$);", {{"selection", selection}});
  c.line("");
  c.line("  ListResult* r=new ListResult(\"$header$. ($archive$)\");",
         {{"header", cppLiteralText(view->Header())}, {"archive", trLiteral("Archive")}});
  writeResultColumns(source_, *view, desc);
  writeResultTail(source_);

  AttribList in;
  in.pushAttrib(sortNo);
  own.methods.updateMethodList(C, C + "GetArcList", "ListResult", tr("View archieve (generic)"), 40, in, desc.columns,
                               AttribList());
}
