// ZDB, XML database, report, documentation and WSDL steps. Their writers are
// not built: each step expands the model, creates the files it names (empty)
// and prints its progress lines.
#include <iostream>

#include "model/project.h"
#include "rt/output_file.h"
#include "servergen/dnull.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/server_names.h"

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

// The interface generator runs over the null sink: what lasts of it is the
// standard methods it registers in the method map, which the WSDL document
// publishes. A declared method of a standard method's name would be
// replaced there, or published twice, so the main project refuses it first.
int Project::generateWSDL(bool checkOnly) {
  unwrapAll(false);
  if (!checkOnly) checkStandardMethodNames(*this);
  InterfaceMethodsGenerator(dnull, dnull, name).Generate(false);
  if (!checkOnly) OutputFile(Str("wsdl/") + name + ".wsdl").close();
  return 1;
}
