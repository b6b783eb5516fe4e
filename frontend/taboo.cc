#include "frontend/taboo.h"

#include <algorithm>

namespace {

constexpr const char* kLocalList = "taboo.txt";
constexpr const char* kSharedList = "/usr/local/Vesparo/share/taboo.txt";
constexpr int kLineChunk = 4096;  // a longer line is read as several lines

}  // namespace

void readTabooList(std::FILE* list, std::map<Str, Str>& table) {
  char chunk[kLineChunk];
  while (std::fgets(chunk, sizeof chunk, list)) {
    Str line = Str(chunk).trim();
    // The identifier ends at the first tab or the first blank, whichever comes first.
    std::size_t end = std::min(line.find('\t'), line.find(' '));
    if (end == Str::npos) end = line.length();
    Str key = line.substr(0, end).trim();
    Str reason = line.substr(end).trim();
    table[key.toUpper()] = reason;
  }
}

void loadTabooTable(std::map<Str, Str>& table) {
  std::FILE* list = std::fopen(kLocalList, "r");
  if (!list) list = std::fopen(kSharedList, "r");
  if (!list) return;
  readTabooList(list, table);
  std::fclose(list);
}
