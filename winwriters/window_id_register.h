#pragma once
// The window-number register wid.txt: one line per window, the window id, a
// blank and its window number. It is read at the start of an XML run and
// written back at its end with every entry it held.
#include <map>

#include "rt/str.h"

class WindowIdRegister {
public:
  // Reads `path` when it exists; a missing file gives an empty register.
  // Answers false when the file exists but could not be read to its end:
  // writing the register back then would lose the entries not read.
  bool load(const Str& path);
  // Writes every entry back, in window-id order. The register is replaced
  // whole or not at all: when it cannot be written, the answer is false and
  // the file stays as it was, so no window number is lost.
  bool save(const Str& path) const;

  std::map<Str, Str> entries;  // window id -> window number
};
