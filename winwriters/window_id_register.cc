#include "winwriters/window_id_register.h"

#include <fstream>
#include <string>

void WindowIdRegister::load(const Str& path) {
  std::ifstream in(path.std(), std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Str text = Str(line).trim();
    if (text.IsEmpty()) continue;
    std::size_t blank = text.find(' ');
    if (blank == Str::npos)
      entries[text] = Str("");
    else
      entries[text.substr(0, blank)] = text.substr(blank + 1).trim();
  }
}

bool WindowIdRegister::save(const Str& path) const {
  std::ofstream out(path.std(), std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out) return false;
  for (const auto& [id, number] : entries) out << id << ' ' << number << '\n';
  out.flush();
  return static_cast<bool>(out);
}
