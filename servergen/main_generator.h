#pragma once
// MainGenerator: main<P>.cc, the main function of the generated server.
#include <ostream>
#include <utility>

#include "rt/str.h"

class MainGenerator {
public:
  MainGenerator(std::ostream& out, Str project) : out_(out), project_(std::move(project)) {}

  // Callers pass false.
  void Generate(bool unused);

private:
  std::ostream& out_;
  Str project_;
};
