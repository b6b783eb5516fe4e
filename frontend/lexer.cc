#include "frontend/lexer.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unordered_set>

#include "frontend/grammar.hh"
#include "frontend/include_stack.h"
#include "frontend/taboo.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/type_items.h"
#include "model/types_house.h"

int lineNumber = 1;
Str tokenText;
std::map<Str, int> keywordTable;
std::map<Str, Str> tabooTable;
std::list<Str> strings;

namespace {

// The code of a token the lexer refuses: no rule accepts it, so the parse
// ends there.
constexpr int kRefusedToken = 1;

std::string pushBack;  // characters given back; the back is the top

// Set when the lexer has reported why it refused a token; the parser's own
// "syntax error" for that token would only repeat it.
bool refusalReported = false;

// The texts of words and block comments handed to the parser. A word's text
// must stay valid for the whole run; equal words share one copy.
std::unordered_set<std::string> tokenTexts;

const char* keep(const std::string& text) { return tokenTexts.insert(text).first->c_str(); }

bool isLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isWordChar(int c) { return isLetter(c) || isDigit(c) || c == '_' || c == '-'; }
bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void countLine() { setLineNumber(lineNumber + 1); }

// Gives back the characters of `text`, so that they are read again in order.
void giveBack(const std::string& text) {
  for (auto c = text.rbegin(); c != text.rend(); ++c) unGetChar(static_cast<unsigned char>(*c));
}

// Whether the input goes on with `word` followed by a blank, tab, carriage
// return or line feed. The word is consumed and the blank stays in the input;
// otherwise everything read is given back as it was.
bool startsWithWord(const char* word) {
  std::string read;
  for (const char* expected = word; *expected; ++expected) {
    int c = getChar();
    if (c != static_cast<unsigned char>(*expected)) {
      if (c != EOF) unGetChar(c);
      giveBack(read);
      return false;
    }
    read += *expected;
  }
  int follower = getChar();
  if (follower != EOF) unGetChar(follower);
  if (isBlank(follower)) return true;
  giveBack(read);
  return false;
}

bool isPatch() { return startsWithWord("patch"); }
bool isNoPatch() { return startsWithWord("nopatch"); }
bool isPatchEnd() { return startsWithWord("endpatch"); }

// A "#" or "//" starts a comment that runs to the end of the line.
bool startsLineComment(int c) {
  if (c == '#') return true;
  if (c != '/') return false;
  int second = getChar();
  if (second == '/') return true;
  if (second != EOF) unGetChar(second);
  return false;
}

// Consumes the rest of a line comment, at most kLineCommentSize characters;
// the remainder of a longer line is read as text.
void readLineComment() {
  for (std::size_t taken = 0; taken < kLineCommentSize; ++taken) {
    int c = getChar();
    if (c == EOF) return;
    if (c == '\n') {
      countLine();
      return;
    }
  }
}

// The text after an opening double quote up to the closing one (consumed),
// with backslash escapes taken literally and counted line feeds; at most
// `limit` characters, the rest stays in the input.
std::string readQuoted(std::size_t limit) {
  std::string text;
  for (;;) {
    int c = getChar();
    if (c == EOF || c == '"') break;
    if (text.size() == limit) {
      unGetChar(c);
      break;
    }
    if (c == '\\') {
      c = getChar();
      if (c == EOF) break;
    }
    if (c == '\n') countLine();
    text += static_cast<char>(c);
  }
  return text;
}

// The quoted name of a patch section.
Str readString() {
  skip();
  if (getChar() != '"') throw Str("Error");
  return Str(readQuoted(kPatchNameSize));
}

// The texts of strings, block comments and patch names travel on as C
// strings, which a NUL byte would cut short without a word.
bool holdsNul(const Str& text) { return text.find('\0') != Str::npos; }

// Reports why the token in tokenText is refused, once, and answers the code
// that ends the parse.
int refuse(const char* reason) {
  yyerror(reason);
  refusalReported = true;
  return kRefusedToken;
}

// Outside a patch section the name is as it was at start-up.
void leavePatchSection() { patchName = Str(); }

// Drops a patch section up to the word "endpatch" (tried after each dropped
// character) or to the end of the current input, whichever comes first.
void dropPatchSection() {
  for (;;) {
    int c = getChar();
    if (c == EOF) break;
    if (c == '\n') countLine();
    if (isPatchEnd()) break;
  }
  leavePatchSection();
  skip();
}

enum class PatchWord { none, handled, refusedName };

// Handles a patch word at the start of a token. "patch" keeps its section
// when the name is among the chosen patches, "nopatch" when it is not; any
// other section is dropped. A name holding a NUL byte is refused and left in
// tokenText.
PatchWord readPatchWord() {
  bool keepChosen = isPatch();
  if (keepChosen || isNoPatch()) {
    Str name = readString();
    if (holdsNul(name)) {
      tokenText = name;
      return PatchWord::refusedName;
    }
    if ((patches.count(name) > 0) == keepChosen) {
      patchName = name;
    } else {
      dropPatchSection();
    }
    return PatchWord::handled;
  }
  if (isPatchEnd()) {
    leavePatchSection();
    return PatchWord::handled;
  }
  return PatchWord::none;
}

void restore(const FileStruct& suspended) {
  CP->fileName = suspended.name;
  CP->dir = suspended.dir;
  CP->input = suspended.file;
  setLineNumber(suspended.line);
}

// The current input has ended. An embedded or type file gives way to the
// file that embedded it; a project's own file completes the project and gives
// way to the project that brought it in. Answers false when the main
// project's own file has ended.
bool endOfInput() {
  if (!CP) return false;
  if (CP->input != CP->ownFile) {
    std::fclose(CP->input);
    restore(popInclude());
    return true;
  }
  Project* including = CP->complete();
  if (!including) return false;
  CP = including;
  restore(popInclude());
  --Level;
  return true;
}

int readWord(int first) {
  // The character that ends the word (or the first one past its limit) stays
  // in the input; a line feed is counted when it is read again.
  std::string word(1, static_cast<char>(first));
  int c = getChar();
  while (c != EOF && isWordChar(c) && word.size() < kWordSize) {
    word += static_cast<char>(c);
    c = getChar();
  }
  if (c != EOF) unGetChar(c);
  tokenText = Str(word);
  yylval.text = keep(word);
  auto keyword = keywordTable.find(tokenText);
  if (keyword != keywordTable.end()) return keyword->second;
  if (TypesPool.TypesList().count(tokenText)) return TYPENAME;
  auto taboo = tabooTable.find(tokenText.toUpper());
  if (taboo != tabooTable.end()) {
    yyerror(Str("Identifier ") + tokenText + " is prohibited (" + taboo->second + ")");
    return kRefusedToken;
  }
  return IDENT;
}

int readStringLiteral() {
  std::string text = readQuoted(kStringSize);
  strings.push_front(Str(text));
  yylval.text = strings.front().str();
  tokenText = strings.front();
  if (holdsNul(tokenText)) return refuse("NUL character in string");
  return STRING;
}

// After the opening slash and star; the closing star and slash are not kept,
// so a comment of exactly kCommentSize characters still ends at its closing.
int readBlockComment() {
  std::string text;
  for (;;) {
    int c = getChar();
    if (c == EOF) break;
    if (c == '*') {
      int follower = getChar();
      if (follower == '/' || follower == EOF) break;
      unGetChar(follower);
    }
    if (text.size() == kCommentSize) {
      unGetChar(c);
      break;
    }
    if (c == '\n') countLine();
    text += static_cast<char>(c);
  }
  tokenText = Str(text);
  yylval.text = keep(text);
  if (holdsNul(tokenText)) return refuse("NUL character in comment");
  return COMMENT;
}

// `first` is a digit or a minus sign followed by a digit.
int readNumber(int first) {
  std::string text(1, static_cast<char>(first));
  while (text.size() < kNumberSize) {
    int c = getChar();
    if (c == EOF) {
      tokenText = Str("END OF PROGRAM");
      return END;
    }
    if (!isDigit(c)) {
      unGetChar(c);
      break;
    }
    text += static_cast<char>(c);
  }
  int value = 0;
  std::sscanf(text.c_str(), "%d", &value);
  yylval.number = value;
  tokenText = Str("") << value;
  return NUMBER;
}

}  // namespace

