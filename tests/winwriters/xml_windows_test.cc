// The XML window step of a project tree: the projects a project brings in get
// their folders under .xml/, and the window-number register survives the run,
// also one that cannot be saved.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/process_state.h"
#include "model/project.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/without_privileges.h"

namespace {

namespace fs = std::filesystem;

// Runs in a fresh temporary working directory holding the project tree
// main -> {a -> {c}, b}, each from an empty description file.
class XmlWindows : public ::testing::Test {
protected:
  void SetUp() override {
    resetProcessState();
    for (const char* name : {"main.tsk", "a.tsk", "b.tsk", "c.tsk"}) dir.write(name);
    CaptureStdout trace;
    main = std::make_unique<Project>(std::map<Str, int>{{"xml", 1}}, "main.tsk", nullptr);
    main->AddNewProject("a.tsk", main->dir);
    nested.push_back(CP);
    CP->AddNewProject("c.tsk", CP->dir);
    nested.push_back(CP);
    main->AddNewProject("b.tsk", main->dir);
    nested.push_back(CP);
    fs::create_directory(".xml");  // the step creates it before printXML runs
  }
  void TearDown() override {
    for (Project* project : nested) {
      std::fclose(project->opened);
      delete project;
    }
    std::fclose(main->opened);
    main.reset();
    resetProcessState();
  }

  std::string printXML() {
    CaptureStdout out;
    main->printXML();
    return out.text();
  }

  ScratchDir dir{ScratchDir::enter};
  std::unique_ptr<Project> main;
  std::vector<Project*> nested;
};

}  // namespace

TEST_F(XmlWindows, EveryBroughtInProjectGetsItsFolder) {
  dir.write("wid.txt", "Order_List W010204\nClient_Edit W010203\n");
  // "generating ." and ".", then the window model of each brought-in project
  // (each ending with " done"), then " done" and a line end.
  EXPECT_EQ(printXML(), "generating .. done\n done\n done\n done\n");
  EXPECT_TRUE(fs::is_directory(".xml/a"));
  EXPECT_TRUE(fs::is_directory(".xml/b"));
  EXPECT_TRUE(fs::is_directory(".xml/c"));  // brought in by a, not by main
  EXPECT_FALSE(fs::exists(".xml/main"));    // the main project writes into .xml/ itself
  // The register is written back with every entry it held.
  std::string saved = dir.read("wid.txt");
  EXPECT_NE(saved.find("Order_List W010204\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Client_Edit W010203\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.size(), std::string("Order_List W010204\nClient_Edit W010203\n").size()) << saved;
}

TEST_F(XmlWindows, RegisterThatCannotBeSavedIsAWarning) {
  fs::create_directory("wid.txt");
  EXPECT_EQ(printXML(), "generating .. done\n done\n done\nWARNING! Cannot save Window ID file wid.txt\n done\n");
  EXPECT_TRUE(fs::is_directory("wid.txt"));
  EXPECT_TRUE(fs::is_directory(".xml/c"));
}

TEST_F(XmlWindows, RegisterThatFailsPartwayStaysWhole) {
  // 3,500 entries (about 70 KB) that cannot be written again past 4 KB.
  std::string entries;
  for (int i = 1000; i < 4500; ++i) entries += "Class" + std::to_string(i) + "_List W" + std::to_string(i) + "01\n";
  dir.write("wid.txt", entries);
  std::string printed;
  {
    FileSizeLimit limit(4096);
    printed = printXML();
  }
  EXPECT_EQ(printed, "generating .. done\n done\n done\nWARNING! Cannot save Window ID file wid.txt\n done\n");
  std::string kept = dir.read("wid.txt");  // byte for byte as it was
  EXPECT_EQ(kept.size(), entries.size());
  EXPECT_TRUE(kept == entries);
  // No temporary file stays behind.
  EXPECT_EQ(dir.names(), (std::set<std::string>{".xml", "a.tsk", "b.tsk", "c.tsk", "main.tsk", "wid.txt"}));
}

TEST_F(XmlWindows, RegisterItsUserMayNotWriteStays) {
  dir.write("wid.txt", "Order_List W010204\n");
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions("wid.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  std::optional<std::string> printed = withoutPrivileges([&] { return printXML(); });
  if (!printed) GTEST_SKIP() << "cannot run as a user whom the file's mode binds";
  EXPECT_EQ(*printed, "generating .. done\n done\n done\nWARNING! Cannot save Window ID file wid.txt\n done\n");
  EXPECT_EQ(dir.read("wid.txt"), "Order_List W010204\n");
}
