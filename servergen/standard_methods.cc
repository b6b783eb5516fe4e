// The standard server methods of a project: i<P>.cc with the bodies of Add,
// Update, Get, GetAbstract, GetForUpdate, GetArc, MoveToArc, the list methods
// and GetHistList of every class that has an object, each registered in the
// project's method map so that the container, the script declarations, the
// RPC stubs and the WSDL document publish it. The header i<P>.h is written
// last (interface_header.cc), from the map as this leaves it.
#include <iostream>
#include <vector>

#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "model/windows.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "servergen/display_label.h"
#include "servergen/generated_project.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/list_method_parts.h"
#include "servergen/translated_literal.h"

namespace {

// The lists the methods of one table are written from.
struct TableLists {
  Str T;           // table, the id of its class
  ClassDesc* cls;  // its class
  AttribList K;    // key columns
  AttribList AK;   // key columns of the archive table
  AttribList COLS;   // every column
  AttribList ACOLS;  // every column of the archive table
  AttribList ADD;    // what a new record needs, without the discriminator
  AttribList UPD;    // what an update needs, without the discriminator
  AttribList GEN;    // the columns with the inherited ones
  bool hasChildren;  // some class derives from the table's class
};

class StandardMethodsWriter {
public:
  StandardMethodsWriter(InterfaceMethodsGenerator& generator, Project& project, std::ostream& source)
      : generator(generator), project(project), methods(project.methods), P(project.name), c(source) {}

  void writeClass(const TableLists& t);

private:
  bool declared(const Str& cls, const Str& method) { return methods.findByName(cls + " :: " + method) != nullptr; }
  void registerMethod(const TableLists& t, const char* standardName, const char* resultType, const char* comment,
                      int flags, const AttribList& in, const AttribList& out) {
    methods.updateMethodList(t.T, t.T + standardName, resultType, tr(comment), flags, in, out, AttribList());
  }
  // The check that a record with the key is present (or absent), with its
  // line end: Add refuses a present record, the others an absent one.
  Str recordCheck(const TableLists& t, bool present);
  // The absent-record check of the methods that need the record; a singular
  // class has its one record always.
  void absentRecordCheck(const TableLists& t) {
    if (!t.cls->IsSingular()) c.put("$check$", {{"check", recordCheck(t, false)}});
  }
  // The head of a method: its result, the server class and the parameters.
  void head(const char* resultType, const TableLists& t, const char* standardName, const AttribList& params);
  void end() {
    c.line("}");
    c.line("");
    c.line("");
  }
  // The fields of the record under "i<T>" appended to the result, the
  // discriminator last, with the child-record branches between them.
  void appendRecord(const TableLists& t, const AttribList& keys, const char* arc, const char* win,
                    const Str& tailText);

  void writeAdd(const TableLists& t);
  void writeUpdate(const TableLists& t);
  void writeGet(const TableLists& t);
  void writeGetAbstract(const TableLists& t);
  void writeGetForUpdate(const TableLists& t);
  void writeGetArc(const TableLists& t);
  void writeMoveToArc(const TableLists& t);
  void writeKeyFilteredLists(const TableLists& t);
  void writeViewLists(const TableLists& t);
  void writeGetHistList(const TableLists& t);

  AttribList auditColumns(const TableLists& t);

