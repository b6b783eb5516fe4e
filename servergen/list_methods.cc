// The list method of a view: a method of the server class that opens a
// cursor over the tables behind the view's columns, projects the columns,
// restricts the rows by the joins between the tables, the class's family
// type, the view's conditions and an optional key, and answers the rows as a
// list result. A key-filtered list also takes the columns of one foreign-key
// group of the class as arguments. Each method is registered in the method
// map; the tables it joined are handed back for the archive list.
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "expand/signature_lookups.h"
#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/windows.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/list_method_parts.h"

namespace {

// How an error names a column the list reads: "source.field", or the field
// of the class alone.
Str columnText(const AttrLocator& column) {
  return column.SName.IsEmpty() ? column.FName : column.SName + "." + column.FName;
}

// An inherited part reached by a column of a named table, with the ancestor
// table that holds the column and the named table: (alias, table) -> both.
using JoinMap = std::map<std::pair<Str, Str>, std::pair<TblLocator, TblLocator>>;

class ListMethodWriter {
public:
  ListMethodWriter(std::ostream& out, const Str& P, Project& own, ClassDesc& cls, ViewWindow& view,
                   AttribList& filter, AttribList key)
      : out(out), P(P), own(own), cls(cls), C(cls.Id()), view(view), filter(filter), key(std::move(key)),
        desc(std::make_unique<TableDesc>()) {}

  std::unique_ptr<TableDesc> write(const Str& methodName);

private:
  void addFilterConditions();
  std::optional<Attributes> parameterOf(const Atom& atom);
  void writeHead(const Str& methodName);
  void writeBodyStart();
  void addColumnTables();
  void projectOwnColumn(const Attributes& column);
  void addConditionTables();
  void addTypeTable();
  void joinInheritedParts();
  void writeDeclarations();
  void writeJoins();
  void writeKeyJoins();
  void writeForeignKeyJoins();
  void writeTypeRestriction();
  void writeViewConditions();
  void writeKeyFilterAndClose();
  std::size_t returnedColumnIndex();
  void registerMethod(const Str& methodName);

  // Starts the next condition: the cursor's selection call before the first,
  // `separator` before every later one.
  void nextCondition(const char* separator) {
    conditions << (conditions.IsEmpty() ? "  cursor.Set((" : separator);
  }
  bool hasTable(const Str& alias) const { return desc->tables.count(alias) != 0; }
  void addTable(const Str& alias, const TblLocator& table, const Str& construct, bool replace = false);
  void addTables(const Operand& operand, const Str& construct, bool replace = false) {
    for (const auto& [alias, table] : operand.entries) addTable(alias, table, construct, replace);
  }
  void project(const Str& alias, const Attributes& column) {
    desc->aliases.push_back(alias);
    desc->columns.pushAttrib(column);
    desc->tables[alias].columns.pushAttrib(column);
  }
  // The tables of the project named `name`; the own project's when no
  // project of that name is loaded.
  TablesMap& tablesOf(const Str& name) { return projectOr(name, own).tables; }

