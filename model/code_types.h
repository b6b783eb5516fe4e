#pragma once
// How an attribute's type appears in generated C++: its code type is the
// field "C" of the type in the type registry. A character-pointer code type
// ("char*" or "char *") would not own its text, so generated variables of
// that type are declared Str.
#include "model/attributes.h"
#include "rt/str.h"

// Throws the type registry's error when the attribute's type is not declared.
const Str& codeTypeOf(const Attributes& a);
bool isCharPointer(const Str& codeType);
// "Str" for a character-pointer code type, the code type itself otherwise.
Str declaredTypeOf(const Str& codeType);
// The name of the attribute's value type in generated code (behind "AC_"):
// the type's own name for an enumeration, else the type's field "WS".
Str valueTypeOf(const Attributes& a);
// A value of the attribute given in the description as a C++ expression: a
// text of a text column becomes a string literal; numbers, enumeration items
// and the globals GUserID and GUserTime (the audit values the server sets)
// stand as written.
Str cppValueOf(const Attributes& a, const Str& value);
// The initial and the update value of the attribute, through cppValueOf.
Str initialValueOf(const Attributes& a);
Str updateValueOf(const Attributes& a);
