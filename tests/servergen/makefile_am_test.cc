// The Makefile.am writer: a Makefile.am that cannot be written again is left
// as the build last read it.
#include "servergen/makefile_am.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/process_state.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"

TEST(MakefileAm, FailurePartwayLeavesTheLastOneWhole) {
  resetProcessState();
  ScratchDir dir(ScratchDir::enter);
  std::string last;
  for (int i = 0; i < 500; ++i) last += "# line " + std::to_string(i) + " of the last run\n";
  dir.write("Makefile.am", last);
  try {
    FileSizeLimit limit(256);  // room for the empty list of other projects, not for Makefile.am
    writeMakefileAm("shop");
    FAIL() << "a Makefile.am cut short was taken as written";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot write file 'Makefile.am'. (File too large)");
  }
  EXPECT_TRUE(dir.read("Makefile.am") == last);
  // No temporary file stays behind.
  EXPECT_EQ(dir.names(), (std::set<std::string>{".shop.depend", "Makefile.am"}));
  resetProcessState();
}
