// The window-number register wid.txt: what a load keeps of odd files, and
// that a save writes back every entry read.
#include "winwriters/window_id_register.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

class WindowIds : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tarvic-wid-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { fs::remove_all(dir); }

  Str path(const char* name) const { return Str((dir / name).string()); }
  void write(const char* name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string read(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static std::map<std::string, std::string> plain(const WindowIdRegister& ids) {
    std::map<std::string, std::string> result;
    for (const auto& [id, number] : ids.entries) result[id.std()] = number.std();
    return result;
  }

  fs::path dir;
};

}  // namespace

TEST_F(WindowIds, OddLinesLoadAndEveryEntryIsWrittenBack) {
  // CRLF line ends, a line without a blank, empty and blank lines, bytes that
  // are no text, extra blanks and a last line without a line end.
  write("wid.txt", std::string("Order_List W010204\r\nLonely\r\n\r\n\n   \n  Client_Edit   W010203  \n") +
                       std::string("B\0in\xFF W\x01\n", 9) + "Z_View W99");
  WindowIdRegister ids;
  EXPECT_TRUE(ids.load(path("wid.txt")));
  std::map<std::string, std::string> expected{{"Order_List", "W010204"},
                                              {"Lonely", ""},
                                              {"Client_Edit", "W010203"},
                                              {std::string("B\0in\xFF", 5), "W\x01"},
                                              {"Z_View", "W99"}};
  EXPECT_EQ(plain(ids), expected);

  ASSERT_TRUE(ids.save(path("wid.txt")));
  WindowIdRegister again;
  EXPECT_TRUE(again.load(path("wid.txt")));
  EXPECT_EQ(plain(again), expected);
  EXPECT_EQ(read("wid.txt").find('\r'), std::string::npos);  // written with "\n" line ends only
}

TEST_F(WindowIds, MissingRegisterIsEmptyAndUnreadableOneIsReported) {
  WindowIdRegister none;
  EXPECT_TRUE(none.load(path("wid.txt")));
  EXPECT_TRUE(none.entries.empty());

  // A directory stands where the register should be: it exists, but reading
  // it fails, and writing over it fails too.
  fs::create_directory(dir / "taken");
  WindowIdRegister unreadable;
  EXPECT_FALSE(unreadable.load(path("taken")));
  EXPECT_FALSE(unreadable.save(path("taken")));
  EXPECT_TRUE(fs::is_directory(dir / "taken"));
}
