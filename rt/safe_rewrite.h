#pragma once
// SafeRewrite: rewrites a file that a user or a build depends on (such as the
// window-number register) so that no failure can leave it half written. The
// new content goes to a temporary file in the same directory; commit() writes
// it out to the disk and renames it over the file, a step that happens whole
// or not at all. Until then, and after any failure, the old file stays exactly
// as it was and the temporary file is removed.
//
// The new file keeps the old one's permission bits (a file that did not exist
// gets those a plain create gives). A symbolic link is written through: the
// file it leads to is replaced and the link stays. A file that exists but is
// no regular file (a device such as /dev/null, a pipe) would be destroyed by
// a rename, so it is written in place. A file its user may not write is
// refused, as a truncating open would refuse it.
#include <memory>
#include <ostream>
#include <string>

#include "rt/str.h"

class SafeRewrite {
public:
  // Throws Str naming the file when the new content cannot be started (no
  // room for the temporary file, a directory standing at `path`, ...).
  explicit SafeRewrite(const Str& path);
  // Without a commit() the old file stays as it was.
  ~SafeRewrite();
  SafeRewrite(const SafeRewrite&) = delete;
  SafeRewrite& operator=(const SafeRewrite&) = delete;

  std::ostream& stream() { return out_; }
  const Str& path() const { return path_; }
  template <class T>
  SafeRewrite& operator<<(const T& v) {
    out_ << v;
    return *this;
  }

  // Puts the new content in place. Throws Str naming the file when anything
  // written was lost or the file could not be replaced; the old file then
  // stays as it was.
  void commit();

private:
  class Buffer;
  void discard();

  Str path_;
  std::string target_;     // the file replaced: path_ with its symbolic links followed
  std::string temporary_;  // the new content beside target_; empty when written in place
  std::unique_ptr<Buffer> buffer_;
  std::ostream out_;
};
