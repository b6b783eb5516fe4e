#pragma once
// StreamJoiner: one output that writes every item to a list of streams, in
// list order, so that two generated files receive identical text. It does
// not flush; a line end is the text "\n".
#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <vector>

class StreamJoiner {
public:
  StreamJoiner(std::initializer_list<std::ostream*> streams) : streams_(streams) {}

  template <class T>
  StreamJoiner& operator<<(const T& value) {
    for (std::ostream* out : streams_) *out << value;
    return *this;
  }
  // The bytes unformatted, as std::ostream::write writes them but straight
  // into each stream's buffer (no stream here is tied to another); a short
  // write marks the stream bad, as there.
  void write(const char* data, std::size_t size) {
    const auto count = static_cast<std::streamsize>(size);
    for (std::ostream* out : streams_)
      if (out->good() && out->rdbuf()->sputn(data, count) != count) out->setstate(std::ios::badbit);
  }

private:
  std::vector<std::ostream*> streams_;
};
