#pragma once
// The command line of tarvic: switches go into the process-wide option map,
// -lang= into the language, -patch names into the patch set; the rest is
// returned to the run sequence.
#include "rt/str.h"

struct CommandLine {
  Str descriptionFile;            // last argument without a dash; null when none
  Str docPath = "./DataScheme";   // -path=
  Str localeText = "";            // -locales= (a later one wins)
  Str error;                      // null, or why the command line cannot be run
};

// Scans every argument, first to last. A -patch without a name is recorded in
// `error`; the scan still goes on so that -help is honoured.
CommandLine scanCommandLine(int argc, const char* const* argv);

// Prints the usage text and ends the process with status 0, or 1 when the
// text could not be written.
[[noreturn]] void usage(const char* programName);
