#pragma once
// ShellGenerator: the server container <P>_Container.h/.cc: the method
// registration and one call stub per served method of the method map.
#include <ostream>
#include <utility>

#include "rt/str.h"

class ShellGenerator {
public:
  ShellGenerator(std::ostream& header, std::ostream& source, Str project)
      : header_(header), source_(source), project_(std::move(project)) {}

  // emptyMode 1 leaves out the built-in SQL executor; callers pass false second.
  void Generate(int emptyMode, bool unused);
  // The check text of one argument.
  Str printValidation(const Str& validator, const Str& var, bool nullable);
  // Whether a value of this value type arrives as text that must be converted.
  bool NeedConvert(const Str& ws);
  Str Convert(const Str& ws, const Str& expr);

private:
  std::ostream& header_;
  std::ostream& source_;
  Str project_;
};
