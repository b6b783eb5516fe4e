// libFuzzer target for the window-number register wid.txt and the list of
// prohibited identifiers taboo.txt. The register must come back unchanged
// after it has been written and read again.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "frontend/taboo.h"
#include "tests/fuzz/fuzz_support.h"
#include "winwriters/window_id_register.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterScratchDirectory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  writeFile("wid.txt", data, size);
  WindowIdRegister first;
  if (!first.load("wid.txt")) std::abort();
  if (!first.save("wid2.txt")) std::abort();
  WindowIdRegister second;
  if (!second.load("wid2.txt")) std::abort();
  if (first.entries != second.entries) {
    std::fprintf(stderr, "wid.txt does not survive a save and a load\n");
    std::abort();
  }

  std::FILE* list = std::fopen("wid.txt", "r");
  std::map<Str, Str> taboo;
  readTabooList(list, taboo);
  std::fclose(list);
  for (const auto& [word, reason] : taboo)
    if (word != word.toUpper() || word.find(' ') != Str::npos || word.find('\t') != Str::npos) std::abort();
  return 0;
}
