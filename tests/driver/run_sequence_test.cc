// A whole run in-process: output that cannot reach standard output makes the
// run a failure.
#include "driver/run_sequence.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "model/process_state.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/scratch_dir.h"

namespace {

// A standard output whose every write fails, as on a full disk.
class FailingBuffer : public std::streambuf {
protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

int runCapturing(std::streambuf* out) {
  const char* argv[] = {"tarvic", "empty.tsk"};
  CaptureStdout capture(out);
  return runTarvic(2, argv);
}

}  // namespace

TEST(RunSequence, LostStandardOutputFailsTheRun) {
  ScratchDir dir(ScratchDir::enter);
  dir.write("empty.tsk");

  resetProcessState();
  std::ostringstream captured;
  EXPECT_EQ(runCapturing(captured.rdbuf()), 0);
  EXPECT_EQ(captured.str().substr(0, 41), "Project::Project empty.tsk parent=0\nParsi");

  resetProcessState();
  FailingBuffer full;
  EXPECT_EQ(runCapturing(&full), 1);

  resetProcessState();
}
