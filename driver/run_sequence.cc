#include "driver/run_sequence.h"

#include <ctime>
#include <exception>
#include <functional>
#include <iostream>
#include <list>

#include "driver/command_line.h"
#include "frontend/parser.h"
#include "model/adict.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/fs.h"
#include "rt/io.h"
#include "rt/output_file.h"
#include "servergen/server_names.h"

namespace {

bool isSet(const char* word) {
  auto it = options.find(word);
  return it != options.end() && it->second != 0;
}

long secondsSince(std::time_t start) { return static_cast<long>(std::time(nullptr) - start); }

// Runs `work`, turning a thrown text into its message on standard output.
// Answers false when the work failed. `errorPrefix` stands before the text.
bool guarded(const char* errorPrefix, const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const Str& error) {
    std::cout << errorPrefix << error << std::endl;
  } catch (const char* error) {
    std::cout << errorPrefix << error << std::endl;
  } catch (const IO::Exception& error) {
    std::cout << errorPrefix << error.message() << std::endl;
  } catch (const std::exception& error) {
    std::cout << errorPrefix << error.what() << std::endl;
  }
  return false;
}

void writeTypesFile(const char* path) {
  OutputFile out(path);
  TypesPool.printAllTypes(out.stream());
  out.close();
}

// A generation step: the directory it writes into, its announcement, its work
// and the first words of its end line (none for the Makefile.am-only step).
struct Step {
  const char* directory;
  const char* announcement;
  const char* endWords;
  const char* errorPrefix;
  std::function<void()> work;
};

bool runStep(const Step& step) {
  if (step.directory) FS::Dir::fcreate(step.directory, false);
  std::time_t start = std::time(nullptr);
  if (step.announcement) std::cout << step.announcement << std::endl;
  if (!guarded(step.errorPrefix, step.work)) return false;
  if (step.endWords) std::cout << step.endWords << secondsSince(start) << " seconds." << std::endl;
  return true;
}

bool parseMainProject(std::time_t start) {
  std::cout << tr("Parsing") << " ." << std::flush;
  FS::Dir::fcreate(".src", false);
  int result = 0;
  bool ok = guarded("", [&] {
    initlex();
    std::cout << "." << std::flush;
    result = yyparse();
  });
  if (!ok || result != 0) return false;
  std::cout << " " << tr("done") << " " << tr("in") << " " << secondsSince(start) << " " << tr("seconds") << "."
            << std::endl;
  return true;
}

}  // namespace

