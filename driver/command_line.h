#pragma once
// The command line of tarvic: switches go into the process-wide option map,
// -lang= into the language, -patch names into the patch set; the rest is
// returned to the run sequence.
#include "rt/str.h"

struct CommandLine {
  Str descriptionFile;            // last argument without a dash; null when none
  Str docPath = "./DataScheme";   // -path=
  Str localeText = "";            // -locales=
  Str error;                      // a message when the command line is unusable
};

CommandLine scanCommandLine(int argc, const char* const* argv);

// Prints the usage text and ends the process with status 0.
[[noreturn]] void usage(const char* programName);
