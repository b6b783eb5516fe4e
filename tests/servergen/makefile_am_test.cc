// The Makefile.am writer: a Makefile.am that cannot be written again is left
// as the build last read it.
#include "servergen/makefile_am.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <set>
#include <string>

#include "model/process_state.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/without_privileges.h"

namespace fs = std::filesystem;

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

TEST(MakefileAm, FilesOfTheLastRunStayWhenTheyMayNotBeReadOrWritten) {
  resetProcessState();
  ScratchDir dir(ScratchDir::enter);
  dir.write("Makefile.am", "# the last run\n");
  auto failureOf = [] {
    try {
      writeMakefileAm("shop");
      return std::string("nothing failed");
    } catch (const Str& error) {
      return error.std();
    }
  };
  // A Makeoptions.am that is no regular file would feed lines without end or
  // hold the run at the open.
  fs::create_symlink("/dev/zero", "Makeoptions.am");
  EXPECT_EQ(failureOf(), "Cannot read file 'Makeoptions.am'. (Not a regular file)");
  fs::remove("Makeoptions.am");
  ASSERT_EQ(::mkfifo("Makeoptions.am", 0644), 0);
  EXPECT_EQ(failureOf(), "Cannot read file 'Makeoptions.am'. (Not a regular file)");
  fs::remove("Makeoptions.am");

  // Read-only files: the list file first (it is written before Makefile.am),
  // then Makefile.am itself.
  fs::permissions(dir.path(), fs::perms::all);
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  dir.write(".shop.depend", "old\n");
  fs::permissions(".shop.depend", readOnly);
  fs::permissions("Makefile.am", readOnly);
  std::optional<std::string> failures = withoutPrivileges([&] {
    std::string depend = failureOf();
    std::error_code ignored;
    fs::remove(".shop.depend", ignored);  // the folder allows it
    return depend + "\n" + failureOf();
  });
  if (!failures) GTEST_SKIP() << "cannot run as a user whom the file's mode binds";
  EXPECT_EQ(*failures,
            "Cannot create file '.shop.depend'. (Permission denied)\n"
            "Cannot create file 'Makefile.am'. (Permission denied)");
  EXPECT_EQ(dir.read("Makefile.am"), "# the last run\n");
  resetProcessState();
}
