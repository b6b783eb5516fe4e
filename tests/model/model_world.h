#pragma once
// A tiny model for the record tests: the process-wide state reset, projects
// made from empty description files in a fresh temporary directory, and the
// classes they hold freed at the end.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"

class ModelWorld {
public:
  ModelWorld() {
    resetProcessState();
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvic-model-XXXXXX").string();
    if (mkdtemp(pattern.data())) dir = pattern;
  }
  ~ModelWorld() {
    for (Project* project : projects) {
      for (auto& [id, cls] : project->classes) delete cls;
      for (auto& [id, object] : project->objects) delete object;
      std::fclose(project->opened);
      delete project;
    }
    resetProcessState();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
  ModelWorld(const ModelWorld&) = delete;
  ModelWorld& operator=(const ModelWorld&) = delete;

  // A project named `name`; it becomes the current project. Its trace line
  // is kept off the test output.
  Project* project(const std::string& name) {
    std::filesystem::path file = dir / (name + ".tsk");
    std::ofstream{file};
    std::ostringstream trace;
    std::streambuf* saved = std::cout.rdbuf(trace.rdbuf());
    Project* made = new Project({}, Str(file.string()), nullptr);
    std::cout.rdbuf(saved);
    projects.push_back(made);
    return made;
  }

  // Registers `cls` under its id in `project`, which then owns it.
  static ClassDesc* add(Project* project, ClassDesc* cls) {
    project->classes[cls->Id()] = cls;
    return cls;
  }

  // Declares a base type in the type registry.
  static void type(const char* name) { TypesPool.AddType(name, "C", "int"); }

private:
  std::filesystem::path dir;
  std::vector<Project*> projects;
};
