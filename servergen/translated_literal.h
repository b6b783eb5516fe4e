#pragma once
// A word of the generated program's messages, translated, as it goes between
// the quotes of a generated C++ string literal.
#include "model/process_state.h"
#include "rt/cpp_literal.h"

inline Str trLiteral(const char* english) { return cppLiteralText(tr(english)); }
