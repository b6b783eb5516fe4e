// libFuzzer target for the whole pipeline. The first byte picks the mode:
// bit 0 set runs the lexer alone to the end of the text; otherwise the text
// is parsed and, when it parses, run through the generation steps of
// "-qpx -server -amt -wsdl" (bit 2 set adds -empty) into the scratch
// directory, as the driver runs them. Bit 1 set gives the patch names P and
// Q as -patch would. The rest is the text of main.tsk in a scratch directory
// that also holds a few files the text may include or embed.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>

#include "driver/run_sequence.h"
#include "frontend/grammar.hh"
#include "frontend/include_stack.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "model/adict.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/io.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

Project* mainProject = nullptr;

void prepareScratchDirectory() {
  enterScratchDirectory();
  writeFile("n.tsk", "Class Nested { Attributes { } }\nT2 : Name = \"t\";\n");
  writeFile("t.tsk",
            "Str : Name = \"s\", Len = \"10\";\n"
            "E : Name = \"e\" { a = 1 \"A\"; b = 2 \"B\", Color = \"red\"; }\n"
            "Al : Name = \"al\" ( \"x\" = \"1\"; )\n");
  std::filesystem::create_directories("sub");
  // The driver creates .src before the parse: nested projects write into it.
  std::filesystem::create_directories(".src");
  writeFile("sub/i.tsk", "include \"../n.tsk\"\nembed \"../t.tsk\"\n");
  writeFile("self.tsk", "embed \"self.tsk\"\n");
  writeFile("loop1.tsk", "embed \"loop2.tsk\"\n");
  writeFile("loop2.tsk", "types \"loop1.tsk\"\n");
  writeFile("taboo.txt", "forbidden because\n\t \nSelect\tkeyword\n");
}

void lexToEnd(std::size_t textSize) {
  std::size_t tokens = 0;
  while (yylex() != END) {
    // Every token but END takes at least one character of the text.
    if (++tokens > 2 * textSize + 16) {
      std::fprintf(stderr, "the lexer does not advance\n");
      std::abort();
    }
  }
}

void parseAndGenerate() {
  if (yyparse() != 0) return;
  std::ostringstream types;
  TypesPool.printAllTypes(types);
  TypesPool.printEnumsAsConsts(types);
  runSteps(*mainProject, Str("doc"));
}

// The options of the steps every parsed text runs through; nested projects
// get their check-only passes for them during the parse.
void setGenerationOptions(bool empty) {
  for (const char* word : {"qpx", "server", "amt", "wsdl"}) options[word] = 1;
  if (empty) options["empty"] = 1;
}

// Closes every stream the run left open and ends the run.
void endRun() {
  std::set<std::FILE*> projectFiles;
  for (Project* project : nestedProjects()) projectFiles.insert(project->opened);
  if (mainProject) projectFiles.insert(mainProject->opened);
  std::set<std::FILE*> others;
  for (const FileStruct& suspended : includeStack)
    if (suspended.file && !projectFiles.count(suspended.file)) others.insert(suspended.file);
  if (CP && CP->input && !projectFiles.count(CP->input)) others.insert(CP->input);
  for (std::FILE* file : others) std::fclose(file);
  for (Project* project : nestedProjects()) {
    std::fclose(project->opened);
    delete project;
  }
  nestedProjects().clear();
  if (mainProject) {
    std::fclose(mainProject->opened);
    delete mainProject;
    mainProject = nullptr;
  }
  resetProcessState();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  prepareScratchDirectory();
  silenceStandardOutput();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned mode = data[0];
  writeFile("main.tsk", data + 1, size - 1);
  resetProcessState();
  if (mode & 2) patches = {Str("P"), Str("Q")};
  if (!(mode & 1)) setGenerationOptions(mode & 4);
  dict = new ADict("locale.dct", ADict::english, ADict::english);
  if (setjmp(exitTrap) == 0) {
    exitTrapArmed = true;
    try {
      mainProject = new Project(options, Str("main.tsk"), nullptr);
      registerMainDescription(Str("main.tsk"));
      initlex();
      if (mode & 1)
        lexToEnd(size);
      else
        parseAndGenerate();
    } catch (const Str&) {
    } catch (const char*) {
    } catch (const IO::Exception&) {
    }
  }
  exitTrapArmed = false;
  endRun();
  return 0;
}
