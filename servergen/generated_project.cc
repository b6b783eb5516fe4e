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
    if (hasAccessClass(project, project.tables.getTable())) tables.push_back(project.tables.getTable());
  }
  return tables;
}

bool hasAccessClass(const Project& project, const Str& name) {
  auto cls = project.classes.find(name);
  return project.objects.count(name) && cls != project.classes.end() && cls->second && cls->second->HaveObject();
}
