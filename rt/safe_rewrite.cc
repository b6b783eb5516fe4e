#include "rt/safe_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <streambuf>
#include <system_error>

#include "rt/output_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel allows when it opens a path

// `path` with every symbolic link followed to the file it finally names, which
// need not exist yet (a dangling link names the file it would create).
std::string followLinks(const Str& path) {
  fs::path current(path.std());
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(current, error)) return current.string();
    fs::path target = fs::read_symlink(current, error);
    if (error) throw fileFailure("create", path, error.value());
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  throw fileFailure("create", path, ELOOP);
}

// The permission bits a newly created file gets under the process's umask.
mode_t newFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

// Buffered output to a file descriptor that keeps the first write error, so
// that commit() can tell what was lost and why.
class SafeRewrite::Buffer : public std::streambuf {
public:
  explicit Buffer(int fd) : fd_(fd) { setp(space_, space_ + sizeof space_); }
  ~Buffer() override {
    if (fd_ >= 0) ::close(fd_);
  }

  // Writes out what is buffered (to the disk too when `toDisk`) and closes
  // the file; answers 0 or the first error met.
  int finish(bool toDisk) {
    if (fd_ < 0) return error_;
    drain();
    if (error_ == 0 && toDisk && ::fsync(fd_) != 0) error_ = errno;
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    return error_;
  }

protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return drain() ? 0 : -1; }

private:
  // After an error nothing more is written: the file is incomplete anyway.
  bool drain() {
    for (const char* next = pbase(); error_ == 0 && next < pptr();) {
      ssize_t written = ::write(fd_, next, pptr() - next);
      if (written > 0)
        next += written;
      else if (written < 0 && errno != EINTR)
        error_ = errno;
      else if (written == 0)
        error_ = EIO;
    }
    setp(space_, space_ + sizeof space_);
    return error_ == 0;
  }

  int fd_;
  int error_ = 0;
  char space_[8192];
};

SafeRewrite::SafeRewrite(const Str& path) : path_(path), target_(followLinks(path)), out_(nullptr) {
  struct stat old;
  bool exists = ::stat(target_.c_str(), &old) == 0;
  int fd;
  if (exists && !S_ISREG(old.st_mode)) {
    fd = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) throw fileFailure("create", path_, errno);
  } else {
    // The rename needs only the directory's permission; the file's own mode
    // is asked here, as a truncating open would ask it, so that a file its
    // user may not write stays as it is.
    if (exists && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
      throw fileFailure("create", path_, errno);
    // A hidden name beside the target, so that the rename stays within one
    // file system. Its length does not depend on the target's, so that any
    // name the file system takes for the target also fits the temporary.
    temporary_ = (fs::path(target_).parent_path() / ".tarvic-XXXXXX").string();
    fd = ::mkstemp(temporary_.data());
    if (fd < 0) {
      int error = errno;
      temporary_.clear();
      throw fileFailure("create", path_, error);
    }
    if (::fchmod(fd, exists ? old.st_mode & 07777 : newFileMode()) != 0) {
      int error = errno;
      ::close(fd);
      discard();
      throw fileFailure("create", path_, error);
    }
  }
  buffer_ = std::make_unique<Buffer>(fd);
  out_.rdbuf(buffer_.get());
}

SafeRewrite::~SafeRewrite() { discard(); }

void SafeRewrite::commit() {
  out_.flush();
  int error = buffer_->finish(!temporary_.empty());
  if (error == 0 && !temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
  if (error != 0) {
    discard();
    throw fileFailure("write", path_, error);
  }
  temporary_.clear();
}

void SafeRewrite::discard() {
  if (buffer_) buffer_->finish(false);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}
