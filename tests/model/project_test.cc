// Projects and the project registry: name and directory rules, registration,
// nested projects, family lists, the hash code and the completion of nested
// projects.
#include "model/project.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/types_house.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// Each test runs in a fresh temporary directory that is also the working
// directory, with the process-wide state as at start-up.
class Projects : public ::testing::Test {
protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override {
    for (Project* project : created) {
      std::fclose(project->opened);
      if (project != MP) delete project;
    }
    main.reset();
    resetProcessState();
  }

  // Creates an empty description file (and its folders) under the directory.
  Str file(const std::string& relative) { return dir.write(relative); }
  Project* makeMain(const Str& path, const std::map<Str, int>& opts = {}) {
    main = std::make_unique<Project>(opts, path, nullptr);
    created.push_back(main.get());
    return main.get();
  }
  Project* addNested(Project* parent, const Str& name, const Str& directory) {
    parent->AddNewProject(name, directory);
    created.push_back(CP);
    return CP;
  }

  ScratchDir dir{ScratchDir::enter};
  std::unique_ptr<Project> main;
  std::vector<Project*> created;
};

std::vector<std::string> namesOf(const std::list<Project*>& projects) {
  std::vector<std::string> names;
  for (const Project* project : projects) names.push_back(project->name.std());
  return names;
}

}  // namespace

TEST_F(Projects, NameAndDirectoryComeFromThePath) {
  Str nested = file("dir/sub/a.b.c");
  CaptureStdout out;
  Project* project = makeMain(nested);
  EXPECT_EQ(out.text(), "Project::Project " + nested.std() + " parent=0\n");
  EXPECT_EQ(project->name.std(), "a");
  EXPECT_EQ(project->dir.std(), (dir / "dir/sub").string());
  EXPECT_EQ(project->fileName.std(), nested.std());
  EXPECT_EQ(project->line, 1);
  EXPECT_EQ(project->relation, 0);
  EXPECT_EQ(project->Parent(), nullptr);
  EXPECT_NE(project->opened, nullptr);
  EXPECT_EQ(project->input, project->opened);
  EXPECT_EQ(project->ownFile, project->opened);
  EXPECT_EQ(MP, project);
  EXPECT_EQ(CP, project);
  EXPECT_EQ(projectMap.find("a"), project);

  // A path without a directory: the directory is ".".
  file("b.c");
  Project* plain = addNested(project, "b.c", "");
  EXPECT_EQ(plain->name.std(), "b");
  EXPECT_EQ(plain->dir.std(), ".");
  EXPECT_EQ(plain->fileName.std(), "b.c");
  EXPECT_EQ(MP, project);  // the first project stays the main one
}

TEST(ProjectPaths, DirectoryAndNameOfAPath) {
  EXPECT_EQ(projectDirOf("dir/sub/a.b.c").std(), "dir/sub");
  EXPECT_EQ(projectNameOf("dir/sub/a.b.c").std(), "a");
  EXPECT_EQ(projectDirOf("a.c").std(), ".");
  EXPECT_EQ(projectNameOf("a.c").std(), "a");
  EXPECT_EQ(projectDirOf("/abs/x.c").std(), "/abs");
  EXPECT_EQ(projectNameOf("shop").std(), "shop");
  // A file directly under the root: its directory is the root itself, so the
  // files it names are not looked up in the working directory.
  EXPECT_EQ(projectDirOf("/x.tsk").std(), "/");
  EXPECT_EQ(projectNameOf("/x.tsk").std(), "x");
}

TEST_F(Projects, FirstProjectFixesTheOptions) {
  Project* project = makeMain(file("main.tsk"), {{"oracle", 1}});
  file("inc.tsk");
  project->AddNewProject(Str((dir / "inc.tsk").string()), project->dir);
  created.push_back(CP);
  EXPECT_EQ(Project::options, (std::map<Str, int>{{"oracle", 1}}));
  // Later projects get the first project's options, whatever they are given.
  Project other(std::map<Str, int>{{"xml", 1}}, file("other.tsk"), nullptr);
  std::fclose(other.opened);
  EXPECT_EQ(Project::options, (std::map<Str, int>{{"oracle", 1}}));
}

TEST_F(Projects, LaterProjectOfTheSameNameReplacesTheEarlier) {
  Project* first = makeMain(file("one/shop.tsk"));
  Project* second = addNested(first, file("two/shop.v2.tsk"), "");
  EXPECT_EQ(projectMap.size(), 1u);
  EXPECT_EQ(projectMap.find("shop"), second);
  EXPECT_EQ(MP, first);
}

TEST_F(Projects, NestedFilePaths) {
  Project* project = makeMain(file("main.tsk"));
  Str absolute = file("abs/x.c");
  CaptureStdout out;
  Project* fromAbsolute = addNested(project, absolute, "elsewhere");
  std::string trace = out.text();
  EXPECT_EQ(fromAbsolute->fileName.std(), absolute.std());
  EXPECT_EQ(fromAbsolute->Parent(), project);
  EXPECT_EQ(CP, fromAbsolute);
  // The trace line of a nested project names its parent, which is not null.
  EXPECT_EQ(trace.rfind("Project::Project " + absolute.std() + " parent=", 0), 0u);
  EXPECT_NE(trace, "Project::Project " + absolute.std() + " parent=0\n");

  file("dir/x.c");
  Project* relative = addNested(fromAbsolute, "x.c", Str((dir / "dir").string()));
  EXPECT_EQ(relative->fileName.std(), (dir / "dir/x.c").string());
  EXPECT_EQ(relative->Parent(), fromAbsolute);
  EXPECT_EQ(relative->dir.std(), (dir / "dir").string());
}

