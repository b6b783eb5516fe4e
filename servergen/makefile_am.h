#pragma once
// writeMakefileAm: the automake input Makefile.am of the generated server of
// the main project, merged with the user's optional Makeoptions.am, and the
// list .<P>.depend of the other projects' description files, both in the
// working directory.
#include "rt/str.h"

void writeMakefileAm(const Str& project);
