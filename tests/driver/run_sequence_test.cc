// A whole run in-process: output that cannot reach standard output makes the
// run a failure.
#include "driver/run_sequence.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>

#include "model/process_state.h"

namespace {

// A standard output whose every write fails, as on a full disk.
class FailingBuffer : public std::streambuf {
protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

int runCapturing(std::streambuf* out) {
  const char* argv[] = {"tarvic", "empty.tsk"};
  std::streambuf* saved = std::cout.rdbuf(out);
  int status = runTarvic(2, argv);
  std::cout.clear();
  std::cout.rdbuf(saved);
  return status;
}

}  // namespace

TEST(RunSequence, LostStandardOutputFailsTheRun) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvic-run-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(pattern);
  std::ofstream{"empty.tsk"};

  resetProcessState();
  std::ostringstream captured;
  EXPECT_EQ(runCapturing(captured.rdbuf()), 0);
  EXPECT_EQ(captured.str().substr(0, 41), "Project::Project empty.tsk parent=0\nParsi");

  resetProcessState();
  FailingBuffer full;
  EXPECT_EQ(runCapturing(&full), 1);

  resetProcessState();
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(pattern);
}
