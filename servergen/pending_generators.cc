// Generator members that are not written yet. Each refuses with a clear error,
// so a step that reaches one ends with its message and status 1 instead of
// leaving a half-written server behind as a success. A member moves out of
// this file into its generator's own source when it is written.
#include "model/attrib_list.h"
#include "servergen/body_generator.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/main_generator.h"
#include "servergen/shell_generator.h"

namespace {

[[noreturn]] void unavailable(const char* what) { throw Str(what) << " is not available yet."; }

}  // namespace


// Server container.
void ShellGenerator::Generate(int, bool) { unavailable("Writing the server container"); }
Str ShellGenerator::printValidation(const Str&, const Str&, bool) { unavailable("Writing the argument checks"); }
bool ShellGenerator::NeedConvert(const Str&) { unavailable("Choosing the argument conversions"); }
Str ShellGenerator::Convert(const Str&, const Str&) { unavailable("Writing the argument conversions"); }

// Server main program and method bodies.
void MainGenerator::Generate(bool) { unavailable("Writing the server main program"); }
void BodyGenerator::Generate(bool) { unavailable("Writing the server body skeleton"); }
void BodyGenerator::printInclude(ClassDesc*) { unavailable("Writing the object-layer includes"); }
