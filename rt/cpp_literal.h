#pragma once
// The form of a text that goes between the double quotes of a generated C++
// string literal.
#include "rt/str.h"

// Escapes backslash, double quote, line feed and carriage return (a compiler
// reads either line end as the end of the unterminated literal), so that the
// literal holds exactly `text`. Every other byte is kept as it is.
Str cppLiteralText(const Str& text);