  std::ostream& out;
  const Str& P;
  Project& own;
  ClassDesc& cls;
  const Str C;
  ViewWindow& view;
  AttribList& filter;
  AttribList key;  // the column of the key filter, or none
  AtomList atoms;  // the view's conditions, then the filter's
  std::vector<Str> signs;
  AttribList parameters;
  Str subtitles = Str("");
  JoinMap joins;
  Str typeAlias;  // the entry the family type is read in, or none
  Str conditions = Str("");  // the selection as written so far
  std::unique_ptr<TableDesc> desc;
};

std::unique_ptr<TableDesc> ListMethodWriter::write(const Str& methodName) {
  addFilterConditions();
  writeHead(methodName);
  writeBodyStart();
  addColumnTables();
  addConditionTables();
  addTypeTable();
  joinInheritedParts();
  writeDeclarations();
  writeJoins();
  writeTypeRestriction();
  writeViewConditions();
  writeKeyFilterAndClose();
  writeResultColumns(out, view, *desc);
  writeResultTail(out);
  registerMethod(methodName);
  return std::move(desc);
}

// Each filter column becomes an argument named after its referenced column
// and a condition that compares the column with it.
void ListMethodWriter::addFilterConditions() {
  atoms = view.getAtoms();
  signs.assign(view.getSigns().begin(), view.getSigns().end());
  filter.reset();
  while (filter.next()) {
    Attributes& a = filter.getAttrib();
    signs.push_back("&&");
    const Str column = a.Id();
    a.setRefAttr("param" + a.RefAttr());
    a.setId("param" + a.Id());
    if (a.Name().IsEmpty()) a.setName(TypesPool.findType(a.Type(), "Name"));
    atoms.push_back(
        Atom(ColumnStruct("", column, "", "", 0), "==", ColumnStruct(a.Project(), a.RefAttr(), a.RefClass(), "", 0)));
  }
}

// The argument a condition compares with: its right column when that is
// virtual (or the condition is), else the filter column it names; none for
// a condition between table columns.
std::optional<Attributes> ListMethodWriter::parameterOf(const Atom& atom) {
  if (std::optional<Attributes> argument = argumentColumnOf(own, cls, atom)) return argument;
  if (!atom.isAttrib()) return std::nullopt;
  if (const Attributes* filtered = filter.findAttribByRef(atom.getSecondAttr().column().FName)) return *filtered;
  return std::nullopt;
}

void ListMethodWriter::writeHead(const Str& methodName) {
  out << "ListResult * " << P << " :: " << methodName << " ( ";
  std::set<Str> declared;
  for (const Atom& atom : atoms) {
    std::optional<Attributes> parameter = parameterOf(atom);
    if (!parameter || !declared.insert(parameter->Id()).second) continue;
    const Str& F = atom.getSecondAttr().column().FName;
    out << codeTypeOf(*parameter) << " " << F << ", ";
    subtitles << LineEmitter::expand("  r->AddSubtitle(\". $name$ : \");\n",
                                     {{"name", cppLiteralText(parameter->Name())}})
              << LineEmitter::expand("  r->AddSubtitle($F$,AC_$type$);\n", {{"F", F}, {"type", valueTypeOf(*parameter)}});
    parameters.pushAttrib(*parameter);
  }
  Attributes sortNo("SortNo", "Integer", "", "", "Sorting1", "NULL");
  parameters.pushAttrib(sortNo);
  out << codeTypeOf(sortNo) << " SortNo";
  for (const Attributes& k : key) out << ", " << codeTypeOf(k) << " " << k.Id() << "_PK";
  out << " ) {\n";
}

void ListMethodWriter::writeBodyStart() {
  LineEmitter c(out);
  c.line("  ListResult* r=new ListResult(\"$header$\");", {{"header", cppLiteralText(view.Header())}});
  out << subtitles;
  c.line("  KVCursor cursor(rdb);");
}

// The table entry `alias` reads `table`. An entry is added once; `replace`
// lets a view column name the entry's table again. `construct` names what
// the list reads there: a list cannot read a class that has no table (a
// virtual class without object), nor two tables under one alias.
void ListMethodWriter::addTable(const Str& alias, const TblLocator& table, const Str& construct, bool replace) {
  auto it = desc->tables.find(alias);
  if (it != desc->tables.end()) {
    if (it->second.table.table != table.table)
      throw schemgenAt(1880) + tr(" In window ") + view.Id() + tr(" of Class ") + C + ": " + construct +
          " is read through p" + alias + ", which reads the table " + it->second.table.table + " already.";
    if (replace) it->second.table = table;
    return;
  }
  const ClassDesc* reached = classIn(projectOr(table.project, own), table.table);
  if (reached && hasNoTable(*reached))
    throw schemgenAt(1890) + tr(" In window ") + view.Id() + tr(" of Class ") + C + ": " + construct +
        " is read from class " + table.table + ", a virtual class without object, which has no table.";
  desc->tables[alias].table = table;
}

// The tables the view's columns come from, each column projected under the
// alias of the table that holds it.
void ListMethodWriter::addColumnTables() {
  for (AttrLocator* L = view.GetFirstColumn(); L; L = view.GetNextColumn()) {
    const Str& F = L->FName;
    const Str& S = L->SName;
    const Str construct = columnText(*L);
    if (S.IsEmpty()) {
      AttribList generic = own.tables.getGenericList(C);
      const Attributes* column = generic.findAttrib(F);
      if (!column)
        throw schemgenAt(1871) + tr(" In window ") + view.Id() + tr(" of Class ") + C + tr(" wrong attribute") + F;
      projectOwnColumn(*column);
      continue;
    }
    const Attributes* reference = cls.GetAttribute(S);
    if (reference && reference->Id() != reference->Type() &&
        tablesOf(reference->Project()).haveTable(reference->Type())) {
      // A key column of a class without table is the value the reference
      // stores in the class's own table.
      if (std::optional<Attributes> stored = storedKeyOf(own, cls, *reference, F)) {
        projectOwnColumn(*stored);
        continue;
      }
      Attributes column;
      std::optional<Operand> through = referenceColumnOf(own, *reference, F, &column);
      if (!through) throw unresolvedDetails(1925, view, reference->Type(), F);
      addTables(*through, construct, true);
      project(through->alias, column);
      continue;
    }
    Project& home = projectOr(reference ? reference->Project() : L->PName, own);
    AttribList generic = home.tables.getGenericList(S);
    const Attributes* column = generic.findAttrib(F);
    if (!column) throw unresolvedDetails(1925, view, S, F);
    const Str owner = readHolderOf(home, S, column->CurClass(), F);
    const Str alias = owner == S ? owner : S + owner;
    addTable(alias, TblLocator(home.name, owner), construct, true);
    if (owner != S) {
      addTable(S, TblLocator(home.name, S), construct, true);
      joins[{alias, S}] = {TblLocator(home.name, owner), TblLocator(home.name, S)};
    }
    project(alias, *column);
  }
}

// A column of the class's own generic list, read in the table that holds
// it; a key column that the class's table repeats brings that table too.
void ListMethodWriter::projectOwnColumn(const Attributes& column) {
  const Str& F = column.Id();
  const Str owner = readHolderOf(own, C, column.CurClass(), F);
  addTable(owner, TblLocator("", owner), F, true);
  const Attributes* inOwnTable = tableColumn(own, C, F);
  if (inOwnTable && inOwnTable->CurClass() != owner)
    addTable(inOwnTable->CurClass(), TblLocator("", inOwnTable->CurClass()), F, true);
  project(owner, column);
}

// The tables the conditions reach beyond the columns'.
void ListMethodWriter::addConditionTables() {
  for (const Atom& atom : atoms) {
    addTables(leftOperandOf(own, cls, view, atom), columnText(atom.getFirstAttr().column()));
    if (!atom.isAttrib() || atom.isVirtual()) continue;
    const AttrLocator& right = atom.getSecondAttr().column();
    if (filter.findAttribByRef(right.FName) || (right.SName.IsEmpty() && parameterOf(atom))) continue;
    addTables(rightOperandOf(own, cls, view, atom), columnText(right));
  }
}

// A class whose columns all come from its ancestors' tables is restricted
// to the rows of its own type: the type column is read in the first
// ancestor's entry, or in the part of it that holds the column; where no
// table here holds it, the class's own table is joined instead.
void ListMethodWriter::addTypeTable() {
  if (hasTable(C) || cls.Parent().IsEmpty()) return;
  for (const auto& [alias, entry] : desc->tables) {
    if (!cls.HaveParent(entry.table.table)) continue;
    const Str type = cls.Top()->Id() + "Type";
    const Str holder = holderOf(projectOr(entry.table.project, own), entry.table.table, type);
    const ClassDesc* root = classIn(projectOr(entry.table.project, own), holder);
    if (root && hasNoTable(*root)) {
      // The family's root is kept by another server, and with it the type
      // column: the rows of the class's own table are the rows of its type.
      addTable(C, TblLocator("", C), type);
      return;
    }
    typeAlias = partAlias(alias, entry.table.table, holder);
    addTable(typeAlias, TblLocator(entry.table.project, holder), type);
    return;
  }
}

// The parts of a family's table that a list reads are joined part by part
// along their keys: a part between two parts read is read too.
void ListMethodWriter::joinInheritedParts() {
  if (view.isManualSelection()) return;
  std::vector<std::pair<Str, TblLocator>> between;
  for (const auto& [alias, entry] : desc->tables) {
    Project& home = projectOr(entry.table.project, own);
    const Str& table = entry.table.table;
    std::vector<Str> skipped;
    std::set<Str> seen{table};
    ClassDesc* part = classIn(home, table);
    for (part = part ? classIn(home, part->Parent()) : nullptr; part && seen.insert(part->Id()).second;
         part = classIn(home, part->Parent())) {
      auto reads = [&](const Str& name) {
        auto it = desc->tables.find(name);
        return it != desc->tables.end() && it->second.table.table == part->Id();
      };
      const bool prefixed = reads(alias + part->Id());
      if (prefixed || (alias == table && reads(part->Id()))) {
        for (const Str& id : skipped)
          between.push_back({prefixed ? alias + id : id, TblLocator(entry.table.project, id)});
        break;
      }
      skipped.push_back(part->Id());
    }
  }
  for (const auto& [alias, table] : between) addTable(alias, table, table.table);
}

void ListMethodWriter::writeDeclarations() {
  LineEmitter c(out);
  for (const auto& [alias, entry] : desc->tables) c.line("  $T$ p$alias$;", {{"T", entry.table.table}, {"alias", alias}});
  c.line("");
  writeProjection(out, *desc);
}

void ListMethodWriter::writeJoins() {
  if (view.isManualSelection())
    writeKeyJoins();
  else
    writeForeignKeyJoins();
}

// Under manual selection only the inherited parts of named tables are joined
// to their tables, key column by key column.
void ListMethodWriter::writeKeyJoins() {
  for (const auto& [part, tables] : joins) {
    const auto& [alias, table] = part;
    const TblLocator& ancestor = tables.first;
    const TblLocator& named = tables.second;
    AttribList namedKey = tablesOf(named.project).getPK(named.table);
    for (const Attributes& k : tablesOf(ancestor.project).getPK(ancestor.table))
      for (const Attributes& n : namedKey)
        if (n.Id() == k.Id()) {
          nextCondition(" ) && ( ");
          conditions << "p" << alias << "->" << k.Id() << "==p" << table << "->" << k.Id();
        }
  }
}

// Every table is joined to the tables its foreign keys point to.
void ListMethodWriter::writeForeignKeyJoins() {
  for (const ForeignKeyJoin& join : foreignKeyJoins(own, *desc)) {
    nextCondition(" && ");
    conditions << "p" << join.alias << "->" << join.column.Id() << "==p" << join.target << "->"
               << join.column.RefAttr();
  }
}

// A class whose columns all come from other tables reads the rows of its
// family's root table that are of its own type.
void ListMethodWriter::writeTypeRestriction() {
  if (typeAlias.IsEmpty()) return;
  const Str T = cls.Top()->Id();
  int value = TypesPool.getEnumValueIfAny("TYPE_" + T, "is" + C);
  if (value < 0) throw Str("Enum ") + tr("not defined. ");
  nextCondition(" && ");
  conditions << "p" << typeAlias << "->" << T << "Type==" << value;
}

// The view's conditions, then the filter's. When the view's own conditions
// hold an alternative, they are grouped, so that the filter restricts every
// row they select and not only the last alternative's.
void ListMethodWriter::writeViewConditions() {
  const std::size_t viewAtoms = view.getAtoms().size();
  bool group = !filter.isEmpty() && viewAtoms > 1;
  if (group) {
    group = false;
    for (std::size_t k = 0; k + 1 < viewAtoms && k < signs.size(); ++k) group = group || signs[k] == "||";
  }
  std::size_t k = 0;
  for (const Atom& atom : atoms) {
    if (k == 0)
      nextCondition(" ) && ( ");
    else
      conditions << " " << (k - 1 < signs.size() ? signs[k - 1] : Str("")) << " ";
    if (group && k == 0) conditions << "(";
    const Operand left = leftOperandOf(own, cls, view, atom);
    conditions << "p" << left.alias << "->" << left.field;
    if (atom.isLiteral() && atom.getLiteral() == "NULL") {
      conditions << (atom.getSign() == "!=" ? ".IsNotNull()" : ".IsNull()");
    } else {
      conditions << atom.getSign();
      if (atom.isLiteral()) {
        conditions << "\"" << cppLiteralText(atom.getLiteral()) << "\"";
      } else if (atom.isGlobal()) {
        conditions << atom.getGlobal();
      } else {
        if (parameterOf(atom)) {
          conditions << atom.getSecondAttr().column().FName;
        } else {
          const Operand right = rightOperandOf(own, cls, view, atom);
          conditions << (atom.isOJ() ? "++" : "") << "p" << right.alias << "->" << right.field;
        }
      }
    }
    if (group && k + 1 == viewAtoms) conditions << ")";
    ++k;
  }
}

// The optional key: a null key value selects every row. The key is compared
// with the column the view returns, which need not be its first.
void ListMethodWriter::writeKeyFilterAndClose() {
  if (!key.isEmpty()) {
    if (desc->columns.isEmpty())
      throw Str("The list of window ") + view.Id() + " of class " + C + " has no column to compare its key with.";
    const Str K = key.begin()->Id();
    // A character-pointer argument has no null test of its own.
    const Str nullTest = isCharPointer(codeTypeOf(*key.begin())) ? "Str(" + K + "_PK)" : K + "_PK";
    const std::size_t returned = returnedColumnIndex();
    const Str X = "p" + *std::next(desc->aliases.begin(), returned) + "->" +
        std::next(desc->columns.begin(), returned)->Id();
    if (conditions.IsEmpty())
      out << "  cursor.Set((" << nullTest << ".IsNull()) ? KVComparison(Str(\"1=1\")) : " << X << "==" << K << "_PK);";
    else
      conditions << ") && ( ((" << nullTest << ".IsNull()) ? KVComparison() : " << X << "==" << K << "_PK)";
  }
  if (!conditions.IsEmpty()) out << conditions << "));\n";
  out << "\n";
}

// The position of the view's first returned column among its columns (and
// so among the projected columns, one per view column); the first column
// when the view returns none of them.
std::size_t ListMethodWriter::returnedColumnIndex() {
  const AttrLocator* returned = view.GetFirstOutputArg();
  std::size_t i = 0;
  for (AttrLocator* L = view.GetFirstColumn(); L && returned; L = view.GetNextColumn(), ++i)
    if (*L == *returned) return i < static_cast<std::size_t>(desc->columns.size()) ? i : 0;
  return 0;
}

void ListMethodWriter::registerMethod(const Str& methodName) {
  own.methods.updateMethodList(C, methodName, "ListResult", view.Header(), 40, parameters, desc->columns, key);
}

}  // namespace