bool runSteps(Project& project, const Str& docPath) {
  const char* plain = "";
  const char* withError = "\nError: ";
  const char* timing = "Generating done in ";
  std::list<Step> steps;
  if (isSet("zdb"))
    steps.push_back({"zdb", "Generating ZDB files.", timing, plain, [&] { project.generateZDB(false); }});
  if (isSet("oracle"))
    steps.push_back({".sql", "Generating DB scheme for Oracle.", timing, plain, [&] { project.generateSQL(false); }});
  if (isSet("mysql"))
    steps.push_back({".sql", "Generating DB scheme for MySQL.", timing, plain, [&] { project.generateMySQL(false); }});
  if (isSet("postgres"))
    steps.push_back(
        {".sql", "Generating DB scheme for PostgreSQL.", timing, plain, [&] { project.generatePostgres(false); }});
  if (isSet("mssql"))
    steps.push_back({".sql", "Generating DB scheme for MSSQL.", timing, plain, [&] { project.generateMSSQL(false); }});
  if (isSet("toxml"))
    steps.push_back({".src", "Generating XML DB description.", timing, plain, [&] { project.converToXML(false); }});
  if (isSet("report"))
    steps.push_back(
        {".src", "Generating XML DB description.", timing, plain, [&] { project.generateXMLtoReportGen(false); }});
  if (isSet("qpx"))
    steps.push_back(
        {".src", "Generating db wrapper for QPX.", timing, plain, [&] {
           checkWrapperName(project);
           project.generateQPX_DBWrapper();
         }});
  if (isSet("server") && isSet("automake-only")) {
    steps.push_back(
        {".src", "Generating 'Makefile.am'.", nullptr, plain, [&] {
           checkAutomakeNames();
           project.generateAutomakeFile();
         }});
  } else if (isSet("server") && !isSet("empty")) {
    steps.push_back({".src", "Generating application server.", timing, plain, [&] {
                       checkServerNames(project, true);
                       project.generateAutomakeFile();
                       project.generateCppSources(false);
                       project.generateRPCWrapper();
                     }});
  }
  if (isSet("server") && isSet("empty"))
    steps.push_back({".src", "Generating empty application server.", timing, plain, [&] {
                       checkServerNames(project, false);
                       project.generateEMPTY(false);
                       project.generateRPCWrapper();
                     }});
  if (isSet("xml") && !isSet("empty"))
    steps.push_back({".xml", nullptr, "XML done in ", withError, [&] {
                       project.prepareUIL(false, true);
                       project.generateUIL(false, false, true);
                       project.printXML();
                       writeTypesFile(".xml/types.uil");
                     }});
  if (isSet("uil") && !isSet("empty"))
    steps.push_back({nullptr, nullptr, "UIL done in ", withError, [&] {
                       std::cout << "GENBEFORE" << std::endl;
                       project.prepareUIL(false, false);
                       project.generateUIL(false, false, false);
                       std::cout << "GENDONE" << std::endl;
                       project.printUIL();
                       writeTypesFile("types.uil");
                     }});
  if (isSet("uil") && isSet("empty"))
    steps.push_back({nullptr, nullptr, "UIL done in ", withError, [&] {
                       project.prepareUIL(true, false);
                       project.generateUIL(true, false, false);
                       project.printUIL();
                     }});
  if (isSet("doc"))
    steps.push_back({nullptr, nullptr, "Doc done in ", withError, [&] {
                       std::cout << "PATH=" << docPath << std::endl;
                       project.printDOC(docPath);
                     }});
  if (isSet("amt")) steps.push_back({nullptr, nullptr, "AMT done in ", withError, [&] { project.printAMT(false); }});
  if (isSet("wsdl"))
    steps.push_back({"wsdl", nullptr, "WSDL done in ", plain, [&] { project.generateWSDL(false); }});
  for (const Step& step : steps)
    if (!runStep(step)) return false;
  return true;
}

void registerMainDescription(const Str& descriptionFile) {
  mainProjectFiles.push_back(descriptionFile);
  Str stem = projectNameOf(descriptionFile);
  projectOutTree[stem] = std::map<Str, int>();
  projectOut[stem] = Level;
}

int runTarvic(int argc, const char* const* argv) {
  CommandLine commandLine = scanCommandLine(argc, argv);
  if (isSet("help")) usage(argv[0]);
  if (commandLine.error.IsNull() && commandLine.descriptionFile.IsNull())
    commandLine.error = "Error: no description file was named.";
  if (!commandLine.error.IsNull()) {
    std::cout << commandLine.error << std::endl;
    return 1;
  }
  // An empty -locales= text, and empty pieces between commas, name no locale.
  std::list<Str> locales;
  strSplit(commandLine.localeText, ",", locales);
  for (const Str& code : locales)
    if (!code.IsEmpty()) listLocales.push_back(code);
  dict = new ADict("locale.dct", ADict::english, language);

  std::time_t start = std::time(nullptr);
  Project project(options, commandLine.descriptionFile, nullptr);
  registerMainDescription(commandLine.descriptionFile);
  if (!parseMainProject(start)) return 1;
  if (!runSteps(project, commandLine.docPath)) return 1;
  // Progress and messages that never reached standard output (a full disk
  // behind a redirection) make the run a failure, not a silent success.
  std::cout.flush();
  return std::cout ? 0 : 1;
}
