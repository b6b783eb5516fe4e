#pragma once
// Int: an integer that knows its decimal text, used when numbers go into messages.
#include "rt/str.h"

class Int {
public:
  Int(int value) : value_(value) {}
  Str getstr() const { return Str(std::to_string(value_)); }
  operator int() const { return value_; }

private:
  int value_;
};