TEST_F(Projects, MissingOrUnreadableFileEndsTheRun) {
  EXPECT_EXIT(makeMain("nosuch.tsk"), testing::ExitedWithCode(1), "");
  fs::create_directory(dir / "folder.tsk");
  EXPECT_EXIT(makeMain("folder.tsk"), testing::ExitedWithCode(1), "");
}

TEST_F(Projects, FamilyListIsDepthFirst) {
  Str root = Str(dir.path().string());
  Project* project = makeMain(file("main.tsk"));
  file("a.tsk");
  file("b.tsk");
  file("c.tsk");
  Project* a = addNested(project, "a.tsk", root);
  addNested(a, "c.tsk", root);
  addNested(project, "b.tsk", root);
  EXPECT_EQ(namesOf(projectMap.getFamilyList(project)), (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(namesOf(projectMap.getFamilyList(a)), (std::vector<std::string>{"c"}));
  EXPECT_TRUE(projectMap.getFamilyList(projectMap.find("b")).empty());
}

TEST_F(Projects, HashCodeSumsSignedBytes) {
  Project* project = makeMain(file("ab.tsk"));
  EXPECT_EQ(project->getHashCode(), 97u + 98u);
  Project* high = addNested(project, file("ab\xE9.tsk"), "");
  EXPECT_EQ(high->getHashCode(), 97u + 98u - 23u);  // 0xE9 counts as -23
  Project* wrapped = addNested(project, file("\xFF.tsk"), "");
  EXPECT_EQ(wrapped->getHashCode(), 0xFFFFFFFFu);  // -1 wraps around
}

TEST_F(Projects, ClassLookups) {
  Project* project = makeMain(file("shop.tsk"));
  ClassDesc item("Item", 0, "");
  ClassDesc order("Order", 0, "");
  project->classes["Item"] = &item;
  project->classes["Order"] = &order;
  project->classes["Empty"] = nullptr;
  EXPECT_EQ(projectMap.findClass("shop", "Item"), &item);
  EXPECT_EQ(projectMap.findClass("shop", "Nothing"), nullptr);
  EXPECT_EQ(projectMap.findClass("store", "Item"), nullptr);
  EXPECT_EQ(projectMap.find("store"), nullptr);
  // Classes whose root is the given one; a null entry is skipped.
  std::list<ClassDesc*> children = project->findChildClasses("Order");
  EXPECT_EQ(children, std::list<ClassDesc*>{&order});
  EXPECT_TRUE(project->findChildClasses("Empty").empty());
}

TEST_F(Projects, CompletionRunsCheckOnlySteps) {
  Project* project = makeMain(file("main.tsk"), {{"postgres", 1}, {"qpx", 1}, {"amt", 1}});
  // The main project is not completed: nothing runs, not even the
  // unavailable access-control step.
  EXPECT_EQ(project->complete(), nullptr);

  // Every check expands the project (no classes: five dots after the first).
  const std::string expansion = "unwrapping ." + std::string(4, '.') + ". done\n";
  file("inc.tsk");
  // No check runs for these steps, but the PostgreSQL and QPX steps read the
  // nested project's tables: it is expanded once.
  Project::options = {{"postgres", 1}, {"qpx", 1}, {"server", 1}, {"automake-only", 1}};
  Project* nested = addNested(project, "inc.tsk", project->dir);
  CaptureStdout out;
  EXPECT_EQ(nested->complete(), project);
  EXPECT_EQ(out.text(), expansion);

  // Check-only steps write no files; the XML check leaves Level alone.
  Project::options = {{"oracle", 1}, {"mysql", 1}, {"zdb", 1}, {"toxml", 1}, {"report", 1}, {"doc", 1}};
  listLocales = {"ru"};
  Level = 1;
  CaptureStdout again;
  EXPECT_EQ(nested->complete(), project);
  // Of the checks only ZDB prints its own line.
  EXPECT_EQ(again.text(), expansion + expansion + expansion + "unwrapping done\n" + expansion + expansion + expansion);
  EXPECT_EQ(Level, 1);
  EXPECT_FALSE(fs::exists(dir / ".sql"));
  EXPECT_FALSE(fs::exists(dir / "inc_ReportGen.xml"));
  EXPECT_FALSE(fs::exists(dir / ".sql/locale-ru.sql"));
}

TEST_F(Projects, FailedCompletionEndsTheRunWithStatusOne) {
  Project* project = makeMain(file("main.tsk"), {{"server", 1}});
  file("inc.tsk");
  Project* nested = addNested(project, "inc.tsk", project->dir);
  // The server check cannot give a code to an enumeration of no loaded project.
  TypesPool.AddType("Loose", "C", "int");
  TypesPool.AddInit("Loose", "One", "", 1);
  TypesPool.setProject("Loose", "gone");
  EXPECT_EXIT(nested->complete(), testing::ExitedWithCode(1), "");
}
