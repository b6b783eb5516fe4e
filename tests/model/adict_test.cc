#include "model/adict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace {

// A locale.dct written byte for byte into a fresh temporary directory.
class DictFile {
public:
  explicit DictFile(const std::string& content) : path_(dir_.write("locale.dct", content)) {}
  const char* path() const { return path_; }

private:
  ScratchDir dir_;
  Str path_;
};

}  // namespace

TEST(ADict, ColumnsAndFallbackToTheEnglishWord) {
  DictFile file("\"Razbor\" \"Parsing\" \"\"\n");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::german).translate("Parsing"), "Parsing");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::turkish).translate("Parsing"), "Parsing");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::russian).translate("Parsing"), "Razbor");

  ADict dict(file.path(), ADict::english, ADict::russian);
  const char* unknown = "Unknown word";
  EXPECT_EQ(dict.translate(unknown), unknown);  // the very pointer comes back
  // A key is looked up in the source column only.
  const char* russian = "Razbor";
  EXPECT_EQ(dict.translate(russian), russian);
  // getItem with an explicit fallback column: German is empty, so Russian.
  EXPECT_STREQ(dict.getItem("Parsing", ADict::english, ADict::german, ADict::russian), "Razbor");
  EXPECT_STREQ(dict.getItem("Razbor", ADict::russian, ADict::english, -1), "Parsing");
}

TEST(ADict, MissingFileTranslatesEveryWordToItself) {
  ADict dict("/nonexistent/dir/locale.dct", ADict::english, ADict::german);
  const char* word = "done";
  EXPECT_EQ(dict.translate(word), word);
}

TEST(ADict, TextOutsideQuotesIsIgnored) {
  DictFile file(
      "this line has no quote and is a comment\n"
      "# remark \"ru1\", \"One\",\t\"tu1\" ,\"de1\" trailing words\n"
      "\"ru2\"\"Two\"\"tu2\"\"de2\"\n");
  ADict german(file.path(), ADict::english, ADict::german);
  EXPECT_STREQ(german.translate("One"), "de1");
  EXPECT_STREQ(german.translate("Two"), "de2");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::turkish).translate("One"), "tu1");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::russian).translate("One"), "ru1");
}

TEST(ADict, BackslashTakesTheNextCharacterLiterally) {
  DictFile file(
      "\"\" \"Say \\\"hi\\\"\" \"\" \"Sag \\\"hallo\\\"\"\n"
      "\"\" \"Path\" \"\" \"C:\\\\dir\"\n"
      "\"\" \"Newline\" \"\" \"a\\nb\"\n");
  ADict dict(file.path(), ADict::english, ADict::german);
  EXPECT_STREQ(dict.translate("Say \"hi\""), "Sag \"hallo\"");
  EXPECT_STREQ(dict.translate("Path"), "C:\\dir");
  EXPECT_STREQ(dict.translate("Newline"), "anb");
}

TEST(ADict, TheLaterRowWinsInEveryColumn) {
  DictFile file(
      "\"ru-old\" \"Word\" \"\" \"Alt\"\n"
      "\"ru-new\" \"Word\" \"\" \"Neu\"\n");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::german).translate("Word"), "Neu");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::russian).translate("Word"), "ru-new");
  // The earlier row is still found through a column the later one does not share.
  EXPECT_STREQ(ADict(file.path(), ADict::russian, ADict::german).translate("ru-old"), "Alt");
}

TEST(ADict, UnclosedQuoteStopsLoadingAndKeepsEarlierRows) {
  DictFile file(
      "\"\" \"Before\" \"\" \"Vorher\"\n"
      "\"\" \"Broken\" \"\" \"Kaputt\n"
      "\"\" \"After\" \"\" \"Nachher\"\n");
  ADict dict(file.path(), ADict::english, ADict::german);
  EXPECT_STREQ(dict.translate("Before"), "Vorher");
  EXPECT_STREQ(dict.translate("Broken"), "Broken");
  EXPECT_STREQ(dict.translate("After"), "After");

  // The same through setItem on a line: the text "Syntax error" is thrown.
  try {
    dict.setItem("\"x\" \"y");
    FAIL() << "no error for an unclosed quote";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Syntax error");
  }
  // A backslash just before the end of the line leaves the item open too.
  EXPECT_THROW(dict.setItem("\"x\\"), Str);
}