  InterfaceMethodsGenerator& generator;
  Project& project;
  MethodsMap& methods;
  Str P;
  LineEmitter c;
};

void StandardMethodsWriter::writeClass(const TableLists& t) {
  writeAdd(t);
  writeUpdate(t);
  writeGet(t);
  writeGetAbstract(t);
  writeGetForUpdate(t);
  writeGetArc(t);
  writeMoveToArc(t);
  writeKeyFilteredLists(t);
  writeViewLists(t);
  writeGetHistList(t);
}

Str StandardMethodsWriter::recordCheck(const TableLists& t, bool present) {
  return LineEmitter::expand(present ? "  if( o$T$.checkID($args$) )" : "  if( !(o$T$.checkID($args$)) )",
                             {{"T", t.T}, {"args", t.K.printArgs()}}) +
         LineEmitter::expand(" throw Exc(\"$table$\") << Msg(\"$A$\").what() << \"$says$\"$throw$ << \"$end$\";\n",
                             {{"table", trLiteral("Table ")},
                              {"A", cppLiteralText(t.cls->ClassAlias())},
                              {"says", present ? trLiteral(" already contains row with id ")
                                               : trLiteral(" doesn't contain row with id ")},
                              {"throw", t.K.printIntoThrow()},
                              {"end", trLiteral(present ? ".  " : ". ")}});
}

void StandardMethodsWriter::head(const char* resultType, const TableLists& t, const char* standardName,
                                 const AttribList& params) {
  c.line("$R$ * $P$ :: $T$$name$ ( $params$ )",
         {{"R", resultType}, {"P", P}, {"T", t.T}, {"name", standardName}, {"params", params.printInterfaceArgs()}});
  c.line("{");
}

void StandardMethodsWriter::writeAdd(const TableLists& t) {
  if (t.cls->IsSingular() || declared(t.T, "Add")) return;
  const bool sk = t.cls->HasSK();
  registerMethod(t, "Add", sk ? "ItemResult" : "ErrorMessage",
                 sk ? "Add new record with surrogat key (generic)" : "Add new record (generic)", 32, t.ADD,
                 AttribList());
  if (sk) {
    head("ItemResult", t, "Add", t.ADD);
    generator.printCheckOnExist(t.ADD);
    generator.printCheckOnNULL(t.ADD);
    c.line("  int sk=o$T$.addEntry($args$);", {{"T", t.T}, {"args", t.ADD.printArgs()}});
    c.line("  ItemResult* ir=new ItemResult();");
    c.line("  ir->BeAsErrorMessage();");
    c.line("  ir->SetWindowID(Msg(\"$saved$\").what());", {{"saved", trLiteral("Data have been saved. ")}});
    c.line("  ir->AppendValue(sk, AC_CODE, \"SK\");");
    c.line("  return ir;");
    end();
    return;
  }
  head("ErrorMessage", t, "Add", t.ADD);
  for (const Attributes& a : AttribList(t.K).getWithInit())
    c.line("  $C$ $id$=$init$;", {{"C", TypesPool.findType(a.Type(), "C")}, {"id", a.Id()}, {"init", initialValueOf(a)}});
  c.put("$check$", {{"check", recordCheck(t, true)}});
  generator.printCheckOnNULL(t.ADD);
  generator.printCheckOnExist(t.ADD);
  c.line("  o$T$.addEntry($args$);", {{"T", t.T}, {"args", t.ADD.printArgs()}});
  c.line("  ErrorMessage* r=new ErrorMessage(Msg(\"$added$\").what());",
         {{"added", trLiteral("Data have been successfully added. ")}});
  c.line("  return r;");
  end();
}

void StandardMethodsWriter::writeUpdate(const TableLists& t) {
  if (declared(t.T, "Update")) return;
  registerMethod(t, "Update", "ErrorMessage", "Change record properties (generic)", 32, t.UPD, AttribList());
  head("ErrorMessage", t, "Update", t.UPD);
  absentRecordCheck(t);
  generator.printCheckOnNULL(t.UPD);
  generator.printCheckOnExist(t.UPD);
  if (t.K.size() != t.COLS.size()) c.line("  o$T$.updateEntry($args$);", {{"T", t.T}, {"args", t.UPD.printArgs()}});
  c.line("  ErrorMessage* r=new ErrorMessage(Msg(\"$saved$\").what());",
         {{"saved", trLiteral("Your changes have been saved")}});
  c.line("  return r;");
  end();
}

void StandardMethodsWriter::appendRecord(const TableLists& t, const AttribList& keys, const char* arc,
                                         const char* win, const Str& tailText) {
  c.put("$fields$\n", {{"fields", t.COLS.removeLast().printIRAppend(t.T, "", 0)}});
  if (t.hasChildren)
    c.put("  r->SetWindowID(\"BrevinSW.$P$.$T$$win$\");\n\n", {{"P", P}, {"T", t.T}, {"win", win}});
  AttribList branchKeys(keys);
  Str branches("");
  generator.printChildrenGetting(branches, t.T, branchKeys, arc, win, "  ");
  c.put("$branches$\n", {{"branches", branches}});
  c.put("$last$$tail$\n", {{"last", t.COLS.getLast().printIRAppend(t.T, "", 0)}, {"tail", tailText}});
}

void StandardMethodsWriter::writeGet(const TableLists& t) {
  const bool derived = !t.cls->Parent().IsEmpty();
  int flags = derived ? 8 + 256 : 8;
  if (MethodDesc* get = methods.findByName(t.T + " :: Get")) {
    // The declared method is published under the table's name; its body is
    // a placeholder of the description's own.
    AttribList in = get->input, out = get->output;
    registerMethod(t, "Get", "ItemResult", "View record (generic)", flags, in, out);
    methods.deleteMethod(t.T, "Get");
    return;
  }
  flags += 32;
  // Registered once: a later run keeps what the first one registered.
  if (!declared(t.T, t.T + "Get"))
    registerMethod(t, "Get", "ItemResult", "View record (generic)", flags, t.K, t.GEN.removeArcs());
  if (derived) return;
  head("ItemResult", t, "Get", t.K);
  absentRecordCheck(t);
  c.line("  ItemResult* r=new ItemResult(\"$A$\");", {{"A", cppLiteralText(t.cls->ClassAlias())}});
  if (!t.COLS.removeArcs().isEmpty())
    c.line("  $T$& i$T$=o$T$.getEntry($args$);", {{"T", t.T}, {"args", t.K.printArgs()}});
  appendRecord(t, t.K, "", "_GetWin", "");
  c.line("  return r;");
  end();
}

void StandardMethodsWriter::writeGetAbstract(const TableLists& t) {
  if (!t.cls->Parent().IsEmpty() || !t.hasChildren) return;
  registerMethod(t, "GetAbstract", "ItemResult", "View generic attributes (generic)", 40, t.K, t.COLS.removeArcs());
  head("ItemResult", t, "GetAbstract", t.K);
  absentRecordCheck(t);
  c.line("  ItemResult* r=new ItemResult(\"$A$\");", {{"A", cppLiteralText(t.cls->ClassAlias())}});
  c.line("  $T$& i$T$=o$T$.getEntry($args$);", {{"T", t.T}, {"args", t.K.printArgs()}});
  c.put("$fields$\n", {{"fields", t.COLS.removeLast().printIRAppend(t.T, "", 0)}});
  c.put("  r->SetWindowID(\"BrevinSW.$P$.$T$_GetWin\");\n\n", {{"P", P}, {"T", t.T}});
  c.put("$last$\n", {{"last", t.COLS.getLast().printIRAppend(t.T, "", 0)}});
  c.line("  return r;");
  end();
}

void StandardMethodsWriter::writeGetForUpdate(const TableLists& t) {
  if (!t.cls->Parent().IsEmpty()) return;
  MethodDesc* get = methods.findByName(t.T + " :: " + t.T + "Get");
  if (get && !get->isAutomatic()) {
    // The declared Get reads the record for an update as well.
    AttribList in = get->input;
    registerMethod(t, "GetForUpdate", "ItemResult", "View record for futher update (generic)", 40, in,
                   t.COLS.removeArcs());
    methods.deleteMethod(t.T, "GetForUpdate");
    return;
  }
  registerMethod(t, "GetForUpdate", "ItemResult", "View record for futher update (generic)", 32, t.K,
                 t.COLS.removeArcs());
  head("ItemResult", t, "GetForUpdate", t.K);
  if (!t.hasChildren) {
    c.line("  return $T$Get($args$);", {{"T", t.T}, {"args", t.K.printArgs()}});
  } else {
    absentRecordCheck(t);
    c.line("  ItemResult* r=new ItemResult(\"$A$\");", {{"A", cppLiteralText(t.cls->ClassAlias())}});
    c.line("  $T$& i$T$=o$T$.getEntry($args$);", {{"T", t.T}, {"args", t.K.printArgs()}});
    appendRecord(t, t.K, "", "_UpdateWin", "");
    c.line("  return r;");
  }
  end();
}

// The audit columns of the archive record. They end the archive table of
// every class but a family root, whose table ends with the discriminator:
// there they are taken by their ids.
AttribList StandardMethodsWriter::auditColumns(const TableLists& t) {
  if (t.ACOLS.getLast().isEmpty()) return t.ACOLS.getFromTail(2);
  AttribList audit;
  AttribList acols(t.ACOLS);
  for (const char* id : {"UserArc", "DateArc"})
    if (Attributes* column = acols.findAttrib(id)) audit.pushAttrib(*column);
  return audit;
}

void StandardMethodsWriter::writeGetArc(const TableLists& t) {
  if (!t.cls->Parent().IsEmpty()) return;
  registerMethod(t, "GetArc", "ItemResult", "View archive record (generic)", 40, t.AK, t.ACOLS);
  head("ItemResult", t, "GetArc", t.AK);
  c.line("  ItemResult* r=new ItemResult(\"$A$ ($history$)\");",
         {{"A", cppLiteralText(t.cls->ClassAlias())}, {"history", trLiteral("History")}});
  c.line("  $T$Arc& i$T$=o$T$.getArcEntry($args$);", {{"T", t.T}, {"args", t.AK.printArgs()}});
  appendRecord(t, t.AK, "Arc", "_GetArcWin", auditColumns(t).printIRAppend(t.T, "", 1));
  c.line("  return r;");
  end();
}

void StandardMethodsWriter::writeMoveToArc(const TableLists& t) {
  if (!t.cls->Parent().IsEmpty() || t.cls->IsSingular()) return;
  if (MethodDesc* move = methods.findByName(t.T + " :: MoveToArc")) {
    // Published under the table's name; the declared entry stays.
    AttribList in = move->input;
    registerMethod(t, "MoveToArc", "ErrorMessage", "Remove record from main table and move it to archieve (generic)",
                   32, in, AttribList());
    return;
  }
  registerMethod(t, "MoveToArc", "ErrorMessage", "Remove record from main table and move it to archieve (generic)",
                 32, t.K, AttribList());
  head("ErrorMessage", t, "MoveToArc", t.K);
  c.line("  o$T$.removeEntry($args$);", {{"T", t.T}, {"args", t.K.printArgs()}});
  c.line("  ErrorMessage* r=new ErrorMessage(Msg(\"$deleted$\").what());",
         {{"deleted", trLiteral("Data have been deleted. ")}});
  c.line("  return r;");
  c.line("}");
  c.line("");
}

void StandardMethodsWriter::writeKeyFilteredLists(const TableLists& t) {
  ViewWindow* view = t.cls->GetView(t.T + "List");
  for (AttribList& filter : keyFiltersOf(project, *t.cls, t.COLS)) generator.GenerateListMethod(t.cls, view, filter);
}

void StandardMethodsWriter::writeViewLists(const TableLists& t) {
  // The views are gathered first: the list writer may walk them itself.
  std::vector<ViewWindow*> views;
  for (ViewWindow* view = t.cls->GetFirstView(); view; view = t.cls->GetNextView()) views.push_back(view);
  for (ViewWindow* view : views) {
    // Each call gets an empty filter of its own, so that no list sees what
    // an earlier one left in it.
    AttribList noFilter(InterfaceMethodsGenerator::alNull);
    std::unique_ptr<TableDesc> desc = generator.GenerateListMethod(t.cls, view, noFilter);
    if (desc && !desc->columns.isEmpty() && view->Id() == t.T + "List") generator.GenerateArcListMethod(t.cls, *desc);
  }
}

void StandardMethodsWriter::writeGetHistList(const TableLists& t) {
  if (declared(t.T, t.T + "GetHistList")) return;
  AttribList in(t.K);
  in.pushAttrib(Attributes("SortNo", "Integer", "", "", "Sorting3"));
  AttribList projection(t.AK);
  for (const Attributes& a : project.arcTables.getExceptPK(t.T + "Arc"))
    if (projection.size() < 7) projection.pushAttrib(a);

  c.line("ListResult * $P$ :: $T$GetHistList ($params$$comma$$C$ SortNo ) {",
         {{"P", P},
          {"T", t.T},
          {"params", t.K.printInterfaceArgs()},
          {"comma", t.K.isEmpty() ? "" : ", "},
          {"C", TypesPool.findType("Integer", "C")}});
  c.line("  KVCursor cursor(rdb);");
  c.line("  $T$Arc p$T$;", {{"T", t.T}});
  c.line("");
  Str fields("");
  for (const Attributes& a : projection) fields << " << p" << t.T << "->" << a.Id();
  c.line("  cursor.Project()$fields$;", {{"fields", fields}});
  if (!t.K.isEmpty()) {
    Str conditions("");
    for (const Attributes& a : t.K)
      conditions << (conditions.IsEmpty() ? "" : " && ") << "p" << t.T << "->" << a.Id() << "==" << a.Id();
    c.line("  cursor.Set($conditions$);", {{"conditions", conditions}});
  }
  c.line("");
  c.line("  ListResult* r=new ListResult(\"$A$. $history$.\");",
         {{"A", cppLiteralText(t.cls->ClassAlias())}, {"history", trLiteral("History")}});
  for (const Attributes& a : projection) {
    Str title = labelOf(a);
    Str code = valueTypeOf(a);
    c.line("  r->AddColumn(\"$title$\", AC_$code$);", {{"title", cppLiteralText(title)}, {"code", code}});
  }
  c.line("  r->AddFooter();");
  c.line("  r->CopyCursor(cursor);");
  c.line("  r->Sort(SortNo);");
  c.line("  return r;");
  end();
  registerMethod(t, "GetHistList", "ListResult", "View list of record changes (generic)", 40, in, projection);
}

}  // namespace

