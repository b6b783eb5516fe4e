#include "rt/output_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>

namespace {

Str writeFailure(const Str& path) { return fileFailure("write", path, errno ? errno : EIO); }

class NullBuffer : public std::streambuf {
protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

OutputFile::OutputFile(const Str& path, Mode mode) : path_(path) {
  errno = 0;
  out_.open(path.std(), std::ios::out | std::ios::binary | (mode == append ? std::ios::app : std::ios::trunc));
  if (!out_.is_open())
    throw fileFailure("create", path, errno ? errno : EACCES);
}

bool OutputFile::flushAndClose() {
  closed_ = true;
  errno = 0;
  out_.flush();
  bool ok = !out_.fail();
  out_.close();
  return ok && !out_.fail();
}

void OutputFile::close() {
  if (!closed_ && !flushAndClose()) throw writeFailure(path_);
}

OutputFile::~OutputFile() {
  if (!closed_ && !flushAndClose()) {
    std::cout << writeFailure(path_) << std::endl;
    std::exit(1);
  }
}

Str fileFailure(const char* what, const Str& path, int error) { return fileFailure(what, path, std::strerror(error)); }

Str fileFailure(const char* what, const Str& path, const char* reason) {
  return Str("Cannot ") << what << " file '" << path << "'. (" << reason << ")";
}

std::ostream& nullSink() {
  static NullBuffer buffer;
  static std::ostream sink(&buffer);
  return sink;
}
