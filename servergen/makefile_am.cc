#include "servergen/makefile_am.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <list>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <system_error>

#include "model/process_state.h"
#include "model/project.h"
#include "rt/io.h"
#include "rt/output_file.h"
#include "rt/safe_rewrite.h"
#include "servergen/makeoptions_merger.h"

namespace {

// The maximal runs of characters that are not white space.
std::list<Str> wordsOf(const Str& text) {
  std::list<Str> words;
  std::size_t i = 0;
  while (i < text.length()) {
    while (i < text.length() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t start = i;
    while (i < text.length() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

void writeExecutableTargets(std::ostream& out, const Str& p) {
  out << "# This file is auto-generated for " << p << " project by\n"
      << "# the 'tarvic' utility. \n"
      << "\n"
      << "if " << p << "_NOEXECUTABLE\n"
      << "  bin_PROGRAMS =\n"
      << "else\n"
      << "  bin_PROGRAMS = " << p << "_Container\n"
      << "\n"
      << "  " << p << "_Container_LDADD = lib" << p << ".la -lKV -lCOM\n"
      << "  " << p << "_Container_SOURCES = .src/main" << p << ".cc\n"
      << "  " << p << "_Container_CXXFLAGS = $(lib" << p << "_la_CXXFLAGS)\n"
      << "endif\n"
      << "\n"
      << "if " << p << "_NORPCSTUB\n"
      << "  lib_LTLIBRARIES =\n"
      << "else\n"
      << "  lib_LTLIBRARIES = lib" << p << "rpc.la\n"
      << "\n"
      << "  lib" << p << "rpc_la_LIBADD = -lKV -lCOM @VESPARO_LIBMW@\n"
      << "  lib" << p << "rpc_la_LDFLAGS = $(LTFLAGS)\n"
      << "  lib" << p << "rpc_la_SOURCES = .src/" << p << "rpc.cc \n"
      << "endif\n"
      << "CXXFLAGS += -I./.src\n"
      << "\n"
      << "lib" << p << "_la_LIBADD = -lKV -lCOM @VESPARO_LIBMW@ @VESPARO_LIBRDB@ @VESPARO_LIBSCRIPT@\n"
      << "lib" << p << "_la_LDFLAGS = $(LTFLAGS)\n"
      << "lib" << p << "_la_CXXFLAGS = \n"
      << "lib" << p << "_la_SOURCES = \\\n"
      << "\t.src/" << p << "body.cc \\\n"
      << "\t.src/" << p << "_Container.cc \\\n"
      << "\t.src/b" << p << ".cc \\\n"
      << "\t.src/i" << p << ".cc\n"
      << "\n"
      << ".src/bung.cc \\\n"
      << "$(lib" << p << "_la_SOURCES) \\\n"
      << ".src/" << p << "body.cc \\\n"
      << ".src/" << p << "_Container.cc \\\n"
      << ".src/main" << p << ".cc \\\n"
      << ".src/" << p << "rpc.cc \\\n"
      << ".src/bung.cc \\\n"
      << ".src/b" << p << ".cc: .src/sources.done\n"
      << ".src/i" << p << ".cc: .src/impl.cc\n"
      << "\n"
      << "lib" << p << "_la_DEPENDENCIES = \n";
}

// The variables defined above the merged Makeoptions.am lines; a line may add
// to these with "+=".
std::set<Str> variablesDefinedBeforeOptions(const Str& p) {
  Str lib = "lib" + p;
  return {"bin_PROGRAMS",
          "lib_LTLIBRARIES",
          "CXXFLAGS",
          "TESKFILES",
          p + "_Container_LDADD",
          p + "_Container_SOURCES",
          p + "_Container_CXXFLAGS",
          lib + "rpc_la_LIBADD",
          lib + "rpc_la_LDFLAGS",
          lib + "rpc_la_SOURCES",
          lib + "_la_LIBADD",
          lib + "_la_LDFLAGS",
          lib + "_la_CXXFLAGS",
          lib + "_la_SOURCES",
          lib + "_la_DEPENDENCIES"};
}

void writeLocalTargets(std::ostream& out, const Str& p) {
  out << "\n"
      << "all-local: .xml/types.uil dbinit " << p << ".sdb\n"
      << "clean-local:\n"
      << "\trm -rf .src .sql  .xml " << p << ".sdb\n"
      << "distclean-local:\n"
      << "\trm -f Makefile.am Makefile.in ." << p << ".depend \n"
      << "\n"
      << "securitydbdir = $(prefix)/conf\n"
      << "securitydb_DATA = " << p << ".sdb\n"
      << "\n"
      << "install-data-local: xml-install sql-install\n"
      << "\n"
      << "sql-install: \n"
      << "\tmkdir -p $(DESTDIR)$(prefix)/db/" << p << "\n"
      << "\tcp -rf .sql/*.sql $(DESTDIR)$(prefix)/db/" << p << "\n"
      << "\n"
      << "xml-install:\n"
      << "\tmkdir -p $(DESTDIR)$(prefix)/wnd/" << p << "\n"
      << "\tcp -rf .xml/* $(DESTDIR)$(prefix)/wnd/" << p << "\n"
      << "\tif [ -d xml/customization ] ; then cp -rf xml/customization $(DESTDIR)$(prefix)/wnd/" << p
      << " ; fi\n"
      << "\tif [ -d xml/customization.help ] ; then cp -rf xml/customization.help $(DESTDIR)$(prefix)/wnd/" << p
      << " ; fi\n";
}

// Every other project of the run, at any depth, in name order: its libraries
// (the server library only for a parent project) and its sources' headers.
// Collects the other projects' description files into `dependencies`.
void writeIncludedProjects(std::ostream& out, const Str& p, Str& dependencies) {
  out << "\n"
      << "# Add parent/included project libs and c++ include dirs.\n"
      << "lib" << p << "_la_LIBADD +=";
  for (const auto& [name, project] : projectMap) {
    if (name == p) continue;
    if (project->relation == 1) out << " " << project->dir << "/lib" << name << ".la";
    out << " " << project->dir << "/lib" << name << "rpc.la";
    dependencies << project->dir << "/" << name << ".tsk ";
  }
  out << "\n"
      << "lib" << p << "_la_CXXFLAGS +=";
  for (const auto& [name, project] : projectMap)
    if (name != p) out << " -I" << project->dir << "/.src";
  out << "\n";
}

void writeTarvicTargets(std::ostream& out, const Str& p) {
  out << "\n"
      << "# `tarvic`-utility related targets: source/makefile regeneration,\n"
      << "# DB init-scripts generation, <container>.sdb generation.\n"
      << "\n"
      << "TESKFILES =";
  for (const Str& file : mainProjectFiles) out << " " << file;
  out << "\n"
      << "\n"
      << "Makefile.am .src/sources.done:  $(TESKFILES) Makeoptions.am\n"
      << "\t@TARVIC@ -server $<\n"
      << "\tcd $(top_builddir) && $(AUTOMAKE) $(subdir)/Makefile\n"
      << "\ttouch .src/sources.done \n"
      << "dbinit: .sql/@VESPARO_DB@.done\n"
      << "\n";
  for (const char* dialect : {"mysql", "oracle", "postgres", "mssql"})
    out << ".sql/" << dialect << ".done: $(TESKFILES)\n"
        << "\trm -f .sql/*.done\n"
        << "\t@TARVIC@ @SQL_LOCALES@ -" << dialect << " $<\n"
        << "\ttouch $@\n";
  out << "\n"
      << ".xml/types.uil: $(TESKFILES)\n"
      << "\t@TARVIC@ -xml $<\n"
      << p << ".sdb: $(TESKFILES)\n"
      << "\t@TARVIC@ -amt $<\n";
}

// The lines of Makeoptions.am; nothing when it cannot be opened (the file is
// optional). A file that opens but cannot be read is an error, and so is one
// that is no regular file: a device such as /dev/zero would feed lines without
// end, and a pipe would hold the run at the open.
std::optional<std::list<Str>> readMakeoptions() {
  const char* path = "Makeoptions.am";
  std::error_code unknown;  // then the open below tells what is wrong
  std::filesystem::file_status kind = std::filesystem::status(path, unknown);
  if (std::filesystem::is_directory(kind)) throw fileFailure("read", path, EISDIR);
  if (std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind))
    throw fileFailure("read", path, "Not a regular file");
  try {
    IO::File file(path, "r");
    IO::BufferedReader reader(file);
    std::list<Str> lines;
    errno = 0;
    while (!reader.isEof()) lines.push_back(reader.readLine());
    if (std::ferror(file.handle()))
      throw fileFailure("read", path, errno ? errno : EIO);
    return lines;
  } catch (const IO::Exception& error) {
    if (error.code() != IO::Exception::CannotOpenFile) throw;
    return std::nullopt;
  }
}

void writeMakeoptions(std::ostream& out, const Str& p, const std::list<Str>& options) {
  MakeoptionsMerger merger(p, variablesDefinedBeforeOptions(p));
  out << "\n"
      << "# The included Makeoptions.am file\n";
  for (const Str& line : options) out << merger.merge(line) << "\n";
  out << "\n"
      << "lib_LTLIBRARIES += lib" << p << ".la\n"
      << "\n"
      << "# Rules for preprocessing sources and looking for undefined methods.\n"
      << ".src/%.preprocessed: % .src/sources.done \n"
      << "\tmkdir -p .src/`dirname '$<'`\n"
      << "\t$(CXXCPP) $(lib" << p << "_la_CXXFLAGS) $(CXXFLAGS) -DUNDEFINED_METHOD_SEARCH $< -o $@\n"
      << "\n"
      << ".src/impl.cc: ";
  for (const Str& word : wordsOf(merger.sources())) out << "\\\n\t\t.src/" << word << ".preprocessed ";
  out << "\\\n\t.src/bung.cc\n"
      << "\tawk -f @VESPARO_BUILDUTILS@/impl.awk $^ > .src/impl.cc\n";
}

void writeDependencies(const Str& p, const Str& dependencies) {
  SafeRewrite out("." + p + ".depend");
  for (const Str& word : wordsOf(dependencies)) out << word << "\n";
  out.commit();
}

}  // namespace

void writeMakefileAm(const Str& project) {
  // Everything is gathered before a file is touched, so that an unreadable
  // Makeoptions.am or a list file that cannot be written leaves the
  // Makefile.am of the last run as it was. Both files are read by the build,
  // so each is replaced whole or not at all.
  std::optional<std::list<Str>> options = readMakeoptions();
  std::ostringstream text;
  Str dependencies("");
  writeExecutableTargets(text, project);
  writeLocalTargets(text, project);
  writeIncludedProjects(text, project, dependencies);
  writeTarvicTargets(text, project);
  if (options) writeMakeoptions(text, project, *options);
  text << "lib" << project << "_la_CXXFLAGS += -I./.src\n";
  writeDependencies(project, dependencies);
  SafeRewrite out("Makefile.am");
  out << text.str();
  out.commit();
}