std::unique_ptr<TableDesc> InterfaceMethodsGenerator::GenerateListMethod(ClassDesc* cls, ViewWindow* view,
                                                                         AttribList& filter) {
  Project& own = ownProjectOf(*cls);
  Str base("");
  view->SIReset();
  if (view->SINext()) base = view->SICStandardInput();
  if (own.methods.findByName(cls->Id() + " :: " + base)) return nullptr;
  const Str name = listMethodName(cls->Id(), base, filter);
  ListMethodWriter writer(source_, project_, own, *cls, *view, filter, findTablePK(cls, view));
  std::unique_ptr<TableDesc> desc = writer.write(name);
  noteTableProjects(own, *desc);
  return desc;
}

// The project of every table entry: the one it names, else the class's own;
// a condition on a column of another project's class names none, and its
// table is then found in the first loaded project that has it.
void InterfaceMethodsGenerator::noteTableProjects(Project& own, const TableDesc& desc) {
  for (const auto& [alias, entry] : desc.tables) {
    Project* home = &projectOr(entry.table.project, own);
    for (auto it = projectMap.begin(); !home->tables.haveTable(entry.table.table) && it != projectMap.end(); ++it)
      if (it->second->tables.haveTable(entry.table.table)) home = it->second;
    tableProjects_.insert(home->name);
  }
}

