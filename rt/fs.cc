#include "rt/fs.h"

#include <filesystem>
#include <system_error>

namespace FS {

bool Dir::fcreate(const Str& path, bool recursive) {
  std::error_code ec;
  std::filesystem::path p(path.std());
  if (recursive)
    std::filesystem::create_directories(p, ec);
  else
    std::filesystem::create_directory(p, ec);
  return std::filesystem::is_directory(p, ec);
}

}  // namespace FS
