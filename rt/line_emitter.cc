#include "rt/line_emitter.h"

#include <cstring>

Str LineEmitter::expand(const char* text, Vars vars) {
  Str out("");
  for (const char* p = text; *p;) {
    const char* open = std::strchr(p, '$');
    if (!open) {
      out << p;
      break;
    }
    out << Str(p, static_cast<std::size_t>(open - p));
    const char* close = std::strchr(open + 1, '$');
    if (!close) throw Str("Generated line with an unclosed '$': ") + text;
    Str name(open + 1, static_cast<std::size_t>(close - open - 1));
    if (name.IsEmpty()) {
      out << '$';
    } else {
      const Str* value = nullptr;
      for (const auto& [key, v] : vars) {
        if (name == key) {
          value = &v;
          break;
        }
      }
      if (!value) throw Str("Generated line names the unknown '$") + name + "$': " + text;
      out << *value;
    }
    p = close + 1;
  }
  return out;
}

void LineEmitter::line(const char* text, Vars vars) { out_ << expand(text, vars) << "\n"; }

void LineEmitter::put(const char* text, Vars vars) { out_ << expand(text, vars); }
