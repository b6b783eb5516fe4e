#pragma once
// The items a declared type may carry in the type registry: the items of an
// enumeration (ChkLine) and the items of an alias type (AliasItem).
#include <map>

#include "rt/str.h"

struct ChkLine {
  Str value;
  int code = 0;
  Str comment;
  std::map<Str, Str> options;  // option key -> text
};

struct AliasItem {
  Str alias;
  Str value;
};