TEST(ADict, AtMostThirteenItemsPerLine) {
  std::string line;
  for (int i = 0; i < 13; ++i) line += (Str("\"c") << i << "\" ").std();
  line += "\"c13\" \"unclosed\n";  // beyond the 13th item nothing is read
  line += "\"\" \"Next\" \"\" \"Weiter\"\n";
  DictFile file(line);
  ADict dict(file.path(), ADict::english, 12);
  EXPECT_STREQ(dict.translate("c1"), "c12");
  EXPECT_STREQ(ADict(file.path(), ADict::english, ADict::german).translate("Next"), "Weiter");
  EXPECT_STREQ(ADict(file.path(), ADict::russian, 12).translate("c0"), "c12");
}

TEST(ADict, LongLinesAreReadInPiecesOf4095Characters) {
  // 4,095 characters with the line end: one piece.
  std::string fits = "\"\" \"Fits\" \"\" \"Passt\"";
  fits += std::string(4094 - fits.size() - 5, ' ') + "\"x y\"\n";
  ASSERT_EQ(fits.size(), 4095u);
  // The second piece starts a row of its own, at column 0.
  std::string split = "\"\" \"First\" \"\" \"Erste\"";
  split += std::string(4095 - split.size(), ' ');
  split += "\"\" \"Second\" \"\" \"Zweite\"\n";
  // The closing quote of the last item is the 4,096th character: cut.
  std::string cut = "\"\" \"Cut\" \"\" \"Geteilt\"";
  cut += std::string(4095 - cut.size() - 3, ' ') + "\"ab\"\n";
  ASSERT_EQ(cut.find_last_of('"'), 4095u);
  DictFile file(fits + split + cut + "\"\" \"Later\" \"\" \"Spaeter\"\n");
  ADict dict(file.path(), ADict::english, ADict::german);
  EXPECT_STREQ(dict.translate("Fits"), "Passt");
  EXPECT_STREQ(dict.translate("First"), "Erste");
  EXPECT_STREQ(dict.translate("Second"), "Zweite");
  EXPECT_STREQ(dict.translate("Cut"), "Cut");      // its line is the syntax error
  EXPECT_STREQ(dict.translate("Later"), "Later");  // and loading stopped there
}

TEST(ADict, ItemLongerThan1023CharactersLeavesItsLineOut) {
  std::string longest(1023, 'w');
  std::string tooLong(1024, 'v');
  DictFile file("\"\" \"Longest\" \"\" \"" + longest + "\"\n" +
                "\"\" \"TooLong\" \"\" \"" + tooLong + "\"\n" +
                "\"\" \"Next\" \"\" \"Weiter\"\n");
  ADict dict(file.path(), ADict::english, ADict::german);
  EXPECT_EQ(std::string(dict.translate("Longest")), longest);
  EXPECT_STREQ(dict.translate("TooLong"), "TooLong");
  EXPECT_STREQ(dict.translate("Next"), "Weiter");
}

TEST(ADict, BinaryBytesNulAndNoFinalLineEndLoadWhatTheyCan) {
  std::string content = "\xff\xfe\x01 junk \"\" \"Bytes\" \"\" \"\xe4\xf6\"\n";
  content += std::string("\"\" \"Nul\"") + '\0' + " \"\" \"Null\"\n";
  content += "\"\" \"Last\" \"\" \"Letzte\"";  // no line end
  DictFile file(content);
  ADict dict(file.path(), ADict::english, ADict::german);
  EXPECT_STREQ(dict.translate("Bytes"), "\xe4\xf6");
  EXPECT_STREQ(dict.translate("Nul"), "Null");
  EXPECT_STREQ(dict.translate("Last"), "Letzte");
}

TEST(ADict, SetItemStoresARowAndSkipFindsQuotes) {
  DictFile file("");
  ADict dict(file.path(), ADict::english, ADict::french);
  std::vector<Str> row = {Str(""), Str("Yes"), Str(""), Str(""), Str("Oui")};
  dict.setItem(row);
  EXPECT_STREQ(dict.translate("Yes"), "Oui");
  dict.setItem("\"\" \"No\" \"\" \"\" \"Non\"");
  EXPECT_STREQ(dict.translate("No"), "Non");

  const char* text = "ab\"cd";
  EXPECT_EQ(dict.skip(text), text + 2);
  const char* none = "abc";
  EXPECT_EQ(dict.skip(none), none + 3);
}
