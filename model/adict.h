#pragma once
// ADict: the word dictionary. It holds rows of words and phrases, one column
// per language, read once from a locale.dct file, and turns a word of the
// source column into the text of the target column; a word it does not know,
// or one without a text in the target language, comes back as it was given.
#include <cstddef>
#include <list>
#include <map>
#include <vector>

#include "rt/str.h"

class ADict {
public:
  // Language columns; columns 10 to 12 have no name.
  enum { russian, english, turkish, german, french, spanish, italian, hungarian, dutch, danish };
  static constexpr int lang_amount = 13;
  // A file line is parsed in pieces of at most this many characters, its line
  // end included; a longer line yields several pieces, each a row of its own.
  static constexpr std::size_t maxPiece = 4095;
  // The longest item; a line holding a longer item is left out of the
  // dictionary (the rows before and after it are kept).
  static constexpr std::size_t maxItem = 1023;

  // Reads fileName. A file that cannot be opened leaves the dictionary empty;
  // a line with an unclosed quote ends the loading, keeping the rows before it.
  ADict(const char* fileName, int source, int target);
  ADict(const ADict&) = delete;
  ADict& operator=(const ADict&) = delete;

  // getItem(word, source, target, -1). The text returned lives as long as the
  // dictionary, or is `word` itself.
  const char* translate(const char* word) const;
  // Finds key in `column` and answers the found row's text in `language`, or
  // its text in `fallback` when that is empty or missing (a negative fallback
  // means `column`). An unknown key answers the very pointer passed in.
  const char* getItem(const char* key, int column, int language, int fallback) const;
  // Parses one line of the file format into a row and stores it; throws the
  // text "Syntax error" when its last item lacks a closing quote.
  void setItem(const char* line);
  // Stores a parsed row in front of the others and enters its items into the
  // column indexes, where it wins over every row stored before.
  void setItem(std::vector<Str>& row);
  // The next double quote at or after p, or the terminating zero.
  const char* skip(const char* p) const;

private:
  // setItem(line) for a piece that may hold NUL bytes.
  void parseLine(const char* text, std::size_t length);
  const char* skip(const char* p, const char* end) const;

  Str fileName;
  std::list<std::vector<Str>> rows;  // newest first
  std::vector<std::map<Str, std::vector<Str>*>> indexes;  // per column: item -> its row
  int source;
  int target;
};
