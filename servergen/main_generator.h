#pragma once
// MainGenerator: main<P>.cc, the main function of the generated server.
#include <ostream>
#include <utility>

#include "rt/str.h"

// Appended to the default database name "<P>/<P>" of the generated server;
// it stays empty for the whole run.
extern Str dbPostfix;

class MainGenerator {
public:
  MainGenerator(std::ostream& out, Str project) : out_(out), project_(std::move(project)) {}

  // Callers pass false.
  void Generate(bool unused);

private:
  std::ostream& out_;
  Str project_;
};
