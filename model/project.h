#pragma once
// Project: one description file and the model the parser builds from it.
// ProjectMap: the registry of every project of the run by name.
#include <cstdint>
#include <cstdio>
#include <list>
#include <map>
#include <set>
#include <utility>

#include "expand/access_model.h"
#include "expand/tables_map.h"
#include "model/methods_map.h"
#include "rt/str.h"
#include "windows/windows_map.h"

class Attributes;
class ClassDesc;
class ObjectDesc;

class Project {
public:
  Project(const std::map<Str, int>& opts, const Str& file, Project* parent);
  ~Project() = default;
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  Project* Parent() const { return parent; }
  // Creates the nested project of `file` (relative to `dir` unless absolute)
  // with this project as parent, and makes it the current project.
  void AddNewProject(const Str& file, const Str& dir);
  // Runs the chosen steps in check-only mode on a nested project at the end of
  // its file; answers the parent project.
  Project* complete();
  std::list<ClassDesc*> findChildClasses(const Str& id) const;
  std::uint32_t getHashCode() const;

  // Model expansion, run at the start of every generation step; true leaves
  // the audit columns out of the tables.
  void unwrapAll(bool noAudit);

  // Database, XML, WSDL and documentation steps.
  int generateSQL(bool checkOnly);
  int generatePostgres(bool checkOnly);
  int generateMySQL(bool checkOnly);
  int generateMSSQL(bool checkOnly);
  int generateZDB(bool checkOnly);
  int converToXML(bool checkOnly);
  int generateXMLtoReportGen(bool checkOnly);
  int printDOC(const Str& targetDir);
  int generateWSDL(bool checkOnly);

  // Window construction and window writers.
  void prepareUIL(bool noStd, bool web);
  void generateUIL(bool noStd, bool unused, bool web);
  void printUIL();
  void printXML();

  // Application-server and access-control steps.
  void generateCppSources(bool checkOnly);
  void generateEMPTY(bool checkOnly);
  void generateAutomakeFile();
  void generateQPX_DBWrapper();
  void generateRPCWrapper();
  // Writes the access-control file <name>.sdb from the merged access models
  // of this project and the projects it brings in by `parent`; checkOnly
  // merges and writes nothing.
  void printAMT(bool checkOnly);
  // Adds this project's rights to `matrix` under the object `objName`.
  void fillAccessGroups(const Str& objName, AccessMatrix& matrix);

  static std::map<Str, int> options;  // the option map used by complete()

  Project* parent;
  std::FILE* input;    // file the lexer reads now
  std::FILE* opened;   // file the constructor opened
  std::FILE* ownFile;  // the project's own file; its end ends the project
  int line;            // current line of the current input
  Str fileName;        // file read now (for error positions)
  std::map<Str, ClassDesc*> classes;
  std::map<Str, ObjectDesc*> objects;
  std::map<Str, int> groups;  // access group name -> number
  AccessList accessList;
  RefsList refsList;
  TablesMap tables;
  TablesMap arcTables;
  MethodsMap methods;
  WindowsMap windows;
  // What an expansion changed in the class model, so that a later expansion
  // of the same run neither redoes it nor mistakes it for declared model.
  std::set<const Attributes*> auditColumns;        // UserArc and DateArc added by the expansion
  std::set<const Attributes*> retypedViewColumns;  // SQL-view columns already retyped
  bool expanded = false;                           // unwrapAll has run at least once
  Str name;      // file name without directory, cut before its first "."
  Str dir;       // directory of the file; "." when it has none
  int relation;  // 0 brought in by include, 1 by parent
  std::list<std::pair<Str, Str>> related;  // (file stem, "include" or "parent")
};

// The directory of a description path: everything before its last "/"; "."
// when it has none.
Str projectDirOf(const Str& path);
// The project name of a description path: its last component, cut before its first ".".
Str projectNameOf(const Str& path);

class ProjectMap : public std::map<Str, Project*> {
public:
  Project* find(const Str& name) const;
  ClassDesc* findClass(const Str& project, const Str& classId) const;
  std::list<Project*> getFamilyList(Project* root) const;
};
