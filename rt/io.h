#pragma once
// Small file services: an output stream interface, a file that throws when it
// cannot be opened, and a line reader.
#include <cstdio>

#include "rt/str.h"

namespace IO {

class Exception {
public:
  enum Code { CannotOpenFile, ReadError, WriteError };
  Exception(Code code, const Str& message) : code_(code), message_(message) {}
  Code code() const { return code_; }
  const Str& message() const { return message_; }

private:
  Code code_;
  Str message_;
};

// Something text can be written to.
class Stream {
public:
  virtual ~Stream() = default;
  virtual void write(const char* data, std::size_t size) = 0;
};

// A file opened with an fopen mode ("r", "w", ...). Throws IO::Exception with
// CannotOpenFile when it cannot be opened; closes the file when destroyed.
class File : public Stream {
public:
  File(const Str& name, const char* mode);
  ~File() override;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  void write(const char* data, std::size_t size) override;
  std::FILE* handle() const { return file_; }
  const Str& name() const { return name_; }

private:
  Str name_;
  std::FILE* file_;
};

Stream& operator<<(Stream& out, const char* text);
Stream& operator<<(Stream& out, const Str& text);

// Reads a file line by line. A line comes without its line feed, and a
// carriage return standing before the line feed is dropped too.
class BufferedReader {
public:
  explicit BufferedReader(File& file) : file_(file) {}
  bool isEof();
  Str readLine();

private:
  File& file_;
};

}  // namespace IO
