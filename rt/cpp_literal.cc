#include "rt/cpp_literal.h"

#include <string>

Str cppLiteralText(const Str& text) { return Str(backSlashed(text.std(), false)); }

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
