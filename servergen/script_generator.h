#pragma once
// OrvaleGenerator: the script-language declarations of the server's results
// (<P>_Structs.orv) and the HTML help: the index page and one page per method.
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "rt/str.h"
#include "servergen/html_tag.h"

class AttribList;
class MethodDesc;
class Project;

class OrvaleGenerator {
public:
  OrvaleGenerator(std::ostream& structs, std::ostream& html, Str project)
      : structs_(structs), html_(html), project_(std::move(project)) {}

  void Generate();
  // The index of the documented classes; each method's page is written
  // before its entry.
  void GenerateHTMLHelp();
  // The page of the method under the method map's cursor (`method` is that
  // same method), under .src/HTML/; the cursor is left where it stands.
  void GenerateHTMLHelpForMethod(const Str& className, const MethodDesc& method);

private:
  // The tables, in name order, of classes that have an object and are no
  // SQL view.
  static std::list<Str> documentedClasses(Project& project);
  void argumentRows(const char* heading, const AttribList& args);
  void countPageNames(Project& project, const std::list<Str>& classes);
  Str pagePath(const Str& className, const Str& methodName) const;

  std::ostream& structs_;
  std::ostream& html_;
  Str project_;
  // How many documented classes have a page of each method name.
  std::map<Str, int> classesPerName_;
  // The layout every method page shares, made with the first page, and the
  // text of the page being written (its room is kept from page to page).
  std::unique_ptr<PagePattern> pageLayout_;
  std::string page_;
};