AttribList InterfaceMethodsGenerator::findTablePK(ClassDesc* cls, ViewWindow* view) {
  AttribList result;
  const AttrLocator* out = view->GetFirstOutputArg();
  if (!out) return result;
  Project& own = ownProjectOf(*cls);
  if (out->SName.IsEmpty()) {
    AttribList generic = own.tables.getFullGenericList(cls->Id());
    if (const Attributes* column = generic.findAttrib(out->FName)) result.pushAttrib(*column);
    return result;
  }
  Project& home = projectOr(out->PName, own);
  const Attributes* reference = cls->GetAttribute(out->SName);
  // A reference column reads the table in the project of the referenced
  // class, as the list's own column does; the returned column's project
  // holds no table of a class that another project declares.
  Project& typeHome = reference ? projectOr(reference->Project(), home) : home;
  const bool throughReference = reference && typeHome.tables.haveTable(reference->Type()) &&
      reference->Id() != reference->Type();
  const Str table = throughReference ? reference->Type() : out->SName;
  AttribList* columns = (throughReference ? typeHome : home).tables.getAttribList(table);
  if (!columns) throw unresolvedDetails(1925, *view, table, out->FName);
  if (const Attributes* column = columns->findAttrib(out->FName)) result.pushAttrib(*column);
  return result;
}
