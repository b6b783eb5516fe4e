#pragma once
// MakeoptionsMerger: turns the lines of the user's Makeoptions.am into lines
// of the generated Makefile.am. Assignments to the server's own variables
// (<P>_SOURCES, ...) become additions to those of the library lib<P>.la, the
// program and library lists are added to, and the words of every *_SOURCES
// value are collected for the rule that searches the sources for undefined
// server methods.
#include <set>

#include "rt/str.h"

class MakeoptionsMerger {
public:
  // `definedAbove`: the variables Makefile.am defines before the merged lines.
  MakeoptionsMerger(const Str& project, std::set<Str> definedAbove);

  // The Makefile.am line for one Makeoptions.am line (without its line end).
  Str merge(const Str& line);
  // The values of the *_SOURCES lines merged so far, each followed by a blank.
  const Str& sources() const { return sources_; }

private:
  Str p_;
  std::set<Str> defined_;
  Str sources_;
};
