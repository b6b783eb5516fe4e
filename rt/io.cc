#include "rt/io.h"

#include <cerrno>
#include <cstring>

namespace IO {

File::File(const Str& name, const char* mode) : name_(name), file_(std::fopen(name.str(), mode)) {
  if (!file_)
    throw Exception(Exception::CannotOpenFile, Str("cannot open file '") << name << "'. (" << std::strerror(errno) << ")");
}

File::~File() { std::fclose(file_); }

void File::write(const char* data, std::size_t size) {
  if (std::fwrite(data, 1, size, file_) != size)
    throw Exception(Exception::WriteError, Str("cannot write file '") << name_ << "'");
}

Stream& operator<<(Stream& out, const char* text) {
  if (text) out.write(text, std::strlen(text));
  return out;
}

Stream& operator<<(Stream& out, const Str& text) {
  out.write(text.str(), text.length());
  return out;
}

bool BufferedReader::isEof() {
  int c = std::getc(file_.handle());
  if (c == EOF) return true;
  std::ungetc(c, file_.handle());
  return false;
}

Str BufferedReader::readLine() {
  std::string line;
  int c;
  while ((c = std::getc(file_.handle())) != EOF && c != '\n') line += static_cast<char>(c);
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  return Str(std::move(line));
}

}  // namespace IO
