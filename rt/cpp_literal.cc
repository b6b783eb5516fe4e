#include "rt/cpp_literal.h"

#include <string>

Str cppLiteralText(const Str& text) {
  std::string r;
  r.reserve(text.length());
  for (char c : text.std()) {
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
