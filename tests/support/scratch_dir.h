#pragma once
// A fresh temporary directory for one test: made when constructed, entered as
// the working directory if asked, and left and removed with everything in it
// when destroyed. Files are written and read back byte for byte.
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

#include "rt/str.h"

// The whole content of a file; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ScratchDir {
public:
  enum Mode { stay, enter };  // whether the working directory moves into it

  explicit ScratchDir(Mode mode = stay) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvic-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::filesystem::filesystem_error("cannot make a temporary directory", pattern,
                                              std::error_code(errno, std::generic_category()));
    dir_ = pattern;
    if (mode == stay) return;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  std::filesystem::path operator/(const std::filesystem::path& relative) const { return dir_ / relative; }
  // The full path of `relative` as the program takes it.
  Str at(const std::filesystem::path& relative) const { return Str((dir_ / relative).string()); }

  // Writes `bytes` as the file `relative`, making its folders first, and
  // answers its full path.
  Str write(const std::filesystem::path& relative, const std::string& bytes = "") const {
    std::filesystem::path file = dir_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return Str(file.string());
  }
  std::string read(const std::filesystem::path& relative) const { return readFile(dir_ / relative); }
  // The names of the entries directly in it, hidden ones included.
  std::set<std::string> names() const {
    std::set<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) result.insert(entry.path().filename().string());
    return result;
  }

private:
  std::filesystem::path dir_;
  std::filesystem::path previous_;  // the working directory before, when entered
};
