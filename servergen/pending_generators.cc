// Generator members that are not written yet. Each refuses with a clear error,
// so a step that reaches one ends with its message and status 1 instead of
// leaving a half-written server behind as a success. A member moves out of
// this file into its generator's own source when it is written.
#include "model/attrib_list.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/script_generator.h"

namespace {

[[noreturn]] void unavailable(const char* what) { throw Str(what) << " is not available yet."; }

}  // namespace

// Script declarations and HTML help.
void OrvaleGenerator::Generate() { unavailable("Writing the script declarations"); }
void OrvaleGenerator::GenerateHTMLHelp() { unavailable("Writing the HTML help"); }
void OrvaleGenerator::GenerateHTMLHelpForMethod(const Str&, const MethodDesc&) {
  unavailable("Writing the HTML help page of a method");
}
