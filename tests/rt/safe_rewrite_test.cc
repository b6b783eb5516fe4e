// SafeRewrite: the new content replaces a file whole, with its mode and
// through its symbolic links, and nothing reaches the file before commit().
#include "rt/safe_rewrite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <set>
#include <string>

#include "tests/support/scratch_dir.h"
#include "tests/support/without_privileges.h"

namespace {

namespace fs = std::filesystem;

// Every test also checks that no temporary file stays behind.
class SafeRewriteTest : public ::testing::Test {
protected:
  static fs::perms permissions(const fs::path& path) { return fs::status(path).permissions(); }

  ScratchDir dir;
};

}  // namespace

TEST_F(SafeRewriteTest, ReplacesTheFileBehindItsLinkKeepingItsMode) {
  dir.write("register.txt", "old\n");
  fs::permissions(dir / "register.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_directory(dir / "sub");
  fs::create_symlink("../register.txt", dir / "sub/link");  // relative to the link's folder

  SafeRewrite out(dir.at("sub/link"));
  out << "new " << Str("content") << '\n';
  EXPECT_EQ(dir.read("register.txt"), "old\n");  // nothing is written in place
  out.commit();

  EXPECT_EQ(dir.read("register.txt"), "new content\n");
  EXPECT_TRUE(fs::is_symlink(dir / "sub/link"));
  EXPECT_EQ(fs::read_symlink(dir / "sub/link"), "../register.txt");
  EXPECT_EQ(permissions(dir / "register.txt"),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(dir.names(), (std::set<std::string>{"register.txt", "sub"}));

  // A link to a file not made yet creates that file, with the mode the umask
  // gives a new file.
  fs::create_symlink("fresh.txt", dir / "dangling");
  mode_t oldMask = umask(027);
  {
    SafeRewrite fresh(dir.at("dangling"));
    fresh << "x";
    fresh.commit();
  }
  umask(oldMask);
  EXPECT_EQ(dir.read("fresh.txt"), "x");
  EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
  EXPECT_EQ(permissions(dir / "fresh.txt"),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeRewriteTest, WithoutACommitTheOldFileStays) {
  dir.write("register.txt", "old\n");
  {
    SafeRewrite out(dir.at("register.txt"));
    out << "half of the new";
  }
  EXPECT_EQ(dir.read("register.txt"), "old\n");
  EXPECT_EQ(dir.names(), (std::set<std::string>{"register.txt"}));
}

TEST_F(SafeRewriteTest, DevicesAreWrittenInPlaceAndOtherTargetsRefused) {
  // A rename over a device would replace the device itself.
  fs::create_symlink("/dev/null", dir / "sink");
  SafeRewrite sink(dir.at("sink"));
  sink << "swallowed\n";
  sink.commit();
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(fs::read_symlink(dir / "sink"), "/dev/null");

  // A device that refuses the write: the failure names the file.
  fs::create_symlink("/dev/full", dir / "full");
  SafeRewrite full(dir.at("full"));
  full << "lost\n";
  try {
    full.commit();
    FAIL() << "a write to /dev/full was taken as done";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot write file '" + dir.at("full").std() + "'. (No space left on device)");
  }

  fs::create_directory(dir / "folder");
  try {
    SafeRewrite folder(dir.at("folder"));
    FAIL() << "a directory was taken for a file";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot create file '" + dir.at("folder").std() + "'. (Is a directory)");
  }
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  EXPECT_EQ(dir.names(), (std::set<std::string>{"sink", "full", "folder"}));
}

TEST_F(SafeRewriteTest, TheLongestLegalNameAndAFileItsUserMayNotWrite) {
  // The temporary file beside a file of the longest name fits too.
  std::string longest(255, 'n');
  dir.write(longest, "old");
  {
    SafeRewrite out(dir.at(longest));
    out << "new";
    out.commit();
  }
  EXPECT_EQ(dir.read(longest), "new");
  fs::remove(dir / longest);

  // Mode 444, the folder open to everyone: only the file's own mode forbids.
  dir.write("register.txt", "old\n");
  fs::permissions(dir.path(), fs::perms::all);
  fs::permissions(dir / "register.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink("register.txt", dir / "link");
  std::optional<std::string> failure = withoutPrivileges([&]() -> std::string {
    for (const char* name : {"register.txt", "link"}) try {
        SafeRewrite out(dir.at(name));
        return std::string(name) + " was taken for writing";
      } catch (const Str& error) {
        if (error.std() != "Cannot create file '" + dir.at(name).std() + "'. (Permission denied)") return error.std();
      }
    return "";
  });
  if (!failure) GTEST_SKIP() << "cannot run as a user whom the file's mode binds";
  EXPECT_EQ(*failure, "");
  EXPECT_EQ(dir.read("register.txt"), "old\n");
  EXPECT_EQ(dir.names(), (std::set<std::string>{"register.txt", "link"}));
}
