#pragma once
// How a text of the description appears in generated C++: between the
// double quotes of a string literal, or as the text of a `//` comment.
#include "rt/str.h"

// Escapes backslash, double quote, line feed and carriage return (a compiler
// reads either line end as the end of the unterminated literal), so that the
// literal holds exactly `text`, and writes the second '?' of a trigraph as
// "\?" (see endsTrigraph). Every other byte is kept as it is.
Str cppLiteralText(const Str& text);

// The text of a `//` comment that stays on its line: line feeds and carriage
// returns, which would end the comment and let the rest of the text be read
// as code, become blanks; a text whose last character other than a blank is
// a backslash or the trigraph "??/" gets a full stop at its end, since a
// backslash before the line end (even with blanks between) would continue
// the comment onto the next line.
Str cppCommentText(const Str& text);
