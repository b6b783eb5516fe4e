#include "model/adict.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Reads the next piece of a line: characters up to and including the line
// feed, at most ADict::maxPiece of them. Bytes are taken as they are, NUL
// bytes included. Answers false at the end of the file.
bool readPiece(std::FILE* file, std::string& piece) {
  piece.clear();
  int c;
  while (piece.size() < ADict::maxPiece && (c = std::getc(file)) != EOF) {
    piece += static_cast<char>(c);
    if (c == '\n') break;
  }
  return !piece.empty();
}

}  // namespace

ADict::ADict(const char* name, int sourceColumn, int targetColumn)
    : fileName(name), indexes(lang_amount), source(sourceColumn), target(targetColumn) {
  if (!name) return;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name, "r"), &std::fclose);
  if (!file) return;
  std::string piece;
  try {
    while (readPiece(file.get(), piece)) parseLine(piece.data(), piece.size());
  } catch (const Str&) {
    // A syntax error ends the loading quietly; the rows read so far stay.
  }
}

const char* ADict::translate(const char* word) const { return getItem(word, source, target, -1); }

const char* ADict::getItem(const char* key, int column, int language, int fallback) const {
  if (fallback < 0) fallback = column;
  if (!key || column < 0 || column >= lang_amount) return key;
  const auto& index = indexes[static_cast<std::size_t>(column)];
  auto found = index.find(Str(key));
  if (found == index.end()) return key;
  const std::vector<Str>& row = *found->second;
  if (language >= 0 && static_cast<std::size_t>(language) < row.size() &&
      !row[static_cast<std::size_t>(language)].IsEmpty())
    return row[static_cast<std::size_t>(language)].str();
  if (static_cast<std::size_t>(fallback) < row.size()) return row[static_cast<std::size_t>(fallback)].str();
  return key;
}

void ADict::setItem(const char* line) {
  if (line) parseLine(line, std::strlen(line));
}

void ADict::setItem(std::vector<Str>& row) {
  rows.push_front(row);
  std::vector<Str>& stored = rows.front();
  if (stored.size() > static_cast<std::size_t>(lang_amount)) stored.resize(lang_amount);
  for (std::size_t column = 0; column < stored.size(); ++column) indexes[column][stored[column]] = &stored;
}

const char* ADict::skip(const char* p) const { return p ? skip(p, p + std::strlen(p)) : p; }

const char* ADict::skip(const char* p, const char* end) const {
  while (p < end && *p != '"') ++p;
  return p;
}

void ADict::parseLine(const char* text, std::size_t length) {
  const char* p = text;
  const char* end = text + length;
  std::vector<Str> row;
  bool tooLong = false;
  while (row.size() < static_cast<std::size_t>(lang_amount)) {
    p = skip(p, end);
    if (p == end) break;
    ++p;  // the opening quote
    std::string item;
    while (p < end && *p != '"') {
      if (*p == '\\' && ++p == end) break;  // a backslash takes the next character literally
      item += *p++;
    }
    if (p == end) throw Str("Syntax error");
    ++p;  // the closing quote
    if (item.size() > maxItem) tooLong = true;
    row.push_back(Str(std::move(item)));
  }
  if (!tooLong) setItem(row);
}
