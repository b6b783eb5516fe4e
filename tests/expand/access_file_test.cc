// The access-control file: one that cannot be written again is left as the
// server last read it.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "model/process_state.h"
#include "model/project.h"
#include "tests/support/capture_stdout.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"

TEST(AccessFile, FailurePartwayLeavesTheLastOneWhole) {
  resetProcessState();
  ScratchDir dir(ScratchDir::enter);
  dir.write("shop.tsk");
  std::string last;
  for (int i = 0; i < 500; ++i) last += "Group" + std::to_string(i) + " 1\nshop_Object 5\n";
  dir.write("shop.sdb", last);
  std::unique_ptr<Project> project;
  {
    CaptureStdout trace;
    project = std::make_unique<Project>(std::map<Str, int>{{"amt", 1}}, "shop.tsk", nullptr);
  }
  try {
    FileSizeLimit limit(8);  // less than the header of the new file
    project->printAMT(false);
    FAIL() << "an access-control file cut short was taken as written";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot write file 'shop.sdb'. (File too large)");
  }
  EXPECT_TRUE(dir.read("shop.sdb") == last);
  // No temporary file stays behind.
  EXPECT_EQ(dir.names(), (std::set<std::string>{"shop.sdb", "shop.tsk"}));
  std::fclose(project->opened);
  project.reset();
  resetProcessState();
}
