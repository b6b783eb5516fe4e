#pragma once
// A tiny model for the record tests: the process-wide state reset, projects
// made from empty description files in a fresh temporary directory, and the
// classes they hold freed at the end.
#include <cstdio>
#include <string>
#include <vector>

#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/scratch_dir.h"

class ModelWorld {
public:
  ModelWorld() { resetProcessState(); }
  ~ModelWorld() {
    for (Project* project : projects) {
      for (auto& [id, cls] : project->classes) delete cls;
      for (auto& [id, object] : project->objects) delete object;
      std::fclose(project->opened);
      delete project;
    }
    resetProcessState();
  }
  ModelWorld(const ModelWorld&) = delete;
  ModelWorld& operator=(const ModelWorld&) = delete;

  // A project named `name`; it becomes the current project. Its trace line
  // is kept off the test output.
  Project* project(const std::string& name) {
    Str file = dir.write(name + ".tsk");
    CaptureStdout trace;
    projects.push_back(new Project({}, file, nullptr));
    return projects.back();
  }

  // Registers `cls` under its id in `project`, which then owns it.
  static ClassDesc* add(Project* project, ClassDesc* cls) {
    project->classes[cls->Id()] = cls;
    return cls;
  }

  // Declares a base type in the type registry.
  static void type(const char* name) { TypesPool.AddType(name, "C", "int"); }

  // The class Person of `project`: an Integer key "id" and an Integer "name".
  static ClassDesc* person(Project* project) {
    type("Integer");
    ClassDesc* cls = add(project, new ClassDesc("Person", 0, ""));
    cls->AddAttribute("id", "Integer", "", "PK", "", "");
    cls->AddAttribute("name", "Integer", "", "", "", "");
    return cls;
  }

private:
  ScratchDir dir;
  std::vector<Project*> projects;
};

// Adds arguments to the method under the cursor of a method map: an input,
// or an output that, with `key` 1, also identifies the returned record.
class MethodArgs {
public:
  explicit MethodArgs(MethodsMap& map) : map_(map) {}
  void in(const char* id, const char* type) { map_.addInArg(id, type, "", "", "", 0, 0, ""); }
  void out(const char* id, const char* type, int key = 0) { map_.addOutArg(id, type, "", "", "", 0, "", key, "", ""); }

private:
  MethodsMap& map_;
};
