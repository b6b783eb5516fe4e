// ZDB, XML database, report, documentation and WSDL steps. Their writers are
// not built: each step expands the model, creates the files it names (empty)
// and prints its progress lines.
#include <iostream>

#include "model/project.h"
#include "rt/output_file.h"

int Project::generateZDB(bool checkOnly) {
  unwrapAll(false);
  std::cout << "unwrapping done" << std::endl;
  if (!checkOnly) std::cout << "zdb done" << std::endl;
  return 1;
}

// The check-only form leaves Level as it is: the lexer already lowers it when
// a nested project ends, and lowering it here too would drop the main
// project's later embedded files out of mainProjectFiles.
int Project::converToXML(bool checkOnly) {
  unwrapAll(false);
  if (checkOnly) return 1;
  std::cout << "unwrapping done" << std::endl;
  OutputFile(".src/db.xml").close();
  std::cout << "XML done" << std::endl;
  return 1;
}

int Project::generateXMLtoReportGen(bool checkOnly) {
  unwrapAll(false);
  if (checkOnly) return 1;
  std::cout << "unwrapping done" << std::endl;
  OutputFile(name + "_ReportGen.xml").close();
  std::cout << "XML done" << std::endl;
  return 1;
}

int Project::printDOC(const Str& targetDir) {
  unwrapAll(false);
  if (!targetDir.IsEmpty()) std::cout << name << " docs done" << std::endl;
  return 1;
}

// Once the interface generator exists it runs here over the null sink, which
// registers the standard methods in the method map.
int Project::generateWSDL(bool checkOnly) {
  unwrapAll(false);
  if (!checkOnly) OutputFile(Str("wsdl/") + name + ".wsdl").close();
  return 1;
}
