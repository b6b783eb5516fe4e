#include "winwriters/window_id_register.h"

#include <fstream>

#include "rt/io.h"

void WindowIdRegister::load(const Str& path) {
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
  } catch (const IO::Exception&) {
    // No register yet: every window gets a new number.
  }
}

bool WindowIdRegister::save(const Str& path) const {
  std::ofstream out(path.std(), std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out) return false;
  for (const auto& [id, number] : entries) {
    out << id;
    if (!number.IsEmpty()) out << ' ' << number;
    out << '\n';
  }
  out.flush();
  return static_cast<bool>(out);
}
