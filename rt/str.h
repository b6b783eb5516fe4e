#pragma once
// Str: the text type used for every name, value and message of the compiler.
// A Str is either null (no text at all) or a byte string, possibly empty.
// Texts are carried as bytes and never decoded. Ordering is byte-wise on
// unsigned bytes with a prefix before its extensions, so every map keyed by
// Str walks in the same order on every machine.
#include <compare>
#include <cstddef>
#include <list>
#include <ostream>
#include <string>

class Str {
public:
  Str() = default;                    // null
  Str(const char* text);              // null when text is nullptr
  Str(const char* text, std::size_t length);
  explicit Str(char c);
  Str(const std::string& text) : text_(text), null_(false) {}
  Str(std::string&& text) : text_(std::move(text)), null_(false) {}

  bool IsNull() const { return null_; }
  bool IsEmpty() const { return null_ || text_.empty(); }
  // The characters; an empty text for null.
  const char* str() const { return text_.c_str(); }
  operator const char*() const { return text_.c_str(); }
  const std::string& std() const { return text_; }
  std::size_t length() const { return text_.size(); }
  char operator[](std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  char operator[](int i) const { return operator[](static_cast<std::size_t>(i)); }

  // Appending; a null text becomes non-null once something is appended.
  Str& operator<<(const Str& s);
  Str& operator<<(const char* s);
  Str& operator<<(const std::string& s);
  Str& operator<<(char c);
  Str& operator<<(int n);
  Str& operator<<(long n);
  Str& operator<<(long long n);
  Str& operator<<(unsigned n);
  Str& operator<<(unsigned long n);
  Str& operator<<(unsigned long long n);
  Str& operator+=(const Str& s) { return *this << s; }

  // Searching and cutting; positions are byte offsets, npos when not found.
  static constexpr std::size_t npos = std::string::npos;
  std::size_t find(const Str& what, std::size_t from = 0) const;
  std::size_t find(char c, std::size_t from = 0) const;
  std::size_t rfind(char c) const;
  Str substr(std::size_t pos, std::size_t len = npos) const;
  bool startsWith(const Str& prefix) const;
  bool endsWith(const Str& suffix) const;

  Str toUpper() const;         // ASCII letters only
  Str toLower() const;         // ASCII letters only
  Str trim() const;            // drops blanks, tabs, CR and LF at both ends
  // The leading decimal number (after blanks, with its sign); 0 when there is
  // none; a number beyond the range of int gives the nearest limit.
  int toInt() const;
  // Escapes backslash, double quote and control characters (\n, \t, \r) with
  // a backslash so the text can stand inside a double-quoted string, and
  // writes the second '?' of a trigraph as "\?" (see endsTrigraph).
  Str backSlashify() const;
  Str replaceStr(const Str& from, const Str& to) const;  // every occurrence
  bool checkRegExp(const Str& pattern) const;            // searches anywhere

private:
  std::string text_;
  bool null_ = true;
};

// Whether the '?' at `i` of `text` would end the first two characters of a
// trigraph ("??" followed by one of = / ' ( ) ! < > -): a compiler that reads
// trigraphs would turn "??/" into a backslash inside a generated literal.
// Escaping that '?' as "\?" keeps the literal's text and forms no trigraph.
bool endsTrigraph(const std::string& text, std::size_t i);
// The text with backslash, double quote, line feed and carriage return (and
// the tab when `tabs`) escaped by a backslash, and no trigraph formed.
std::string backSlashed(const std::string& text, bool tabs);

// Comparison treats null like the empty text. The comparisons that keep maps
// ordered are inline: they run for every step of every search.
inline bool operator==(const Str& a, const Str& b) { return a.std() == b.std(); }
bool operator==(const Str& a, const char* b);
bool operator==(const char* a, const Str& b);
bool operator!=(const Str& a, const Str& b);
bool operator!=(const Str& a, const char* b);
bool operator!=(const char* a, const Str& b);
inline bool operator<(const Str& a, const Str& b) { return a.std() < b.std(); }
// Declared so that pairs and tuples of texts compare by text: without it the
// implicit conversion to a character pointer would order them by address.
std::strong_ordering operator<=>(const Str& a, const Str& b);
bool operator>(const Str& a, const Str& b);

Str operator+(const Str& a, const Str& b);
Str operator+(const Str& a, const char* b);
Str operator+(const char* a, const Str& b);
Str operator+(const Str& a, const std::string& b);
Str operator+(const Str& a, char c);
Str operator+(const Str& a, int n);
Str operator+(const Str& a, long n);
Str operator+(const Str& a, unsigned n);
Str operator+(const Str& a, unsigned long n);
// A temporary on the left is extended in place, so that a chain such as
// a + "x" + b + "y" fills one text instead of copying it at every step.
Str operator+(Str&& a, const Str& b);
Str operator+(Str&& a, const char* b);
Str operator+(Str&& a, const std::string& b);
Str operator+(Str&& a, char c);
Str operator+(Str&& a, int n);
Str operator+(Str&& a, long n);
Str operator+(Str&& a, unsigned n);
Str operator+(Str&& a, unsigned long n);

std::ostream& operator<<(std::ostream& out, const Str& s);

// Appends to `out` the pieces of `text` between the separators. Every piece
// is kept, empty ones included; callers that want no empty pieces skip them.
void strSplit(const Str& text, const Str& separator, std::list<Str>& out);
