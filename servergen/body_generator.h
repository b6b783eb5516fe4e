#pragma once
// BodyGenerator: the skeleton of the server class, <P>body.h and <P>body.cc,
// and the macros of <P>internals.h, which it opens itself.
#include <ostream>
#include <utility>

#include "rt/str.h"

class ClassDesc;

class BodyGenerator {
public:
  BodyGenerator(std::ostream& header, std::ostream& source, Str project)
      : header_(header), source_(source), project_(std::move(project)) {}

  // Callers pass false.
  void Generate(bool unused);
  // The object-layer include of a class, its ancestors first.
  void printInclude(ClassDesc* cls);

private:
  std::ostream& header_;
  std::ostream& source_;
  Str project_;
};