int getChar() {
  if (!pushBack.empty()) {
    int c = static_cast<unsigned char>(pushBack.back());
    pushBack.pop_back();
    return c;
  }
  if (!CP || !CP->input) return EOF;
  return std::getc(CP->input);
}

void unGetChar(int c) {
  if (pushBack.size() >= kPushBackSize) throw Str("Too many characters given back to the input");
  pushBack.push_back(static_cast<char>(c));
}

// A read error ends the input like its end does.
bool isEof() {
  return pushBack.empty() && (!CP || !CP->input || std::feof(CP->input) || std::ferror(CP->input));
}

void skip() {
  int c = getChar();
  while (isBlank(c)) {
    if (c == '\n') countLine();
    c = getChar();
  }
  if (c != EOF) unGetChar(c);
}

void setLineNumber(int line) {
  lineNumber = line;
  if (CP) CP->line = line;
}

bool initlex() {
  static const std::pair<const char*, int> keywords[] = {
      {"Object", KW_OBJECT},
      {"GUserID", KW_GUSERID},
      {"GUserTime", KW_GUSERID},
      {"Static", KW_STATIC},
      {"Attributes", KW_ATTRIBUTES},
      {"NULL", KW_NULL},
      {"NOT", KW_NOT},
      {"Icon", KW_ICON},
      {"_______List", KW_LIST},
      {"of", KW_OF},
      {"PK", KW_PK},
      {"FK", KW_FK},
      {"DataWindow", KW_DATAWINDOW},
      {"editable", KW_EDITABLE},
      {"Methods", KW_METHODS},
      {"Views", KW_VIEWS},
      {"Class", KW_CLASS},
      {"Window", KW_WINDOW},
      {"SK", KW_SK},
      {"AUTO_INCREMENT", KW_AUTO_INCREMENT},
      {"GK", KW_GK},
      {"HIDE", KW_HIDE},
      {"NOTAB", KW_NOTAB},
      {"INDEX", KW_INDEX},
      {"UNIQUE", KW_UNIQUE},
      {"Abstract", KW_ABSTRACT},
      {"Virtual", KW_VIRTUAL},
      {"Singular", KW_SINGULAR},
      {"UnArch", KW_UNARCH},
      {"Master", KW_MASTER},
      {"Slave", KW_SLAVE},
      {"returns", KW_RETURNS},
      {"return", KW_RETURNS},
      {"Select", KW_SELECT},
      {"Manual", KW_MANUAL},
      {"Exists", KW_EXISTS},
      {"exclude", KW_EXCLUDE},
      {"StandardInput", KW_STANDARDINPUT},
      {"Internal", KW_INTERNAL},
      {"Report", KW_REPORT},
      {"Folder", KW_FOLDER},
      {"const", KW_CONST},
      {"adding", KW_ADDING},
      {"removing", KW_REMOVING},
      {"modifying", KW_MODIFYING},
      {"long", KW_LONG},
      {"View", KW_VIEW},
      {"include", KW_INCLUDE},
      {"parent", KW_PARENT},
      {"embed", KW_EMBED},
      {"types", KW_TYPES},
      {"dispatched", KW_DISPATCHED},
      {"RowName", KW_ROWNAME},
      {"WhenEmpty", KW_WHENEMPTY},
      {"by", KW_BY},
      {"all", KW_ALL},
      {"not_referencible", KW_NOT_REFERENCIBLE},
      {"Groups", KW_GROUPS},
      {"access", KW_ACCESS},
      {"granted", KW_GRANTED},
      {"denied", KW_DENIED},
      {"denyed", KW_DENIED},
      {"audit", KW_AUDIT},
      {"writable", KW_WRITABLE},
      {"addable", KW_ADDABLE},
      {"updatable", KW_UPDATABLE},
      {"removable", KW_REMOVABLE},
      {"readonly", KW_READONLY},
  };
  keywordTable.clear();
  for (const auto& [word, code] : keywords) keywordTable[Str(word)] = code;
  tabooTable.clear();
  loadTabooTable(tabooTable);
  return true;
}