void InterfaceMethodsGenerator::Generate(bool withPlatformIncludes) {
  Project* project = projectMap.find(project_);
  if (!project) throw Str("The interface of project ") + project_ + " cannot be written: the project is not loaded.";
  std::cout << "i" << project_ << ".{cc,h} " << std::flush;

  LineEmitter c(source_);
  if (withPlatformIncludes) {
    c.line("#include <windef.h>");
    c.line("#include <errno.h>");
    c.line("#include <blobstore.h>");
    c.line("");
  }
  c.line("#include \"i$P$.h\"", {{"P", project_}});
  c.line("");
  c.line("");
  c.line("#include \"impl.cc\"");
  c.line("");
  c.line("");

  StandardMethodsWriter writer(*this, *project, source_);
  TablesMap& tables = project->tables;
  int withObject = 0;
  tables.reset();
  while (tables.next()) {
    TableLists t;
    t.T = tables.getTable();
    auto cls = project->classes.find(t.T);
    t.cls = cls == project->classes.end() ? nullptr : cls->second;
    if (!t.cls || !t.cls->HaveObject() || !project->objects.count(t.T)) continue;
    if (withObject++ % 5 == 0) std::cout << "." << std::flush;
    t.K = tables.getPK();
    t.AK = project->arcTables.getPK(t.T + "Arc");
    t.COLS = *tables.getAttribList();
    if (AttribList* archive = project->arcTables.getAttribList(t.T + "Arc")) t.ACOLS = *archive;
    t.ADD = tables.getUndef("").removeLast();
    t.UPD = tables.getManualUpdate("").removeLast();
    t.GEN = tables.getGenericList("");
    t.hasChildren = !childrenOf(*project, t.T).empty();
    writer.writeClass(t);
  }
  std::cout << " done" << std::endl;
  printHeader(*project);
}

