#include "servergen/makeoptions_merger.h"

#include <utility>

namespace {

// The per-target variables of automake: <P>_SOURCES and the like name the
// server library's sources and flags, not a switch of the project.
bool isAutomakeTargetSuffix(const Str& word) {
  static const std::set<Str> suffixes = {"SOURCES",  "LIBADD",   "LDADD",    "LDFLAGS",     "LIBTOOLFLAGS",
                                         "CFLAGS",   "CXXFLAGS", "CPPFLAGS", "DEPENDENCIES"};
  return suffixes.count(word) != 0;
}

// A switch of the project, such as <P>_NOEXECUTABLE: the project name, "_"
// and capital letters only. Compared as text: a project name may hold
// characters that mean something in a pattern ("c++").
bool isProjectSwitch(const Str& name, const Str& p) {
  if (!name.startsWith(p + "_")) return false;
  Str word = name.substr(p.length() + 1);
  if (word.IsEmpty() || isAutomakeTargetSuffix(word)) return false;
  for (std::size_t i = 0; i < word.length(); ++i)
    if (word[i] < 'A' || word[i] > 'Z') return false;
  return true;
}

}  // namespace

MakeoptionsMerger::MakeoptionsMerger(const Str& project, std::set<Str> definedAbove)
    : p_(project), defined_(std::move(definedAbove)), sources_("") {}

Str MakeoptionsMerger::merge(const Str& line) {
  // "+=" first, so that an "=" inside an added value does not split the line.
  std::size_t at = line.find(Str("+="));
  std::size_t width = 2;
  if (at == Str::npos) {
    at = line.find('=');
    width = 1;
  }
  if (at == Str::npos) return line;
  Str name = line.substr(0, at).trim();
  Str value = line.substr(at + width);
  if (name == "lib_LTLIBRARIES" || name == "bin_PROGRAMS") return name + " +=" + value;
  if (isProjectSwitch(name, p_)) {
    defined_.insert(name);
    return line;
  }
  // The project's own variables are those of its server library.
  if (name.startsWith(p_ + "_")) name = "lib" + p_ + "_la" + name.substr(p_.length());
  if (name.find(Str("_SOURCES")) != Str::npos) sources_ << value << " ";
  // automake accepts "+=" only after a definition, so a variable seen for the
  // first time keeps the operator the user wrote.
  Str written = name + (defined_.count(name) || width == 2 ? " +=" : " =") + value;
  defined_.insert(name);
  return written;
}