int yylex() {
  for (;;) {
    skip();
    int c = getChar();
    while (startsLineComment(c)) {
      readLineComment();
      skip();
      c = getChar();
    }
    if (c != EOF) unGetChar(c);
    PatchWord patchWord = readPatchWord();
    if (patchWord == PatchWord::refusedName) return refuse("NUL character in patch name");
    if (patchWord == PatchWord::handled) continue;
    c = getChar();
    if (c == EOF && isEof()) {
      if (endOfInput()) continue;
      tokenText = Str("END OF PROGRAM");
      return END;
    }
    if (isLetter(c) || c == '_') return readWord(c);
    if (c == '"') return readStringLiteral();
    if (c == '/') {
      int follower = getChar();
      if (follower == '*') return readBlockComment();
      if (follower != EOF) unGetChar(follower);
    }
    if (c == '-') {
      int follower = getChar();
      if (follower != EOF) unGetChar(follower);
      if (isDigit(follower)) return readNumber(c);
    }
    if (isDigit(c)) return readNumber(c);
    tokenText = Str(static_cast<char>(c));
    return c;
  }
}

void yyerror(const char* message) {
  if (refusalReported) {
    refusalReported = false;
    return;
  }
  std::cout << '"' << (CP ? CP->fileName : Str("")) << "\", line " << lineNumber << ": Error: " << message
            << " before token " << tokenText << std::endl;
}

namespace {

// The item of this value in the first enumeration, in type-name order, that
// has one. Each enumeration is looked up by value, not walked: a long
// enumeration named by many defaults would otherwise cost quadratic time.
const ChkLine* findEnumItem(const char* name) {
  for (const auto& [type, items] : TypesPool.InitsList())
    if (const ChkLine* item = TypesPool.findItem(type, Str(name))) return item;
  return nullptr;
}

}  // namespace

bool isenum(const char* name) { return findEnumItem(name) != nullptr; }

int getEnumVal(const char* name) {
  const ChkLine* item = findEnumItem(name);
  return item ? item->code : 0;
}

void resetLexer() {
  lineNumber = 1;
  tokenText = Str();
  keywordTable.clear();
  tabooTable.clear();
  strings.clear();
  pushBack.clear();
  tokenTexts.clear();
  refusalReported = false;
  includeStack.clear();
  nestedProjects().clear();
}
