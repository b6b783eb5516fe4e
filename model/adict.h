#pragma once
// ADict: the word dictionary (placeholder until the dictionary lands).
class ADict {
public:
  enum { russian, english, turkish, german, french, spanish, italian, hungarian, dutch, danish };
  ADict(const char*, int, int) {}
  const char* translate(const char* word) const { return word; }
};