namespace {

// What a null test of a method parameter calls IsNull on: the parameter, or
// for a character-pointer parameter, which has no IsNull of its own, the
// text made of it (a null pointer gives a null text).
Str nullTestOf(const Attributes& a) { return isCharPointer(codeTypeOf(a)) ? "Str(" + a.Id() + ")" : a.Id(); }

}  // namespace

void InterfaceMethodsGenerator::printCheckOnNULL(AttribList columns) {
  LineEmitter c(source_);
  for (const Attributes& a : columns)
    if (a.IsProperty("NOT"))
      c.line("  if($id$.IsNull()) throw Exc(\"$field$\") << Str(\"$name$\") << \"$empty$\";",
             {{"id", nullTestOf(a)},
              {"field", trLiteral("Field ")},
              {"name", cppLiteralText(a.Name())},
              {"empty", trLiteral(" must not be empty. ")}});
}

void InterfaceMethodsGenerator::printCheckOnExist(AttribList columns) {
  Project* project = projectMap.find(project_);
  LineEmitter c(source_);
  for (const AttribList& fk : columns.foreignKeyGroups()) {
    const Attributes& first = *fk.begin();
    const Str& R = first.RefClass();
    if (!project || !project->objects.count(R)) continue;
    auto referenced = project->classes.find(R);
    // A singular class keeps its one row without checkID: nothing to check.
    if (referenced != project->classes.end() && referenced->second && referenced->second->IsSingular()) continue;
    Str alias = referenced == project->classes.end() || !referenced->second ? Str("")
                                                                             : referenced->second->ClassAlias();
    Str nulls("");
    if (!first.IsNotNull())
      for (const Attributes& a : fk) nulls << "!" << nullTestOf(a) << ".IsNull() && ";
    c.line("  if($nulls$ !(o$R$.checkID($args$)) )", {{"nulls", nulls}, {"R", R}, {"args", fk.printArgs()}});
    c.line("    throw Exc(\"$table$\") << Msg(\"$RA$\").what() << \"$lacks$\"$throw$ << \".\";",
           {{"table", trLiteral("Table ")},
            {"RA", cppLiteralText(alias)},
            {"lacks", trLiteral(" doesn't contain row with ID ")},
            {"throw", fk.printIntoThrow()}});
  }
}

