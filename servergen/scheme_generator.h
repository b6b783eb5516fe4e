#pragma once
// SchemeGenerator: the enumeration constants of the type registry and the
// domain classes of a table map (scheme.h/.cc and dbScheme.h/.cc), and the
// database scheme of the QPX wrapper.
//
// The first header and source receive the full column lists, the second pair
// the lists without the archive columns UserArc and DateArc; what both files
// of a pair share is written once through a joiner, so it is identical.
#include <ostream>

#include "rt/str.h"

class AttribList;
class ClassDesc;
class Project;
class TablesMap;

class SchemeGenerator {
public:
  SchemeGenerator(const Str& project, std::ostream& header, std::ostream& source, std::ostream& header2,
                  std::ostream& source2, std::ostream& enums)
      : project_(project), header_(header), source_(source), header2_(header2), source2_(source2), enums_(enums) {}

  // Callers pass false.
  void GenerateEnums(bool unused);
  // The domain classes of `tables`; the proxy namespace only when `indent` is empty.
  void Generate(TablesMap& tables, const Str& scope, const Str& indent);
  void GenerateQPX(TablesMap& tables);

  // Column-dependent bodies of a domain class, into one stream.
  void printDefInit(AttribList& columns, std::ostream& out);
  void printParameterInit(AttribList& columns, std::ostream& out);
  void printCopyConstructor(AttribList& columns, std::ostream& out);
  void printAssignment(AttribList& columns, std::ostream& out);

private:
  // Remote proxies of the virtual classes without an object.
  void proxies(TablesMap& tables);
  void proxy(Project& owner, ClassDesc& cls);
  // Every selected table's header part, then every source part; `classHead`
  // opens each class declaration.
  void domainClasses(TablesMap& tables, const Str& scope, const Str& indent, const char* classHead);
  void domainHeader(const Str& table, AttribList& columns, const Str& indent, const char* classHead);
  void domainSource(const Str& table, AttribList& columns, const Str& scope);

  Str project_;
  std::ostream& header_;
  std::ostream& source_;
  std::ostream& header2_;
  std::ostream& source2_;
  [[maybe_unused]] std::ostream& enums_;  // never written by the operations in use
};
