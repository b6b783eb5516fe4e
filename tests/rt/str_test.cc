#include "rt/str.h"

#include <gtest/gtest.h>

#include <climits>
#include <list>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> pieces(const Str& text, const Str& separator) {
  std::list<Str> out;
  strSplit(text, separator, out);
  std::vector<std::string> result;
  for (const Str& piece : out) result.push_back(piece.std());
  return result;
}

}  // namespace

TEST(Str, NullIsDistinctFromEmpty) {
  Str null;
  Str fromNullPointer(static_cast<const char*>(nullptr));
  Str empty("");
  EXPECT_TRUE(null.IsNull());
  EXPECT_TRUE(null.IsEmpty());
  EXPECT_TRUE(fromNullPointer.IsNull());
  EXPECT_FALSE(empty.IsNull());
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ(null.str(), "");
  EXPECT_EQ(null.length(), 0u);
  EXPECT_FALSE(Str("x").IsEmpty());
  // Appending anything, even an empty text, makes a null text non-null.
  Str built;
  built << "";
  EXPECT_FALSE(built.IsNull());
  // Comparison does not tell null from empty.
  EXPECT_TRUE(null == empty);
  EXPECT_FALSE(null < empty);
  EXPECT_FALSE(empty < null);
}

TEST(Str, OrderIsBytewiseWithPrefixFirst) {
  EXPECT_TRUE(Str("B") < Str("a"));        // upper case before lower case
  EXPECT_TRUE(Str("Zebra") < Str("apple"));
  EXPECT_TRUE(Str("ab") < Str("abc"));     // a prefix before its extensions
  EXPECT_TRUE(Str("") < Str("a"));
  EXPECT_TRUE(Str("z") < Str("\xC0"));     // bytes above 127 after ASCII
  EXPECT_FALSE(Str("abc") < Str("abc"));
  std::map<Str, int> byName{{"order", 1}, {"Order", 2}, {"ord", 3}, {"Ordinal", 4}};
  std::vector<std::string> keys;
  for (const auto& [key, value] : byName) keys.push_back(key.std());
  EXPECT_EQ(keys, (std::vector<std::string>{"Order", "Ordinal", "ord", "order"}));
}

TEST(Str, BuildingWithPlusAndShift) {
  Str text;
  text << "id" << '_' << 42 << Str("x") << -7;
  EXPECT_EQ(text.std(), "id_42x-7");
  EXPECT_EQ((Str("a") + "b" + 'c' + 10).std(), "abc10");
  EXPECT_EQ(("pre" + Str("fix")).std(), "prefix");
  Str withNul("a\0b", 3);
  EXPECT_EQ(withNul.length(), 3u);
  EXPECT_EQ(withNul[2], 'b');
  EXPECT_EQ(withNul[10], '\0');  // out of range reads as the terminating zero
}

TEST(Str, SplitKeepsEmptyPieces) {
  EXPECT_EQ(pieces("ru,ja,de", ","), (std::vector<std::string>{"ru", "ja", "de"}));
  EXPECT_EQ(pieces("ru,,de,", ","), (std::vector<std::string>{"ru", "", "de", ""}));
  EXPECT_EQ(pieces("", ","), (std::vector<std::string>{""}));
  EXPECT_EQ(pieces("a::b", "::"), (std::vector<std::string>{"a", "b"}));
  // Pieces are appended to what the list already holds.
  std::list<Str> out{Str("first")};
  strSplit("x", ",", out);
  EXPECT_EQ(out.size(), 2u);
  EXPECT_EQ(out.back().std(), "x");
}

TEST(Str, TrimUpperAndNumbers) {
  EXPECT_EQ(Str(" \t name \r\n").trim().std(), "name");
  EXPECT_EQ(Str("   ").trim().std(), "");
  EXPECT_FALSE(Str("   ").trim().IsNull());
  EXPECT_TRUE(Str().trim().IsNull());
  EXPECT_EQ(Str("a b").trim().std(), "a b");
  EXPECT_EQ(Str("Class_9z\xE4").toUpper().std(), "CLASS_9Z\xE4");  // only ASCII letters change
  EXPECT_EQ(Str("42").toInt(), 42);
  EXPECT_EQ(Str("  -17 apples").toInt(), -17);
  EXPECT_EQ(Str("apples").toInt(), 0);
  EXPECT_EQ(Str().toInt(), 0);
  EXPECT_EQ(Str("99999999999999999999").toInt(), INT_MAX);
  EXPECT_EQ(Str("-99999999999").toInt(), INT_MIN);
}

TEST(Str, BackSlashifyAndReplace) {
  EXPECT_EQ(Str("say \"hi\"\\now").backSlashify().std(), "say \\\"hi\\\"\\\\now");
  EXPECT_EQ(Str("a\nb\tc").backSlashify().std(), "a\\nb\\tc");
  EXPECT_EQ(Str("plain").backSlashify().std(), "plain");
  EXPECT_EQ(Str("shop_ITEM shop_X").replaceStr("shop", "store").std(), "store_ITEM store_X");
  EXPECT_EQ(Str("aaa").replaceStr("aa", "b").std(), "ba");  // left to right, no overlap
  EXPECT_EQ(Str("abc").replaceStr("", "x").std(), "abc");
  EXPECT_EQ(Str("abc").replaceStr("b", "").std(), "ac");
}

TEST(Str, SearchAndCut) {
  Str path("dir/sub/a.b.c");
  EXPECT_EQ(path.rfind('/'), 7u);
  EXPECT_EQ(path.find('.'), 9u);
  EXPECT_EQ(path.find("x"), Str::npos);
  EXPECT_EQ(path.substr(8).std(), "a.b.c");
  EXPECT_EQ(path.substr(0, 3).std(), "dir");
  EXPECT_EQ(path.substr(99).std(), "");
  EXPECT_TRUE(path.startsWith("dir/"));
  EXPECT_FALSE(path.startsWith("sub"));
  EXPECT_TRUE(Str("shop_ITEM").checkRegExp("shop_[A-Z]+$"));
  EXPECT_FALSE(Str("shop_item").checkRegExp("shop_[A-Z]+$"));
}

TEST(Str, PairsOfTextsCompareByText) {
  // Texts built at different addresses must still order by their bytes.
  std::pair<Str, Str> later(Str("b"), Str("a"));
  std::pair<Str, Str> earlier(Str("a"), Str("z"));
  EXPECT_TRUE(earlier < later);
  EXPECT_FALSE(later < earlier);
  EXPECT_TRUE(std::make_pair(Str("a"), Str("B")) < std::make_pair(Str("a"), Str("b")));
}
