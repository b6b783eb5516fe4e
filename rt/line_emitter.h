#pragma once
// LineEmitter: writes generated lines with named substitutions, so that a
// generator keeps each line's exact text in one piece:
//   out.line("class $S$_Struct {", {{"S", name}});
// Every $name$ is replaced by the value given for it; "$$" writes one "$".
// A name without a value, or a "$" left open, is an error (a thrown Str).
// Nothing else is changed: no blank or line end is added or removed beyond
// the one line end that line() writes.
#include <initializer_list>
#include <ostream>
#include <utility>

#include "rt/str.h"
#include "rt/stream_joiner.h"

class LineEmitter {
public:
  using Vars = std::initializer_list<std::pair<const char*, Str>>;

  explicit LineEmitter(std::ostream& out) : out_{&out} {}
  explicit LineEmitter(const StreamJoiner& out) : out_(out) {}

  // The text with its substitutions, then a line end ("\n").
  void line(const char* text, Vars vars = {});
  // The text with its substitutions, without a line end.
  void put(const char* text, Vars vars = {});

  // The text with its substitutions made.
  static Str expand(const char* text, Vars vars);

private:
  StreamJoiner out_;
};
