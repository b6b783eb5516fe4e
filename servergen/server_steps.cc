// The application-server steps of a project: the full server, the empty
// server, Makefile.am alone and the QPX database wrapper. Each step builds its
// generators on the stack in a fixed order: the interface generator registers
// the standard methods in the method map, and the container and script
// writers read that map after it.
#include <iostream>

#include "model/project.h"
#include "rt/fs.h"
#include "rt/output_file.h"
#include "servergen/body_generator.h"
#include "servergen/dnull.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/main_generator.h"
#include "servergen/makefile_am.h"
#include "servergen/object_methods_generator.h"
#include "servergen/scheme_generator.h"
#include "servergen/script_generator.h"
#include "servergen/server_names.h"
#include "servergen/shell_generator.h"

namespace {

void progress(const Str& line) { std::cout << line << std::endl; }

Str src(const Str& file) { return ".src/" + file; }

// The server interface i<P>.h and i<P>.cc, after the constants and the
// placeholder bodies: these come first so that the placeholders cover only
// the methods of the description, not those the interface registers.
void writeInterface(const Str& p, bool emptyServer, void (*writeMethods)(InterfaceMethodsGenerator&)) {
  OutputFile header(src("i" + p + ".h"));
  OutputFile source(src("i" + p + ".cc"));
  InterfaceMethodsGenerator interface(header.stream(), source.stream(), p);
  interface.GenerateConsts();
  interface.GenerateBung(emptyServer);
  writeMethods(interface);
  header.close();
  source.close();
}

void writeMainProgram(const Str& p) {
  OutputFile out(src("main" + p + ".cc"));
  MainGenerator(out.stream(), p).Generate(false);
  out.close();
  progress("main" + p + ".cc done");
}

// emptyMode 1 leaves the built-in SQL executor out of the container.
void writeContainer(const Str& p, int emptyMode) {
  OutputFile header(src(p + "_Container.h"));
  OutputFile source(src(p + "_Container.cc"));
  ShellGenerator(header.stream(), source.stream(), p).Generate(emptyMode, false);
  header.close();
  source.close();
  progress(p + "_Container.{cc,h} done");
}

}  // namespace

void Project::generateCppSources(bool checkOnly) {
  unwrapAll(false);
  if (checkOnly) {
    // A nested project is only checked: nothing is written and no method is
    // registered in its method map.
    SchemeGenerator scheme(name, dnull, dnull, dnull, dnull, dnull);
    scheme.GenerateEnums(false);
    scheme.Generate(tables, "", "");
    return;
  }
  checkStandardMethodNames(*this);
  writeInterface(name, false, [](InterfaceMethodsGenerator& interface) { interface.Generate(false); });
  {
    OutputFile header(src("scheme.h"));
    OutputFile source(src("scheme.cc"));
    OutputFile dbHeader(src("dbScheme.h"));
    OutputFile dbSource(src("dbScheme.cc"));
    header << "#ifndef _" << name << "_SCHEME_H_\n"
           << "#define _" << name << "_SCHEME_H_\n";
    SchemeGenerator scheme(name, header.stream(), source.stream(), dbHeader.stream(), dbSource.stream(), dnull);
    scheme.GenerateEnums(false);
    scheme.Generate(tables, "", "");
    SchemeGenerator archiveScheme(name, header.stream(), source.stream(), dnull, dnull, dnull);
    archiveScheme.Generate(arcTables, "", "");
    header << "#endif\n";
    progress("schemes done");
    // Complete on disk before the object layer appends to them.
    dbHeader.close();
    dbSource.close();
    header.close();
    source.close();
  }
  ObjectMethodsGenerator(name, false, false).Generate(false);
  writeMainProgram(name);
  writeContainer(name, 0);
  {
    OutputFile header(src(name + "body.h"));
    OutputFile source(src(name + "body.cc"));
    BodyGenerator(header.stream(), source.stream(), name).Generate(false);
    header.close();
    source.close();
    progress(name + "body.{cc,h} done");
  }
  {
    // The help pages go one folder below the sources.
    FS::Dir::fcreate(src("HTML"), false);
    OutputFile structs(src(name + "_Structs.orv"));
    OutputFile help(src(name + "help.html"));
    OrvaleGenerator script(structs.stream(), help.stream(), name);
    script.Generate();
    script.GenerateHTMLHelp();
    structs.close();
    help.close();
    progress(name + "_Structs.orv done");
  }
}

void Project::generateEMPTY(bool checkOnly) {
  unwrapAll(false);
  if (checkOnly) {
    // A nested project is checked into the sink, except that the placeholder
    // bodies and the constants write their own files under .src/.
    InterfaceMethodsGenerator interface(dnull, dnull, name);
    interface.GenerateBung(true);
    interface.GenerateEmpty();
    interface.GenerateConsts();
    SchemeGenerator(name, dnull, dnull, dnull, dnull, dnull).GenerateEnums(false);
    ShellGenerator(dnull, dnull, name).Generate(1, false);
    return;
  }
  // GenerateEmpty prints the start of the line finished here.
  writeInterface(name, true, [](InterfaceMethodsGenerator& interface) { interface.GenerateEmpty(); });
  progress("i" + name + ".{cc,h} done");
  {
    OutputFile header(src("scheme.h"));
    OutputFile source(src("scheme.cc"));
    SchemeGenerator scheme(name, header.stream(), source.stream(), dnull, dnull, dnull);
    source << "#include \"i" << name << ".h\"\n"
           << "#include \"scheme.h\"\n";
    scheme.GenerateEnums(false);
    header.close();
    source.close();
    progress("schemes done");
  }
  writeMainProgram(name);
  writeContainer(name, 1);
  generateAutomakeFile();
}

void Project::generateAutomakeFile() {
  writeMakefileAm(name);
  progress("Makefile done");
}

void Project::generateQPX_DBWrapper() {
  unwrapAll(true);  // without the archive audit columns
  ObjectMethodsGenerator wrapper(name, true, true);
  wrapper.Check();
  {
    OutputFile header(src("dbScheme.h"));
    OutputFile source(src("dbScheme.cc"));
    SchemeGenerator(name, header.stream(), source.stream(), dnull, dnull, dnull).GenerateQPX(tables);
    progress("schemes done");
    header.close();
    source.close();
  }
  // The constants of the enumeration items, which the wrapper's defaults name.
  InterfaceMethodsGenerator(dnull, dnull, name).GenerateConsts();
  wrapper.Generate(false);
  wrapper.GenerateDBConnector();
}
