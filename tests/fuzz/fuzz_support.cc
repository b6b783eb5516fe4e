#include "tests/fuzz/fuzz_support.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <streambuf>

std::jmp_buf exitTrap;
bool exitTrapArmed = false;

// The fuzz targets link with --wrap=exit: every call of exit() lands here.
extern "C" [[noreturn]] void __real_exit(int status);
extern "C" [[noreturn]] void __wrap_exit(int status) {
  if (exitTrapArmed) {
    exitTrapArmed = false;
    std::longjmp(exitTrap, 1);
  }
  __real_exit(status);
}

std::string enterScratchDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvic-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  std::filesystem::current_path(pattern);
  return pattern;
}

void writeFile(const std::string& name, const unsigned char* data, std::size_t size) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void writeFile(const std::string& name, const std::string& text) {
  writeFile(name, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

namespace {
class NullBuffer : public std::streambuf {
protected:
  int overflow(int c) override { return c == EOF ? 0 : c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};
}  // namespace

void silenceStandardOutput() {
  static NullBuffer nowhere;
  std::cout.rdbuf(&nowhere);
}
