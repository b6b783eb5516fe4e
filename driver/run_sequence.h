#pragma once
// One run of tarvic: command line, dictionary, parse of the main project and
// the generation steps in their fixed order. Answers the exit status.
#include "rt/str.h"

class Project;

int runTarvic(int argc, const char* const* argv);

// The pieces of a run after the command line, for callers that parse the
// main project themselves (the fuzz targets).
// Enters the main description file in the lists that the Makefile.am and the
// XML database description read.
void registerMainDescription(const Str& descriptionFile);
// Runs the generation steps the options ask for, in their fixed order, on
// the parsed main project; answers false after the first step that fails.
bool runSteps(Project& project, const Str& docPath);
