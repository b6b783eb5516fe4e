#include "servergen/generated_project.h"

#include "model/class_desc.h"
#include "model/process_state.h"

Project& generatedProject(const Str& name) {
  Project* project = projectMap.find(name);
  if (!project) throw Str("The project ") + name + " is not loaded.";
  return *project;
}

std::list<Str> objectTables(Project& project) {
  std::list<Str> tables;
  project.tables.reset();
  while (project.tables.next()) {
    auto found = project.classes.find(project.tables.getTable());
    if (found != project.classes.end() && found->second && found->second->HaveObject())
      tables.push_back(project.tables.getTable());
  }
  return tables;
}