void InterfaceMethodsGenerator::printChildrenGetting(Str& out, const Str& cls, AttribList& keys, const Str& arc,
                                                     const Str& win, const Str& indent) {
  Project* project = projectMap.find(project_);
  if (!project) return;
  auto self = project->classes.find(cls);
  ClassDesc* root = self == project->classes.end() || !self->second ? nullptr : self->second->Granny();
  const Str G = root ? root->Id() : cls;
  for (const Str& D : childrenOf(*project, cls)) {
    out << indent << "if( i" << G << "." << G << "Type==is" << D;
    for (const Str& E : project->tables.getDescendanceList(D)) out << " || i" << G << "." << G << "Type==is" << E;
    out << " ){\n";
    // A virtual class has no access class: its own server keeps its columns.
    Str fields = hasAccessClass(*project, D) ? project->tables.getExceptPK(D).removeLast().printIRAppend(D, indent, 0)
                                             : Str("");
    if (!fields.IsEmpty())
      out << indent << "  " << D << arc << "& i" << D << "=o" << D << ".get" << arc << "Entry(" << keys.printArgs()
          << ");\n"
          << fields;
    out << indent << "  r->SetWindowID(\"BrevinSW." << project_ << "." << D << win << "\");\n\n";
    printChildrenGetting(out, D, keys, arc, win, indent + "  ");
    out << "\n" << indent << "}";
  }
}

const std::list<Str>& InterfaceMethodsGenerator::childrenOf(Project& project, const Str& cls) {
  if (!childrenIndexed_) {
    for (const auto& [id, derived] : project.classes)
      if (derived && !derived->Parent().IsEmpty()) children_[derived->Parent()].push_back(id);
    childrenIndexed_ = true;
  }
  static const std::list<Str> none;
  auto found = children_.find(cls);
  return found == children_.end() ? none : found->second;
}
