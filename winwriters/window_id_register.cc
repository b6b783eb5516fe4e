#include "winwriters/window_id_register.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "rt/io.h"
#include "rt/safe_rewrite.h"

bool WindowIdRegister::load(const Str& path) {
  std::error_code absence;
  if (!std::filesystem::exists(path.std(), absence) && !absence) return true;  // no register yet
  // A register that is no regular file (a device such as /dev/zero, a pipe)
  // could feed lines without end: it counts as unreadable and is kept.
  if (!std::filesystem::is_regular_file(path.std(), absence)) return false;
  try {
    IO::File file(path, "r");
    IO::BufferedReader reader(file);
    while (!reader.isEof()) {
      Str text = reader.readLine().trim();
      if (text.IsEmpty()) continue;
      std::size_t blank = text.find(' ');
      if (blank == Str::npos)
        entries[text] = Str("");
      else
        entries[text.substr(0, blank)] = text.substr(blank + 1).trim();
    }
    return !std::ferror(file.handle());
  } catch (const IO::Exception&) {
    return false;
  }
}

bool WindowIdRegister::save(const Str& path) const {
  try {
    SafeRewrite out(path);
    for (const auto& [id, number] : entries) {
      out << id;
      if (!number.IsEmpty()) out << ' ' << number;
      out << '\n';
    }
    out.commit();
    return true;
  } catch (const Str&) {
    return false;
  }
}
