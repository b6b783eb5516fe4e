#include "rt/str.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string_view>

Str::Str(const char* text) : text_(text ? text : ""), null_(text == nullptr) {}

Str::Str(const char* text, std::size_t length) : null_(text == nullptr) {
  if (text) text_.assign(text, length);
}

Str::Str(char c) : text_(1, c), null_(false) {}

Str& Str::operator<<(const Str& s) {
  text_ += s.text_;
  null_ = false;
  return *this;
}
Str& Str::operator<<(const char* s) {
  if (s) text_ += s;
  null_ = false;
  return *this;
}
Str& Str::operator<<(const std::string& s) {
  text_ += s;
  null_ = false;
  return *this;
}
Str& Str::operator<<(char c) {
  text_ += c;
  null_ = false;
  return *this;
}
Str& Str::operator<<(int n) { return *this << std::to_string(n); }
Str& Str::operator<<(long n) { return *this << std::to_string(n); }
Str& Str::operator<<(long long n) { return *this << std::to_string(n); }
Str& Str::operator<<(unsigned n) { return *this << std::to_string(n); }
Str& Str::operator<<(unsigned long n) { return *this << std::to_string(n); }
Str& Str::operator<<(unsigned long long n) { return *this << std::to_string(n); }

std::size_t Str::find(const Str& what, std::size_t from) const {
  return text_.find(what.text_, from);
}
std::size_t Str::find(char c, std::size_t from) const { return text_.find(c, from); }
std::size_t Str::rfind(char c) const { return text_.rfind(c); }

Str Str::substr(std::size_t pos, std::size_t len) const {
  if (pos >= text_.size()) return Str("");
  return Str(text_.substr(pos, len));
}

bool Str::startsWith(const Str& prefix) const {
  return text_.compare(0, prefix.text_.size(), prefix.text_) == 0;
}

bool Str::endsWith(const Str& suffix) const {
  return text_.size() >= suffix.text_.size() &&
         text_.compare(text_.size() - suffix.text_.size(), suffix.text_.size(), suffix.text_) == 0;
}

Str Str::toUpper() const {
  Str r(*this);
  for (char& c : r.text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

Str Str::toLower() const {
  Str r(*this);
  for (char& c : r.text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

Str Str::trim() const {
  if (null_) return Str();
  static const char* const blanks = " \t\r\n";
  std::size_t b = text_.find_first_not_of(blanks);
  if (b == std::string::npos) return Str("");
  std::size_t e = text_.find_last_not_of(blanks);
  return Str(text_.substr(b, e - b + 1));
}

int Str::toInt() const {
  long long value = std::strtoll(text_.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool endsTrigraph(const std::string& text, std::size_t i) {
  return i > 0 && i + 1 < text.size() && text[i] == '?' && text[i - 1] == '?' &&
         std::string_view("=/'()!<>-").find(text[i + 1]) != std::string_view::npos;
}

std::string backSlashed(const std::string& text, bool tabs) {
  std::string r;
  r.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (endsTrigraph(text, i)) {
      r += "\\?";
      continue;
    }
    switch (c) {
      case '\\': r += "\\\\"; break;
      case '"': r += "\\\""; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      case '\t': r += tabs ? "\\t" : "\t"; break;
      default: r += c;
    }
  }
  return r;
}

Str Str::backSlashify() const {
  if (null_) return Str();
  return Str(backSlashed(text_, true));
}

Str Str::replaceStr(const Str& from, const Str& to) const {
  if (from.text_.empty()) return *this;
  std::string r;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text_.find(from.text_, pos)) != std::string::npos;
       pos = hit + from.text_.size())
    r.append(text_, pos, hit - pos).append(to.text_);
  r.append(text_, pos, std::string::npos);
  Str out(std::move(r));
  out.null_ = null_;
  return out;
}

bool Str::checkRegExp(const Str& pattern) const {
  try {
    return std::regex_search(text_, std::regex(pattern.text_, std::regex::extended));
  } catch (const std::regex_error&) {
    return false;
  }
}

bool operator==(const Str& a, const char* b) { return a.std() == (b ? b : ""); }
bool operator==(const char* a, const Str& b) { return b == a; }
bool operator!=(const Str& a, const Str& b) { return !(a == b); }
bool operator!=(const Str& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const Str& b) { return !(b == a); }
bool operator>(const Str& a, const Str& b) { return b < a; }
std::strong_ordering operator<=>(const Str& a, const Str& b) { return a.std().compare(b.std()) <=> 0; }

namespace {

// The text of `a` with room for `more` bytes after it.
Str withRoom(const Str& a, std::size_t more) {
  std::string text;
  text.reserve(a.length() + more);
  text += a.std();
  Str out(std::move(text));
  if (a.IsNull()) out = Str();
  return out;
}

}  // namespace

Str operator+(const Str& a, const Str& b) { return withRoom(a, b.length()) << b; }
Str operator+(const Str& a, const char* b) { return withRoom(a, b ? std::strlen(b) : 0) << b; }
Str operator+(const char* a, const Str& b) { return withRoom(Str(a ? a : ""), b.length()) << b; }
Str operator+(const Str& a, const std::string& b) { return Str(a) << b; }
Str operator+(const Str& a, char c) { return Str(a) << c; }
Str operator+(const Str& a, int n) { return Str(a) << n; }
Str operator+(const Str& a, long n) { return Str(a) << n; }
Str operator+(const Str& a, unsigned n) { return Str(a) << n; }
Str operator+(const Str& a, unsigned long n) { return Str(a) << n; }
Str operator+(Str&& a, const Str& b) { return std::move(a << b); }
Str operator+(Str&& a, const char* b) { return std::move(a << b); }
Str operator+(Str&& a, const std::string& b) { return std::move(a << b); }
Str operator+(Str&& a, char c) { return std::move(a << c); }
Str operator+(Str&& a, int n) { return std::move(a << n); }
Str operator+(Str&& a, long n) { return std::move(a << n); }
Str operator+(Str&& a, unsigned n) { return std::move(a << n); }
Str operator+(Str&& a, unsigned long n) { return std::move(a << n); }

std::ostream& operator<<(std::ostream& out, const Str& s) { return out << s.std(); }

void strSplit(const Str& text, const Str& separator, std::list<Str>& out) {
  const std::string& t = text.std();
  const std::string& sep = separator.std();
  if (sep.empty()) {
    out.push_back(text);
    return;
  }
  std::size_t pos = 0;
  for (std::size_t hit; (hit = t.find(sep, pos)) != std::string::npos; pos = hit + sep.size())
    out.push_back(Str(t.substr(pos, hit - pos)));
  out.push_back(Str(t.substr(pos)));
}
