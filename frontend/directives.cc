#include "frontend/directives.h"

#include <cstdio>

#include <sys/stat.h>

#include "frontend/include_stack.h"
#include "frontend/lexer.h"
#include "model/process_state.h"
#include "model/project.h"

namespace {

// The path under which a file named by the current project is opened: the
// name itself when absolute, else below the current project's directory.
Str pathOf(const Str& name) {
  if (name.startsWith("/") || CP->dir.IsEmpty()) return name;
  return CP->dir + "/" + name;
}

// Opens a file for reading; a directory, which would read as an empty file,
// is refused.
std::FILE* openForReading(const Str& path) {
  std::FILE* file = std::fopen(path.str(), "r");
  struct stat status;
  if (file && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

// A file that is being read already would bring itself in again and again.
void reportCycle(const Str& path) { yyerror(Str("Cyclic inclusion of file ") + path); }

}  // namespace

bool includeProject(const char* file, int relation) {
  Str name(file);
  if (isBeingRead(pathOf(name))) {
    reportCycle(pathOf(name));
    return false;
  }
  ++Level;
  Str stem = projectNameOf(name);
  CP->related.emplace_back(stem, relation == 0 ? "include" : "parent");
  auto known = projectOut.find(stem);
  if (known == projectOut.end())
    projectOut[stem] = Level;
  else if (known->second < Level)
    known->second = Level;
  projectOutTree[stem];  // an empty entry when the project has none yet
  projectOutTree[CP->name][stem] = 1;
  pushCurrentInput();
  CP->AddNewProject(name, CP->dir);
  nestedProjects().push_back(CP);
  setLineNumber(1);
  CP->relation = relation;
  return true;
}

bool embedFile(const char* file, bool recordInMain) {
  Str name(file);
  Str path = pathOf(name);
  std::FILE* input = openForReading(path);
  if (!input) {
    yyerror(Str("Cannot open type file ") + path + ". ");
    return false;
  }
  if (isBeingRead(input)) {
    std::fclose(input);
    reportCycle(path);
    return false;
  }
  pushCurrentInput();
  if (recordInMain && Level == 0) mainProjectFiles.push_back(name);
  CP->input = input;
  CP->fileName = name;
  setLineNumber(1);
  return true;
}
