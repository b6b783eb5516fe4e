#include "driver/command_line.h"

#include <cstdlib>
#include <iostream>

#include "model/process_state.h"

namespace {

const char* const switches[] = {"help",  "oracle", "mysql", "postgres",    "mssql", "server",
                                "automake-only", "qpx", "empty", "uil", "xml", "toxml",
                                "report", "amt", "distributed", "zdb", "doc", "wsdl"};

// Language codes of -lang=, in the order of the dictionary's columns.
const char* const languageCodes[] = {"ru", "en", "tu", "ge", "fr", "sp", "it", "hu", "du", "da"};

}  // namespace

CommandLine scanCommandLine(int argc, const char* const* argv) {
  CommandLine result;
  for (int i = 1; i < argc; ++i) {
    Str arg(argv[i]);
    if (arg[0] != '-') {
      result.descriptionFile = arg;
      continue;
    }
    Str word = arg.substr(1);
    if (word.startsWith("lang=")) {
      Str code = word.substr(5);
      for (int column = 0; column < 10; ++column)
        if (code == languageCodes[column]) language = column;
    }
    if (word.startsWith("path=")) result.docPath = word.substr(5);
    bool isSwitch = false;
    for (const char* known : switches)
      if (word == known) isSwitch = true;
    if (isSwitch) {
      options[word] = 1;
    } else if (word == "patch") {
      if (i + 1 >= argc) {
        result.error = "Error: -patch must be followed by a patch name.";
        return result;
      }
      patches.insert(Str(argv[++i]));
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
  std::exit(0);
}
