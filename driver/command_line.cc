#include "driver/command_line.h"

#include <cstdlib>
#include <iostream>

#include "model/adict.h"
#include "model/process_state.h"

namespace {

const char* const switches[] = {"help", "oracle", "mysql", "postgres", "mssql", "server",
                                "automake-only", "qpx", "empty", "uil", "xml", "toxml",
                                "report", "amt", "distributed", "zdb", "doc", "wsdl"};

// The -lang= codes with the dictionary column each one selects.
struct LanguageCode {
  const char* code;
  int column;
};
const LanguageCode languageCodes[] = {
    {"ru", ADict::russian}, {"en", ADict::english}, {"tu", ADict::turkish}, {"ge", ADict::german},
    {"fr", ADict::french},  {"sp", ADict::spanish}, {"it", ADict::italian}, {"hu", ADict::hungarian},
    {"du", ADict::dutch},   {"da", ADict::danish}};

bool isSwitch(const Str& word) {
  for (const char* known : switches)
    if (word == known) return true;
  return false;
}

}  // namespace

CommandLine scanCommandLine(int argc, const char* const* argv) {
  CommandLine result;
  for (int i = 1; i < argc; ++i) {
    Str arg(argv[i]);
    if (arg[0] != '-') {
      result.descriptionFile = arg;
      continue;
    }
    // The tests below run in this order; "lang=" and "path=" words go on
    // through the later tests, where they match nothing.
    Str word = arg.substr(1);
    if (word.startsWith("lang=")) {
      Str code = word.substr(5);
      for (const LanguageCode& known : languageCodes)
        if (code == known.code) language = known.column;
    }
    if (word.startsWith("path=")) result.docPath = word.substr(5);
    if (isSwitch(word)) {
      options[word] = 1;
    } else if (word == "patch") {
      if (i + 1 < argc)
        patches.insert(Str(argv[++i]));
      else
        result.error = "Error: -patch must be followed by a patch name.";
    } else if (word.startsWith("locales=")) {
      result.localeText = word.substr(8);
    }
  }
  return result;
}

void usage(const char* programName) {
  std::cout << "Usage: " << programName
            << "[-doc [-path=dirname]] [-lang=language] [-oracle] [-mysql|-postgres|-mssql "
               "[-locales=ru,ja,de]] [-zdb] [-xml] [-toxml] [-report] [-server [-automake-only | "
               "-empty]]  [-help] [-uil [-empty]] [-amt] {[-patch PatchName]} [-wsdl]"
            << std::endl;
  // A usage text that never reached standard output (a full disk behind a
  // redirection) is a failure like any other lost output.
  std::exit(std::cout ? 0 : 1);
}
