// libFuzzer target for the locale.dct loader: the input is the file; the
// words looked up afterwards are the items the file itself holds, so the
// lookups reach the rows that were loaded.
#include <cstdlib>
#include <string>

#include "model/adict.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterScratchDirectory();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  writeFile("locale.dct", data, size);
  for (int target : {int(ADict::russian), int(ADict::german), 12}) {
    ADict dict("locale.dct", ADict::english, target);
    const char* unknown = "no such word at all";
    if (dict.translate(unknown) != unknown) std::abort();
    // Every quoted item of the first lines as a key in every column.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t quote = 0;
    for (int items = 0; items < 64 && (quote = text.find('"', quote)) != std::string::npos; ++items) {
      std::size_t close = text.find('"', quote + 1);
      if (close == std::string::npos) break;
      std::string word = text.substr(quote + 1, close - quote - 1);
      for (int column = -1; column <= ADict::lang_amount; ++column) {
        const char* found = dict.getItem(word.c_str(), column, target, column % 3 - 1);
        if (!found) std::abort();
      }
      dict.translate(word.c_str());
      quote = close + 1;
    }
  }
  // One line given directly: an unclosed quote is the documented "Syntax error".
  ADict dict("locale.dct", ADict::english, ADict::russian);
  try {
    dict.setItem(std::string(reinterpret_cast<const char*>(data), size).c_str());
  } catch (const Str& error) {
    if (error != "Syntax error") std::abort();
  }
  return 0;
}
