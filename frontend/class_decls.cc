#include "frontend/class_decls.h"

#include <map>
#include <string>
#include <vector>

#include "frontend/lexer.h"
#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"

ClassDesc* currentClass = nullptr;
Str refProject;
Str refAlias;

namespace {

// Whether the class being declared existed before its header: a class
// reopened inside a patch section.
bool classReopened = false;

// The family root of every derived class declared so far. A class derived
// from a derived class takes its base's root from here, so a long chain of
// derivations is not walked again for each new link.
std::map<const ClassDesc*, const ClassDesc*> familyRoots;

// Never destroyed, so the records stay reachable while the process exits.
std::vector<ClassDesc*>& keptClasses() {
  static auto* classes = new std::vector<ClassDesc*>;
  return *classes;
}
std::vector<ObjectDesc*>& keptObjects() {
  static auto* objects = new std::vector<ObjectDesc*>;
  return *objects;
}

// A class named like its project would give generated files that differ
// from the project's only in letter case.
void checkProjectName(const char* id) {
  if (Str(id).toUpper() == CP->name.toUpper())
    throw tr("Class ") + id + tr(" in the Project ") + CP->name + tr(" match in ") + "Windows";
}

void enter(ClassDesc* cls) {
  currentClass = keepForRun(cls);
  CP->classes[cls->Id()] = cls;
  classReopened = false;
}

// The root of the family of `cls`: the Parent links followed through the
// current project's classes.
const ClassDesc* rootOf(const ClassDesc* cls) {
  auto known = familyRoots.find(cls);
  if (known != familyRoots.end()) return known->second;
  for (std::size_t steps = 0; steps <= CP->classes.size() && !cls->Parent().IsEmpty(); ++steps) {
    auto parent = CP->classes.find(cls->Parent());
    if (parent == CP->classes.end() || !parent->second) break;
    cls = parent->second;
  }
  return cls;
}

// The enumeration type whose items tell the classes of a family apart.
void registerFamilyType(const ClassDesc* root) {
  Str type = Str("TYPE_") + root->Id();
  TypesPool.CopyType(type, "Integer");
  TypesPool.AddType(type, "Name", tr("Type"));
  TypesPool.setProject(type, CP->name);
}

}  // namespace

int beginClass(const char* id) {
  checkProjectName(id);
  auto existing = CP->classes.find(Str(id));
  if (existing != CP->classes.end() && existing->second) {
    if (patchName.IsEmpty()) return classAlreadyDeclared(id);
    currentClass = existing->second;
    classReopened = true;
    return 0;
  }
  enter(new ClassDesc(Str(id), 0, refProject));
  return 0;
}

int beginDerivedClass(const char* id, const char* base) {
  checkProjectName(id);
  if (CP->classes.count(Str(id))) return classAlreadyDeclared(id);
  auto baseClass = CP->classes.find(Str(base));
  if (baseClass == CP->classes.end() || !baseClass->second) {
    yyerror(tr("Class ") + base + tr(" not declared"));
    return 3;
  }
  const ClassDesc* root = rootOf(baseClass->second);
  registerFamilyType(root);
  enter(new ClassDesc(id, *baseClass->second));
  familyRoots[currentClass] = root;
  currentClass->beInFamily();
  baseClass->second->beInFamily();
  return 0;
}

int beginSingularClass(const char* id) {
  if (CP->classes.count(Str(id))) return classAlreadyDeclared(id);
  enter(new ClassDesc(Str(id), 0x2, refProject));
  return 0;
}

void setClassAliasText(const char* alias) { currentClass->setClassAlias(alias); }

void setWindowPrefix(const char* wid) { currentClass->setWID(wid); }

void setClassIconText(const char* icon) { currentClass->setIcon(icon); }

void endClass(ClassKind kind, const char* comment) {
  refProject = Str("");
  if (kind == ClassKind::Abstract || kind == ClassKind::UnArchAbstract || kind == ClassKind::Virtual)
    currentClass->beVirtual();
  if (kind == ClassKind::UnArchAbstract || kind == ClassKind::UnArch) currentClass->beNoArc();
  if (kind != ClassKind::Virtual && !classReopened) {
    const Str& id = currentClass->Id();
    ObjectDesc*& object = CP->objects[id];
    if (!object) object = keepForRun(new ObjectDesc(id, id));
    currentClass->setObject(1);
  }
  if (comment) currentClass->setComment(commentText(comment));
}

int classAlreadyDeclared(const char* id) {
  yyerror(tr("Class ") + id + tr(" already declared"));
  return 2;
}

const char* localRef(const char* cls) {
  refProject = CP->name;
  return cls;
}

const char* projectRef(const char* project, const char* cls) {
  refProject = Str(project);
  return cls;
}

const char* setRefAlias(const char* cls, const char* alias) {
  refAlias = textOrEmpty(alias);
  return cls;
}

Str textOrEmpty(const char* text) { return Str(text ? text : ""); }

Str commentText(const char* raw) {
  if (!raw) return Str();
  std::string text;
  for (const char* c = raw; *c; ++c) {
    if (*c == '"')
      text += "''";
    else
      text += *c;
  }
  return Str(std::move(text));
}

ClassDesc* keepForRun(ClassDesc* cls) {
  keptClasses().push_back(cls);
  return cls;
}

ObjectDesc* keepForRun(ObjectDesc* object) {
  keptObjects().push_back(object);
  return object;
}

void resetClassDecls() {
  currentClass = nullptr;
  refProject = Str();
  refAlias = Str();
  classReopened = false;
  familyRoots.clear();
}
