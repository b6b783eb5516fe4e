#pragma once
// The lexer of the description language. It reads whatever file the current
// project is reading (its own file, or an embedded or type file opened in its
// place), drops or keeps patch sections by the -patch names, refuses the
// prohibited identifiers of taboo.txt and, at the end of a project's own file,
// completes that project and resumes the one that brought it in.
#include <list>
#include <map>

#include "rt/str.h"

// Limits of the lexer's buffers; longer input is cut there and the rest is
// read as further tokens.
constexpr std::size_t kPushBackSize = 4096;   // characters given back to the input
constexpr std::size_t kLineCommentSize = 1023;  // rest of a line comment read at once
constexpr std::size_t kStringSize = 2047;     // text of a string literal
constexpr std::size_t kCommentSize = 2047;    // text of a block comment
constexpr std::size_t kWordSize = 65;         // a word: a letter or "_" and 64 more
constexpr std::size_t kNumberSize = 8;        // a number, its sign included
constexpr std::size_t kPatchNameSize = 255;   // name of a patch section

extern int lineNumber;                     // line of the current input
extern Str tokenText;                      // text of the last token, for diagnostics
extern std::map<Str, int> keywordTable;    // keyword -> token code
extern std::map<Str, Str> tabooTable;      // prohibited identifier in upper case -> reason
extern std::list<Str> strings;             // every string literal read, newest first

// Fills the keyword table and loads the prohibited identifiers; answers
// true (a missing list of prohibited identifiers is no failure).
bool initlex();
// The next token code; sets yylval and tokenText.
int yylex();
// Prints one diagnostic line: "<file>", line N: Error: <message> before token <text>.
// A token the lexer refused (a NUL byte in a string, a block comment or a
// patch name) is reported once, with its reason: the parser's "syntax error"
// that follows it is not printed.
void yyerror(const char* message);
// Whether some enumeration item has exactly this value, and its code (0 when none).
bool isenum(const char* name);
int getEnumVal(const char* name);

// The next character: the last one given back, else the next byte of the
// current input; -1 at its end.
int getChar();
// Gives a character back; more than kPushBackSize waiting characters is an error.
void unGetChar(int c);
// Nothing given back and the current input at its end.
bool isEof();
// Consumes blanks, tabs, carriage returns and line feeds (counting the line feeds).
void skip();
// Sets the line of the current input, in the lexer and in the current project.
void setLineNumber(int line);

// For tests only: empties every table, buffer and stack of the lexer.
void resetLexer();
