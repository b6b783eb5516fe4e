// The window-number register wid.txt: what a load keeps of odd files, and
// that a save writes back every entry read.
#include "winwriters/window_id_register.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class WindowIds : public ::testing::Test {
protected:
  static std::map<std::string, std::string> plain(const WindowIdRegister& ids) {
    std::map<std::string, std::string> result;
    for (const auto& [id, number] : ids.entries) result[id.std()] = number.std();
    return result;
  }

  ScratchDir dir;
};

}  // namespace

TEST_F(WindowIds, OddLinesLoadAndEveryEntryIsWrittenBack) {
  // CRLF line ends, a line without a blank, empty and blank lines, bytes that
  // are no text, extra blanks and a last line without a line end.
  dir.write("wid.txt", std::string("Order_List W010204\r\nLonely\r\n\r\n\n   \n  Client_Edit   W010203  \n") +
                           std::string("B\0in\xFF W\x01\n", 9) + "Z_View W99");
  WindowIdRegister ids;
  EXPECT_TRUE(ids.load(dir.at("wid.txt")));
  std::map<std::string, std::string> expected{{"Order_List", "W010204"},
                                              {"Lonely", ""},
                                              {"Client_Edit", "W010203"},
                                              {std::string("B\0in\xFF", 5), "W\x01"},
                                              {"Z_View", "W99"}};
  EXPECT_EQ(plain(ids), expected);

  ASSERT_TRUE(ids.save(dir.at("wid.txt")));
  WindowIdRegister again;
  EXPECT_TRUE(again.load(dir.at("wid.txt")));
  EXPECT_EQ(plain(again), expected);
  EXPECT_EQ(dir.read("wid.txt").find('\r'), std::string::npos);  // written with "\n" line ends only
}

TEST_F(WindowIds, MissingRegisterIsEmptyAndUnreadableOneIsReported) {
  WindowIdRegister none;
  EXPECT_TRUE(none.load(dir.at("wid.txt")));
  EXPECT_TRUE(none.entries.empty());

  // A directory stands where the register should be: it exists, but reading
  // it fails, and writing over it fails too.
  fs::create_directory(dir / "taken");
  WindowIdRegister unreadable;
  EXPECT_FALSE(unreadable.load(dir.at("taken")));
  EXPECT_FALSE(unreadable.save(dir.at("taken")));
  EXPECT_TRUE(fs::is_directory(dir / "taken"));

  // A register linked to an endless device is unreadable, not read forever.
  fs::create_symlink("/dev/zero", dir / "endless");
  WindowIdRegister endless;
  EXPECT_FALSE(endless.load(dir.at("endless")));
}
