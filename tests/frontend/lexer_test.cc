// The lexer on small inputs: token codes and texts, line counting, patch
// sections, the limits of words, numbers, strings and comments, prohibited
// identifiers, the push-back limit and the diagnostic line.
#include "frontend/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/grammar.hh"
#include "model/types_house.h"
#include "tests/frontend/front_end_fixture.h"

namespace {

// Token codes of the description language.
constexpr int kEnd = 257;
constexpr int kIdent = 259;
constexpr int kTypeName = 270;
constexpr int kString = 271;
constexpr int kComment = 272;
constexpr int kNumber = 328;

struct Token {
  int code;
  std::string text;
  int line;
  std::string patch;  // patch section at the time
  bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Token& t) {
  return out << "{" << t.code << ", \"" << t.text << "\", line " << t.line << ", patch \"" << t.patch << "\"}";
}

class Lexer : public FrontEnd {
protected:
  // Every token up to and including the first END.
  std::vector<Token> lexAll() {
    std::vector<Token> tokens;
    for (int i = 0; i < 10000; ++i) {
      int code = yylex();
      tokens.push_back({code, tokenText.std(), lineNumber, patchName.std()});
      if (code == kEnd) break;
    }
    return tokens;
  }
  std::vector<int> codes(const std::vector<Token>& tokens) {
    std::vector<int> result;
    for (const Token& t : tokens) result.push_back(t.code);
    return result;
  }
  std::vector<std::string> texts(const std::vector<Token>& tokens) {
    std::vector<std::string> result;
    for (const Token& t : tokens) result.push_back(t.text);
    return result;
  }
};

TEST_F(Lexer, KeywordsWordsAndTypeNames) {
  TypesPool.AddType("Money", "C", "double");
  open("Class class CLASS returns return denied denyed GUserID GUserTime include\n"
       "_x a-b patches Money money __________________List Object\n");
  std::vector<Token> tokens = lexAll();
  EXPECT_EQ(codes(tokens), (std::vector<int>{277, kIdent, kIdent, 292, 292, 320, 320, 260, 260, 307, kIdent, kIdent,
                                             kIdent, kTypeName, kIdent, kIdent, 258, kEnd}));
  EXPECT_EQ(texts(tokens),
            (std::vector<std::string>{"Class", "class", "CLASS", "returns", "return", "denied", "denyed", "GUserID",
                                      "GUserTime", "include", "_x", "a-b", "patches", "Money", "money",
                                      "__________________List", "Object", "END OF PROGRAM"}));
  EXPECT_EQ(keywordTable.size(), 68u);
  EXPECT_EQ(keywordTable.at("_______List"), 266);
  EXPECT_EQ(keywordTable.at("readonly"), 326);
  EXPECT_EQ(keywordTable.at("View"), 306);
}

TEST_F(Lexer, ValuesOfWordsStringsCommentsAndNumbers) {
  open("Attributes name \"a\\\"b\\\\c\\n\" /* x * y \"q\" */ -42\n");
  EXPECT_EQ(yylex(), 262);
  EXPECT_STREQ(yylval.text, "Attributes");
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_STREQ(yylval.text, "name");
  EXPECT_EQ(yylex(), kString);
  EXPECT_STREQ(yylval.text, "a\"b\\cn");  // a backslash takes the next character as it is
  EXPECT_EQ(strings.front(), "a\"b\\cn");
  EXPECT_EQ(yylex(), kComment);
  EXPECT_STREQ(yylval.text, " x * y \"q\" ");
  EXPECT_EQ(tokenText, " x * y \"q\" ");
  EXPECT_EQ(yylex(), kNumber);
  EXPECT_EQ(yylval.number, -42);
}

TEST_F(Lexer, SingleCharactersAndHyphens) {
  open("{ } ( ) [ ] ; : , . = < > + * | & ! / @ name->\"v\" a - 5 -x a-\n");
  std::vector<Token> tokens = lexAll();
  EXPECT_EQ(texts(tokens),
            (std::vector<std::string>{"{", "}", "(", ")", "[", "]", ";", ":", ",", ".", "=", "<", ">", "+", "*",
                                      "|", "&", "!", "/", "@", "name-", ">", "v", "a", "-", "5", "-", "x", "a-",
                                      "END OF PROGRAM"}));
  EXPECT_EQ(codes(tokens),
            (std::vector<int>{'{', '}', '(', ')', '[', ']', ';', ':', ',', '.', '=', '<', '>', '+', '*', '|', '&',
                              '!', '/', '@', kIdent, '>', kString, kIdent, '-', kNumber, '-', kIdent, kIdent, kEnd}));
}

TEST_F(Lexer, LinesAreCountedThroughCommentsAndStrings) {
  open("# comment one\n"
       "// comment two\n"
       "a\n"
       "/* block\n"
       "comment */ b\n"
       "\"two\n"
       "lines\" c\n"
       "\r\n"
       "\td // last\n");
  std::vector<Token> tokens = lexAll();
  ASSERT_EQ(tokens.size(), 7u);
  EXPECT_EQ(tokens[0].text, "a");
  EXPECT_EQ(tokens[1], (Token{kComment, " block\ncomment ", 5, ""}));
  EXPECT_EQ(tokens[2], (Token{kIdent, "b", 5, ""}));
  EXPECT_EQ(tokens[3], (Token{kString, "two\nlines", 7, ""}));
  EXPECT_EQ(tokens[4], (Token{kIdent, "c", 7, ""}));
  EXPECT_EQ(tokens[5], (Token{kIdent, "d", 9, ""}));
  EXPECT_EQ(tokens[6].line, 10);
  EXPECT_EQ(main->line, 10);  // the project's line moves with the lexer's
}

TEST_F(Lexer, OneLetterWordBeforeALineFeed) {
  open("a\nb\n");
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_EQ(tokenText, "a");
  EXPECT_EQ(lineNumber, 1);  // a diagnostic about it names its own line
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_EQ(tokenText, "b");
  EXPECT_EQ(lineNumber, 2);
}

TEST_F(Lexer, PatchSectionsWithoutPatchNames) {
  open("x\n"
       "patch \"P\" hidden\n"
       "more hidden\n"
       "endpatch y\n"
       "nopatch \"Q\" z endpatch\n"
       "w\n"
       "patch \"P\" abcendpatch v\n"
       "patch \"P\" \"s endpatch q\n"
       "endpatch");
  std::vector<Token> tokens = lexAll();
  // A patch word needs a blank after it: at the end of the input it is a word.
  EXPECT_EQ(tokens, (std::vector<Token>{{kIdent, "x", 1, ""},
                                        {kIdent, "y", 4, ""},
                                        {kIdent, "z", 5, "Q"},
                                        {kIdent, "w", 6, ""},
                                        {kIdent, "v", 7, ""},
                                        {kIdent, "q", 8, ""},
                                        {kIdent, "endpatch", 9, ""},
                                        {kEnd, "END OF PROGRAM", 9, ""}}));
}

TEST_F(Lexer, PatchSectionsWithPatchNames) {
  patches.insert("P");
  patches.insert("Q");
  open("x\n"
       "patch \"P\" hidden\n"
       "endpatch y\n"
       "nopatch \"Q\" z\n"
       "endpatch w\n");
  std::vector<Token> tokens = lexAll();
  EXPECT_EQ(tokens, (std::vector<Token>{{kIdent, "x", 1, ""},
                                        {kIdent, "hidden", 2, "P"},
                                        {kIdent, "y", 3, ""},
                                        {kIdent, "w", 5, ""},
                                        {kEnd, "END OF PROGRAM", 6, ""}}));
  // Past a section the name is as it was before any section: declarations
  // made there cannot be told from those made before the first section.
  EXPECT_TRUE(patchName.IsNull());
}

TEST_F(Lexer, PatchSectionsDoNotNestAndMayRunToTheEnd) {
  patches.insert("A");
  open("patch \"A\" a nopatch \"B\" b endpatch c patch \"C\"\nd\ne\n");
  std::vector<Token> tokens = lexAll();
  // The inner section replaces the name, the first endpatch clears it; a
  // dropped section without endpatch stops at the end of the input.
  EXPECT_EQ(tokens, (std::vector<Token>{{kIdent, "a", 1, "A"},
                                        {kIdent, "b", 1, "B"},
                                        {kIdent, "c", 1, ""},
                                        {kEnd, "END OF PROGRAM", 4, ""}}));
}

TEST_F(Lexer, PatchNeedsAQuotedName) {
  for (const char* text : {"patch P\n", "nopatch\tP\n", "patch\n"}) {
    restart();
    open(text);
    try {
      yylex();
      ADD_FAILURE() << "accepted without a quoted name: " << text;
    } catch (const Str& error) {
      EXPECT_EQ(error, "Error");
    }
  }
}

TEST_F(Lexer, NumberLimits) {
  open("-1234567 123456789 007 -0 99999999\n");
  std::vector<Token> tokens = lexAll();
  EXPECT_EQ(codes(tokens), (std::vector<int>{kNumber, kNumber, kNumber, kNumber, kNumber, kNumber, kEnd}));
  EXPECT_EQ(texts(tokens), (std::vector<std::string>{"-1234567", "12345678", "9", "7", "0", "99999999",
                                                     "END OF PROGRAM"}));
}

TEST_F(Lexer, NumberAtTheEndOfTheFileIsLost) {
  open("x 42");
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_EQ(yylex(), kEnd);
  EXPECT_EQ(tokenText, "END OF PROGRAM");
}

TEST_F(Lexer, OverlongWordsAndStringsAreCut) {
  std::string word(70, 'w');
  std::string exactString(2047, 's');
  std::string longString(2050, 'y');
  open(word + "\n\"" + exactString + "\" next\n\"" + longString + "\"\n");
  std::vector<Token> tokens = lexAll();
  // The rest of a cut string is read as text, so its closing quote opens a
  // literal that runs to the end of the file.
  EXPECT_EQ(tokens, (std::vector<Token>{{kIdent, std::string(65, 'w'), 1, ""},
                                        {kIdent, "wwwww", 1, ""},
                                        {kString, exactString, 2, ""},
                                        {kIdent, "next", 2, ""},
                                        {kString, std::string(2047, 'y'), 3, ""},
                                        {kIdent, "yyy", 3, ""},
                                        {kString, "\n", 4, ""},
                                        {kEnd, "END OF PROGRAM", 4, ""}}));
}

TEST_F(Lexer, CommentAtTheLimitKeepsItsEnd) {
  std::string comment(2047, 'k');
  comment[2046] = '*';  // a star that ends no comment is part of the text
  open("/*" + comment + "*/ after\n");
  std::vector<Token> tokens = lexAll();
  EXPECT_EQ(tokens, (std::vector<Token>{
                        {kComment, comment, 1, ""}, {kIdent, "after", 1, ""}, {kEnd, "END OF PROGRAM", 2, ""}}));
}

TEST_F(Lexer, OverlongCommentsAreCut) {
  std::string longComment(2050, 'k');
  std::string longLine(1030, 'c');
  open("/*" + longComment + "*/\n#" + longLine + "\nlast\n");
  std::vector<Token> tokens = lexAll();
  // The rest of a cut comment is read as text; the line of the cut line
  // comment is counted once, at its line feed.
  EXPECT_EQ(tokens, (std::vector<Token>{{kComment, std::string(2047, 'k'), 1, ""},
                                        {kIdent, "kkk", 1, ""},
                                        {'*', "*", 1, ""},
                                        {'/', "/", 1, ""},
                                        {kIdent, "ccccccc", 2, ""},
                                        {kIdent, "last", 3, ""},
                                        {kEnd, "END OF PROGRAM", 4, ""}}));
}

TEST_F(Lexer, ProhibitedIdentifiers) {
  write("taboo.txt",
        "order\tSQL word\n"
        "\n"
        "  user name\tSQL function  \n"
        "Class\tkeyword\n");
  open("Order x USER Class\n");
  CaptureStdout out;
  EXPECT_EQ(yylex(), 1);
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_EQ(yylex(), 1);
  EXPECT_EQ(yylex(), 277);  // a keyword stays a keyword
  EXPECT_EQ(out.text(),
            "\"main.tsk\", line 1: Error: Identifier Order is prohibited (SQL word) before token Order\n"
            "\"main.tsk\", line 1: Error: Identifier USER is prohibited (name\tSQL function) before token USER\n");
}

TEST_F(Lexer, TabooListLines) {
  // A line is read 4,095 characters at a time: the rest of a longer line is
  // a line of its own. A later line with the same identifier replaces the reason.
  // Lines of blanks and tabs only give the empty identifier, which no word
  // matches.
  write("taboo.txt", "order first reason\n"
                     "ORDER \t second reason \n"
                     "   \n"
                     "\t\t\n"
                     " \t \t\n"
                     "lone\n" +
                         std::string(4095, 'a') + " tail reason\n");
  EXPECT_TRUE(initlex());
  EXPECT_EQ(tabooTable, (std::map<Str, Str>{{"", ""},
                                            {"ORDER", "second reason"},
                                            {"LONE", ""},
                                            {Str(std::string(4095, 'A').c_str()), ""},
                                            {"TAIL", "reason"}}));
  open("x\t \t\n");
  EXPECT_EQ(yylex(), kIdent);
  EXPECT_EQ(yylex(), kEnd);
}

TEST_F(Lexer, NoTabooListProhibitsNothing) {
  open("order\n");
  EXPECT_TRUE(tabooTable.empty());
  EXPECT_EQ(yylex(), kIdent);
}

TEST_F(Lexer, PushBackLimit) {
  open("z\n");
  for (std::size_t i = 0; i < 4096; ++i) unGetChar('a' + static_cast<int>(i % 26));
  EXPECT_THROW(unGetChar('x'), Str);
  EXPECT_FALSE(isEof());
  EXPECT_EQ(getChar(), 'a' + 4095 % 26);  // the last given back comes first
  for (std::size_t i = 1; i < 4096; ++i) getChar();
  EXPECT_EQ(getChar(), 'z');
  EXPECT_EQ(getChar(), '\n');
  EXPECT_EQ(getChar(), -1);
  EXPECT_TRUE(isEof());
}

TEST_F(Lexer, DiagnosticLine) {
  open("one\n two three\n");
  yylex();
  yylex();
  CaptureStdout out;
  yyerror("syntax error");
  EXPECT_EQ(out.text(), "\"main.tsk\", line 2: Error: syntax error before token two\n");
}

TEST_F(Lexer, EnumerationItemsByName) {
  TypesPool.AddType("B", "C", "int");
  TypesPool.AddInit("B", "x", "", 3);
  TypesPool.AddInit("B", "y", "", 4);
  TypesPool.AddType("A", "C", "int");
  TypesPool.AddInit("A", "x", "", 7);
  EXPECT_TRUE(isenum("x"));
  EXPECT_EQ(getEnumVal("x"), 7);  // types are walked by name
  EXPECT_EQ(getEnumVal("y"), 4);
  EXPECT_FALSE(isenum("X"));
  EXPECT_EQ(getEnumVal("X"), 0);
  // An item coded -1 (the next code after -2) is an item all the same.
  TypesPool.AddType("C", "C", "int");
  TypesPool.AddInit("C", "low", "", -2);
  TypesPool.AddInit("C", "high", "", -1);
  EXPECT_TRUE(isenum("high"));
  EXPECT_EQ(getEnumVal("high"), -1);
}

}  // namespace
