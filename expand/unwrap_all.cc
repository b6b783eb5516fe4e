// The expansion of a project's class model into the relational model the
// generators write from. It runs at the start of every generation step, on
// the same model each time, in nine phases, each over the whole project:
//   1. parent-key column at the front of every subclass;
//   2. audit columns UserArc and DateArc on every class with an object;
//   3. family enumeration TYPE_<Top> and the family type column <Top>Type;
//   4. tables and archive tables: numbered plain columns, foreign-key
//      columns for references, SQL-view columns retyped; a table that
//      becomes a domain class must hold each column name once;
//   5-8. method and view signatures (signature_phases.h);
//   9. complete column lists kept as the tables' full lists, virtual columns
//      taken out of the tables.
// Phases 1 to 3 add to the classes only what is not there yet, so repeating
// the expansion leaves the class model as the first run made it; phase 4
// refills the tables from scratch; phase 9 appends to the full lists.
#include <iostream>

#include "expand/signature_lookups.h"
#include "expand/signature_phases.h"
#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"

namespace {

// The properties a plain column takes over from its attribute.
const char* const columnProperties[] = {"PK",    "SK",   "AUTO_INCREMENT", "HIDE", "NOTAB",
                                        "INDEX", "UNIQUE", "FLAG",         "NOT",  "NULL"};

void dot() { std::cout << '.' << std::flush; }

// The top of the family of `cls`, following Parent through the project's own
// classes. The walk is bounded so that a looping chain cannot hang it.
ClassDesc* topOf(Project& project, ClassDesc* cls) {
  for (std::size_t steps = 0; steps < project.classes.size() && !cls->Parent().IsEmpty(); ++steps) {
    ClassDesc* parent = classIn(project, cls->Parent());
    if (!parent) break;
    cls = parent;
  }
  return cls;
}

// Phase 1. The parent-key column is typed by the parent class, so the tables
// expand it into the parent's key: a subclass table shares its parent's key.
void addParentKeys(Project& project) {
  for (auto& [id, cls] : project.classes) {
    if (!cls || cls->Parent().IsEmpty()) continue;
    ClassDesc* parent = classIn(project, cls->Parent());
    Str alias = parent ? parent->ClassAlias() : Str("");
    cls->AddAttribute(Attributes(cls->Parent(), cls->Parent(), project.name, id, alias, "PK", "Slave"), 1);
  }
}

// Phase 2, one column. A class that declares the column itself keeps its
// own; the added ones are remembered so a run without audit columns can
// leave them out of its tables.
void addAuditColumn(Project& project, ClassDesc& cls, const char* id, const char* type, const char* label,
                    const char* global) {
  if (cls.AttribName(id, nullptr)) return;
  Attributes column(id, type, project.name, cls.Id(), tr(label));
  column.setDefs(global, 2, global, 2);
  cls.AddAttribute(column, 0);
  project.auditColumns.insert(cls.GetAttribute(id));
}

void addAuditColumns(Project& project) {
  for (auto& [id, cls] : project.classes) {
    if (!cls || !cls->HaveObject()) continue;
    addAuditColumn(project, *cls, "UserArc", "UserID", "User ID", "GUserID");
    addAuditColumn(project, *cls, "DateArc", "Date", "Registration Time", "GUserTime");
  }
}

// Phase 3. Codes are handed out in the order the values first occur: classes
// in key order, each parent before its child.
void fillFamilyTypes(Project& project) {
  for (auto& [id, cls] : project.classes) {
    if (!cls || cls->Parent().IsEmpty()) continue;
    ClassDesc* parent = classIn(project, cls->Parent());
    if (!parent) continue;
    ClassDesc* top = topOf(project, parent);
    Str type = Str("TYPE_") + top->Id();
    TypesPool.AddInit(type, Str("is") + parent->Id(), parent->ClassAlias(), -1);
    TypesPool.AddInit(type, Str("is") + id, cls->ClassAlias(), -1);
    Str column = top->Id() + "Type";
    if (!top->AttribName(column, nullptr))
      top->AddAttribute(Attributes(column, type, project.name, top->Id(), tr("Type"), "FLAG"), 0);
  }
}

// Phase 4: a column copied from an attribute of a registered type. Only the
// parts a table needs are copied; references and the "FK", "Slave" and "GK"
// marks stay on the class.
Attributes plainColumn(const Attributes& a, const Project& project, const Str& cls, int number) {
  Attributes column(a.Id(), a.Type(), project.name, cls, a.Name());
  for (const char* word : columnProperties)
    if (a.IsProperty(word)) column.addProperty(word);
  if (isHiddenKey(a)) column.addProperty("HIDE");
  if (a.IsVirtual()) column.SetVirtual();
  takeDefaultsAndNotes(column, a);
  column.setGroup(a.Group());
  column.setNumber(number);
  return column;
}

// A column of an SQL view takes the type of the attribute it shows; a column
// that shows a whole class becomes a reference to it (typed by its name, with
// no id of its own). The change is made once: a later expansion must not
// take the emptied id for a name to look up.
void retypeViewColumn(Project& project, Attributes& a) {
  if (!project.retypedViewColumns.insert(&a).second) return;
  ClassDesc* source = projectMap.findClass(a.Project(), a.RefClass());
  if (!source) return;
  AttribList shown = source->getFullAttribList();
  if (const Attributes* same = shown.findAttrib(a.Id())) {
    a.setType(same->Type());
  } else {
    a.setType(a.Id());
    a.setId("");
  }
}

Str undefinedClass(const Attributes& a) {
  return unwrapperAt(124) + "The class " + a.Project() + "::" + a.Type() + " isn't defined\n";
}

// Phase 4 for one class. The column number counts one per plain column and
// one per key column of a reference; all key columns of one reference share
// the number of the first, which is how readers regroup them.
void buildTables(Project& project, const Str& id, ClassDesc& cls, bool noAudit) {
  project.tables.addTable(id);
  // The archive table is all or nothing: a class whose key is missing from
  // the objects gets no archive columns at all, not only its foreign keys.
  bool archived = project.objects.count(id) && cls.HaveObject();
  Str archive = id + "Arc";
  if (archived) project.arcTables.addTable(archive);
  int number = 1;
  for (const Str* name = cls.GetFirstAttrName(); name && !name->IsEmpty(); name = cls.GetNextAttrName()) {
    Attributes& a = *cls.GetAttribute(*name);
    if (cls.IsSQLView()) retypeViewColumn(project, a);
    if (noAudit && project.auditColumns.count(&a)) continue;
    if (isBaseType(a.Type())) {
      Attributes column = plainColumn(a, project, id, number++);
      project.tables.addAttrib(id, column);
      if (archived) {
        if (column.Id() == "UserArc" || column.Id() == "DateArc") column.addProperty("PK");
        project.arcTables.addAttrib(archive, column);
      }
      continue;
    }
    ClassDesc* referenced = projectMap.findClass(a.Project(), a.Type());
    if (!referenced) throw undefinedClass(a);
    AttribList key = referenced->getPK();
    if (a.Name().IsEmpty()) a.setName(referenced->ClassAlias());
    key.reset();
    while (key.next()) key.getAttrib().setNumber(number);
    // The archive keeps the reference as declared; "FK" marks the class's own
    // attribute, and an earlier expansion has set it already.
    Attributes archiveCopy = a;
    archiveCopy.removeProperty("FK");
    a.addProperty("FK");
    project.tables.addFKList(id, a, key);
    if (archived) project.arcTables.addFKList(archive, archiveCopy, key);
    number += key.size();
  }
}

// The tables that become domain classes hold each column name once: those of
// the classes with an object and of the SQL views. A name twice comes from a
// key that a reference or a view column expands to.
void requireDistinctColumns(Project& project) {
  for (auto& [id, cls] : project.classes) {
    if (!cls || !(cls->HaveObject() || cls->IsSQLView())) continue;
    AttribList* table = project.tables.getAttribList(id);
    const Attributes* twice = table ? repeatedColumn(*table, true) : nullptr;
    if (!twice) continue;
    if (cls->IsSQLView())
      throw "In class " + cls->getViewDBClass() + " the view " + id + " has two columns named " + twice->Id() +
          "; drop one of them.";
    throw "In class " + id + " two columns are named " + twice->Id() +
        "; rename the attribute or reference that gives one of them.";
  }
}

// Phases 5 to 8, each followed by its progress dot; phase 5 also prints one
// before every fifth class, counting from the first.
void signMethodsAndViews(Project& project) {
  int counted = 0;
  for (auto& [id, cls] : project.classes) {
    if (counted++ % 5 == 0) dot();
    if (cls) signClassMethods(project, *cls);
  }
  dot();
  linkDispatchers(project);
  dot();
  addStandardInputs(project);
  dot();
  rewriteViewSelects(project);
  dot();
}

// Phase 9. The full lists keep every column, the tables the stored ones.
void recordFullLists(TablesMap& tables) {
  tables.reset();
  while (tables.next()) {
    AttribList* columns = tables.getAttribList();
    tables.addVirtList(tables.getTable(), columns);
    columns->throwVirtuals();
  }
}

}  // namespace

void Project::unwrapAll(bool noAudit) {
  std::cout << "unwrapping ." << std::flush;
  addParentKeys(*this);
  if (!noAudit) addAuditColumns(*this);
  fillFamilyTypes(*this);
  for (auto& [id, cls] : classes)
    if (cls) buildTables(*this, id, *cls, noAudit);
  requireDistinctColumns(*this);
  // The tables are complete: signing reads the generic lists over and over,
  // and so do the generators once the virtual columns have been set apart.
  tables.rememberGenericLists();
  signMethodsAndViews(*this);
  recordFullLists(tables);
  recordFullLists(arcTables);
  expanded = true;
  tables.rememberGenericLists();
  std::cout << ". done" << std::endl;
}
