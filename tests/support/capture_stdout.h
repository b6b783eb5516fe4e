#pragma once
// Catches what the code under test writes to std::cout, from construction
// until text() or destruction, so that a test can check it or keep it off the
// test output. std::cout gets its own buffer back with its error state
// cleared, also when the code under test throws. Captures may nest.
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

class CaptureStdout {
public:
  CaptureStdout() : saved_(std::cout.rdbuf(text_.rdbuf())) {}
  // Writes go to `buffer` instead (text() then answers nothing).
  explicit CaptureStdout(std::streambuf* buffer) : saved_(std::cout.rdbuf(buffer)) {}
  // `printed` receives the text when the capture ends, however it ends.
  explicit CaptureStdout(std::string& printed) : CaptureStdout() { printed_ = &printed; }
  ~CaptureStdout() { text(); }
  CaptureStdout(const CaptureStdout&) = delete;
  CaptureStdout& operator=(const CaptureStdout&) = delete;

  // Ends the capture if it still runs and answers everything written during it.
  std::string text() {
    if (saved_) {
      std::cout.clear();
      std::cout.rdbuf(saved_);
      saved_ = nullptr;
      if (printed_) *printed_ = text_.str();
    }
    return text_.str();
  }

private:
  std::ostringstream text_;
  std::streambuf* saved_;
  std::string* printed_ = nullptr;
};
