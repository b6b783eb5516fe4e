#pragma once
// A fixture for the front-end tests: each test runs in a fresh temporary
// working directory with the process-wide state as at start-up, writes the
// description files it needs and opens the main project on one of them.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "frontend/include_stack.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "model/process_state.h"
#include "model/project.h"

class FrontEnd : public ::testing::Test {
protected:
  void SetUp() override {
    resetProcessState();
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvic-frontend-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
  }
  void TearDown() override {
    // Nested projects live on the heap until the end of a run; here the test
    // ends the run.
    for (Project* project : nestedProjects()) {
      std::fclose(project->opened);
      delete project;
    }
    if (main) std::fclose(main->opened);
    main.reset();
    resetProcessState();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
  }

  void write(const std::string& name, const std::string& text) {
    std::filesystem::path path = dir / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  // Writes `text` as main.tsk, opens the main project on it and sets up the
  // lexer's tables.
  void open(const std::string& text, const std::string& name = "main.tsk") {
    write(name, text);
    main = std::make_unique<Project>(options, Str(name.c_str()), nullptr);
    initlex();
  }

  // Ends the run and starts a fresh one in a new working directory.
  void restart() {
    TearDown();
    SetUp();
  }
  // Parses and answers the result, with what was printed meanwhile (also
  // when the parse throws).
  int parse(std::string& printed) {
    testing::internal::CaptureStdout();
    try {
      int result = yyparse();
      printed = testing::internal::GetCapturedStdout();
      return result;
    } catch (...) {
      printed = testing::internal::GetCapturedStdout();
      throw;
    }
  }

  std::filesystem::path dir;
  std::filesystem::path previous;
  std::unique_ptr<Project> main;
};
