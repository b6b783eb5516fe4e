#pragma once
// One run of tarvic: command line, dictionary, parse of the main project and
// the generation steps in their fixed order. Answers the exit status.
int runTarvic(int argc, const char* const* argv);
