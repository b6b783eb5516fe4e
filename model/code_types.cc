#include "model/code_types.h"

#include "model/process_state.h"
#include "model/types_house.h"
#include "rt/cpp_literal.h"

const Str& codeTypeOf(const Attributes& a) { return TypesPool.findType(a.Type(), "C"); }

bool isCharPointer(const Str& codeType) { return codeType == "char*" || codeType == "char *"; }

Str declaredTypeOf(const Str& codeType) { return isCharPointer(codeType) ? Str("Str") : codeType; }

Str valueTypeOf(const Attributes& a) {
  return TypesPool.isEnum(a.Type()) ? a.Type() : TypesPool.findType(a.Type(), "WS");
}

Str cppValueOf(const Attributes& a, const Str& value) {
  const Str& code = codeTypeOf(a);
  bool text = isCharPointer(code) || code == "Str";
  if (!text || value == "GUserID" || value == "GUserTime") return value;
  return "\"" + cppLiteralText(value) + "\"";
}

Str initialValueOf(const Attributes& a) { return cppValueOf(a, a.DefInit()); }

Str updateValueOf(const Attributes& a) { return cppValueOf(a, a.DefUpdate()); }
