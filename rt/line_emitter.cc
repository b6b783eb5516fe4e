#include "rt/line_emitter.h"

#include <cstring>
#include <string>

namespace {

// Appends the text with its substitutions made to `out`; the pieces go
// straight into it, so a line costs no text of its own.
void expandInto(std::string& out, const char* text, LineEmitter::Vars vars) {
  for (const char* p = text; *p;) {
    const char* open = std::strchr(p, '$');
    if (!open) {
      out += p;
      break;
    }
    out.append(p, static_cast<std::size_t>(open - p));
    const char* close = std::strchr(open + 1, '$');
    if (!close) throw Str("Generated line with an unclosed '$': ") + text;
    const char* name = open + 1;
    std::size_t length = static_cast<std::size_t>(close - name);
    if (length == 0) {
      out += '$';
    } else {
      const Str* value = nullptr;
      for (const auto& [key, v] : vars) {
        // A name holds neither "$" nor a NUL, so the walk stops at the
        // key's end at the latest.
        std::size_t same = 0;
        while (same < length && key[same] == name[same]) ++same;
        if (same == length && key[same] == '\0') {
          value = &v;
          break;
        }
      }
      if (!value) throw Str("Generated line names the unknown '$") + Str(name, length) + "$': " + text;
      out += value->std();
    }
    p = close + 1;
  }
}

// The text of the line being written, kept from line to line so that its
// room is allocated once.
std::string& lineBuffer() {
  thread_local std::string buffer;
  buffer.clear();
  return buffer;
}

}  // namespace

Str LineEmitter::expand(const char* text, Vars vars) {
  std::string out;
  expandInto(out, text, vars);
  return Str(std::move(out));
}

void LineEmitter::line(const char* text, Vars vars) {
  std::string& buffer = lineBuffer();
  expandInto(buffer, text, vars);
  buffer += '\n';
  out_.write(buffer.data(), buffer.size());
}

void LineEmitter::put(const char* text, Vars vars) {
  std::string& buffer = lineBuffer();
  expandInto(buffer, text, vars);
  out_.write(buffer.data(), buffer.size());
}
