#pragma once
// OutputFile: the one way generators open the files they write. The file is
// opened in binary mode (so only "\n" line ends are written), with truncation
// or, to add to a file an earlier generator of the same step wrote, for
// appending (created when it does not exist).
// When it cannot be created, or a write fails (a full disk), an error text
// naming the file is thrown, so nothing is lost silently.
#include <fstream>

#include "rt/str.h"

class OutputFile {
public:
  enum Mode { truncate, append };
  // Throws Str when the file cannot be created or opened.
  explicit OutputFile(const Str& path, Mode mode = truncate);
  // Flushes and closes; throws Str when anything written was lost. Call it
  // when the file is complete. A file still open at destruction is closed
  // then; a failure there ends the run with status 1 after its message.
  void close();
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& stream() { return out_; }
  const Str& path() const { return path_; }
  template <class T>
  OutputFile& operator<<(const T& v) {
    out_ << v;
    return *this;
  }

private:
  bool flushAndClose();  // answers whether everything reached the file

  Str path_;
  std::ofstream out_;
  bool closed_ = false;
};

// The error text for a file that could not be created, written or read:
// "Cannot <what> file '<path>'. (<reason for error>)".
Str fileFailure(const char* what, const Str& path, int error);
// The same with a reason that no error number names.
Str fileFailure(const char* what, const Str& path, const char* reason);

// The sink that swallows everything (the null output of check-only runs).
std::ostream& nullSink();
