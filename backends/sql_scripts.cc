// SQL script steps of the four dialects. The dialect generators are not
// built: each step expands the model, creates its script files (empty) and
// prints its progress lines.
#include <iostream>

#include "model/process_state.h"
#include "model/project.h"
#include "rt/output_file.h"

namespace {

void writeScripts(Project& project, bool checkOnly) {
  project.unwrapAll(false);
  if (checkOnly) return;
  std::cout << "unwrapping done" << std::endl;
  for (const char* path : {".sql/table.sql", ".sql/trigger.sql", ".sql/loader.ctl"}) OutputFile(path).close();
  std::cout << "table.sql & trigger.sql done" << std::endl;
}

void writeLocaleScripts(bool checkOnly) {
  if (checkOnly) return;
  for (const Str& code : listLocales) {
    Str path = Str(".sql/locale-") + code + ".sql";
    OutputFile(path).close();
    std::cout << path << " done" << std::endl;
  }
}

}  // namespace

int Project::generateSQL(bool checkOnly) {
  writeScripts(*this, checkOnly);
  return 1;
}

int Project::generatePostgres(bool checkOnly) {
  writeScripts(*this, checkOnly);
  return 1;
}

int Project::generateMySQL(bool checkOnly) {
  writeScripts(*this, checkOnly);
  writeLocaleScripts(checkOnly);
  return 1;
}

int Project::generateMSSQL(bool checkOnly) {
  writeScripts(*this, checkOnly);
  writeLocaleScripts(checkOnly);
  return 1;
}
