#include "rt/cpp_literal.h"

#include <string>

Str cppLiteralText(const Str& text) {
  const std::string& s = text.std();
  std::string r;
  r.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (endsTrigraph(s, i)) {
      r += "\\?";
      continue;
    }
    switch (c) {
      case '\\': r += "\\\\"; break;
      case '"': r += "\\\""; break;
      case '\n': r += "\\n"; break;
      case '\r': r += "\\r"; break;
      default: r += c;
    }
  }
  return Str(std::move(r));
}

Str cppCommentText(const Str& text) {
  std::string r = text.std();
  for (char& c : r)
    if (c == '\n' || c == '\r') c = ' ';
  std::size_t end = r.find_last_not_of(" \t\f\v");
  if (end == std::string::npos) return Str(std::move(r));
  bool continues = r[end] == '\\' || (r[end] == '/' && end >= 2 && r.compare(end - 2, 2, "??") == 0);
  if (continues) r += '.';
  return Str(std::move(r));
}
