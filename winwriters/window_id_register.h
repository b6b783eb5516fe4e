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
  // Writes every entry back, in window-id order; answers false when the file
  // cannot be created or written.
  bool save(const Str& path) const;

  std::map<Str, Str> entries;  // window id -> window number
};
