#pragma once
// A fixture for the front-end tests: each test runs in a fresh temporary
// working directory with the process-wide state as at start-up, writes the
// description files it needs and opens the main project on one of them.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "frontend/include_stack.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "model/process_state.h"
#include "model/project.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/scratch_dir.h"

class FrontEnd : public ::testing::Test {
protected:
  void SetUp() override {
    resetProcessState();
    dir.emplace(ScratchDir::enter);
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
    dir.reset();
  }

  void write(const std::string& name, const std::string& text) { dir->write(name, text); }
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
    CaptureStdout capture(printed);
    return yyparse();
  }

  std::optional<ScratchDir> dir;  // a new one for each run
  std::unique_ptr<Project> main;
};
