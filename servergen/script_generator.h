#pragma once
// OrvaleGenerator: the script-language declarations of the server's results
// (<P>_Structs.orv) and the HTML help: the index page and one page per method.
#include <ostream>
#include <utility>

#include "rt/str.h"

class MethodDesc;

class OrvaleGenerator {
public:
  OrvaleGenerator(std::ostream& structs, std::ostream& html, Str project)
      : structs_(structs), html_(html), project_(std::move(project)) {}

  void Generate();
  void GenerateHTMLHelp();
  // .src/HTML/<method>.html for the method under the method map's cursor.
  void GenerateHTMLHelpForMethod(const Str& className, const MethodDesc& method);

private:
  std::ostream& structs_;
  std::ostream& html_;
  Str project_;
};
