#pragma once
// Directory services.
#include "rt/str.h"

namespace FS {

struct Dir {
  // Creates the directory `path` (not its parents unless `recursive`). An
  // existing directory is no error. Answers whether the directory exists now.
  static bool fcreate(const Str& path, bool recursive);
};

}  // namespace FS
