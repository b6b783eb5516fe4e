#pragma once
// Runs a piece of a test as a user whom a file's mode binds: root may write
// any file, so under root the piece runs in a forked child that has become
// "nobody" (its working directory must let that user in); otherwise it runs in
// the process itself. The piece answers an empty text when all went as
// expected, else what went wrong. The answer is nullopt when root could not
// give up its rights; the test is then skipped.
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

inline std::optional<std::string> withoutPrivileges(const std::function<std::string()>& piece) {
  if (::geteuid() != 0) return piece();
  const passwd* nobody = ::getpwnam("nobody");
  int channel[2];
  if (!nobody || ::pipe(channel) != 0) return std::nullopt;
  pid_t child = ::fork();
  if (child < 0) {
    ::close(channel[0]);
    ::close(channel[1]);
    return std::nullopt;
  }
  if (child == 0) {
    ::close(channel[0]);
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0 ||
        ::geteuid() == 0)
      ::_exit(77);
    std::string failure;
    try {
      failure = piece();
    } catch (...) {
      ::_exit(1);  // never back into the test runner
    }
    bool sent = ::write(channel[1], failure.data(), failure.size()) == static_cast<ssize_t>(failure.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(channel[1]);
  std::string failure;
  char part[512];
  for (ssize_t n; (n = ::read(channel[0], part, sizeof part)) > 0;) failure.append(part, n);
  ::close(channel[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return std::nullopt;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the unprivileged run ended abnormally";
  return failure;
}
