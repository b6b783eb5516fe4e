// Steps whose generators are not built. Each refuses with a clear error so a
// run that asks for them ends with status 1 instead of reporting success.
#include "model/project.h"

namespace {

[[noreturn]] void unavailable(const char* what) {
  throw Str(what) << " is not available yet.";
}

}  // namespace

void Project::printAMT(bool) { unavailable("The access-control file writer"); }
