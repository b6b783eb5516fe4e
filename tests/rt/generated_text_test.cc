// What the generators share for writing text: string-literal escaping, the
// line emitter with its substitutions, and the joiner of two streams.
#include <gtest/gtest.h>

#include <sstream>

#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "rt/stream_joiner.h"

TEST(GeneratedText, LiteralTextEscapesWhatWouldEndOrBendTheLiteral) {
  EXPECT_EQ(cppLiteralText("say \"hi\"\\n\nok\r").std(), "say \\\"hi\\\"\\\\n\\nok\\r");
  // Tabs, blanks, dollars and bytes above 127 stay as they are.
  EXPECT_EQ(cppLiteralText("a\tb $c \xE9").std(), "a\tb $c \xE9");
  EXPECT_EQ(cppLiteralText(Str()).std(), "");
}

TEST(GeneratedText, EmitterSubstitutesNamesAndNothingElse) {
  std::ostringstream out;
  LineEmitter emit(out);
  emit.line("  class $P$ : public $Base$ {  ", {{"P", "Shop"}, {"Base", "ErrorManager"}, {"unused", "x"}});
  emit.put("$$1 and $P$$P$", {{"P", "ab"}});
  emit.line("");
  emit.line("\t\tno names here");
  EXPECT_EQ(out.str(), "  class Shop : public ErrorManager {  \n$1 and abab\n\t\tno names here\n");

  EXPECT_THROW(emit.line("class $Q$ {", {{"P", "Shop"}}), Str);
  EXPECT_THROW(emit.line("price in $ only"), Str);
  try {
    LineEmitter::expand("x $Name$", {});
    FAIL() << "an unknown name was substituted";
  } catch (const Str& error) {
    EXPECT_NE(error.find("$Name$"), Str::npos) << error;
  }
}

TEST(GeneratedText, JoinerWritesTheSameToEveryStream) {
  std::ostringstream first, second;
  StreamJoiner both{&first, &second};
  both << "#ifndef _ENUMS__" << "\n" << Str("#define AC_Color ") << 330033 << "\n";
  LineEmitter(both).line("#endif");
  EXPECT_EQ(first.str(), "#ifndef _ENUMS__\n#define AC_Color 330033\n#endif\n");
  EXPECT_EQ(second.str(), first.str());
}
