// What the generators share for writing text: string-literal escaping, the
// line emitter with its substitutions, and the joiner of two streams.
#include <gtest/gtest.h>

#include <sstream>

#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "rt/stream_joiner.h"

TEST(GeneratedText, LiteralEscapingEmitterAndJoiner) {
  EXPECT_EQ(cppLiteralText("say \"hi\"\\n\nok\r\t\xE9").std(), "say \\\"hi\\\"\\\\n\\nok\\r\t\xE9");
  // No trigraph forms in a literal; "??" before any other character stays.
  // (The sources write "?\?" for "??" for the same reason.)
  for (const Str& escaped : {cppLiteralText("Who?\?/ ??\?= ??x"), Str("Who?\?/ ??\?= ??x").backSlashify()})
    EXPECT_EQ(escaped.std(), "Who?\\?/ ??\\?= ??x");
  // A comment stays on its line whatever the text.
  EXPECT_EQ(cppCommentText("one\r\ntwo \\").std(), "one  two \\.");
  EXPECT_EQ(cppCommentText("ends ?\?/ ").std(), "ends ?\?/ .");
  EXPECT_EQ(cppCommentText("a \\ b").std(), "a \\ b");

  std::ostringstream first, second;
  StreamJoiner both{&first, &second};
  both << "#define AC_Color " << 330033 << "\n";
  LineEmitter emit(both);
  emit.line("  class $P$ : public $B$ {  ", {{"P", "Shop"}, {"B", "Base"}, {"unused", "x"}});
  emit.put("$$1 $P$$P$", {{"P", "ab"}});
  emit.line("");
  EXPECT_EQ(first.str(), "#define AC_Color 330033\n  class Shop : public Base {  \n$1 abab\n");
  EXPECT_EQ(second.str(), first.str());
  EXPECT_THROW(emit.line("class $Q$ {", {{"P", "Shop"}}), Str);
  EXPECT_THROW(emit.line("price in $ only"), Str);
}
