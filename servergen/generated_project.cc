#include "servergen/generated_project.h"

#include "model/process_state.h"

Project& generatedProject(const Str& name) {
  Project* project = projectMap.find(name);
  if (!project) throw Str("The project ") + name + " is not loaded.";
  return *project;
}
