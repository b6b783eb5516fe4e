// The XML window step of a project tree: the projects a project brings in get
// their folders under .xml/, and the window-number register survives the run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/process_state.h"
#include "model/project.h"

namespace {

namespace fs = std::filesystem;

// Runs in a fresh temporary working directory holding the project tree
// main -> {a -> {c}, b}, each from an empty description file.
class XmlWindows : public ::testing::Test {
protected:
  void SetUp() override {
    resetProcessState();
    std::string pattern = (fs::temp_directory_path() / "tarvic-xml-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    previous = fs::current_path();
    fs::current_path(dir);
    for (const char* name : {"main.tsk", "a.tsk", "b.tsk", "c.tsk"}) std::ofstream{name};
    testing::internal::CaptureStdout();
    main = std::make_unique<Project>(std::map<Str, int>{{"xml", 1}}, "main.tsk", nullptr);
    main->AddNewProject("a.tsk", main->dir);
    nested.push_back(CP);
    CP->AddNewProject("c.tsk", CP->dir);
    nested.push_back(CP);
    main->AddNewProject("b.tsk", main->dir);
    nested.push_back(CP);
    testing::internal::GetCapturedStdout();
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
    fs::current_path(previous);
    fs::remove_all(dir);
  }

  std::string printXML() {
    testing::internal::CaptureStdout();
    main->printXML();
    return testing::internal::GetCapturedStdout();
  }

  fs::path dir;
  fs::path previous;
  std::unique_ptr<Project> main;
  std::vector<Project*> nested;
};

std::string contentOf(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(XmlWindows, EveryBroughtInProjectGetsItsFolder) {
  std::ofstream("wid.txt") << "Order_List W010204\nClient_Edit W010203\n";
  // "generating ." and ".", then the window model of each brought-in project
  // (each ending with " done"), then " done" and a line end.
  EXPECT_EQ(printXML(), "generating .. done\n done\n done\n done\n");
  EXPECT_TRUE(fs::is_directory(".xml/a"));
  EXPECT_TRUE(fs::is_directory(".xml/b"));
  EXPECT_TRUE(fs::is_directory(".xml/c"));  // brought in by a, not by main
  EXPECT_FALSE(fs::exists(".xml/main"));    // the main project writes into .xml/ itself
  // The register is written back with every entry it held.
  std::string saved = contentOf("wid.txt");
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
