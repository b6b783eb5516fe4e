#pragma once
// InterfaceMethodsGenerator: the interface of the application server: the
// server class header i<P>.h and its source i<P>.cc with the standard and
// list methods (which it registers in the project's method map), and the
// hand-completed parts: the empty-server interface, the placeholder bodies of
// bung.cc and the constants of auto_consts.h.
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <utility>

#include "model/attrib_list.h"
#include "rt/str.h"
#include "servergen/table_desc.h"

class ClassDesc;
class Project;
class ViewWindow;

class InterfaceMethodsGenerator {
public:
  InterfaceMethodsGenerator(std::ostream& header, std::ostream& source, Str project)
      : header_(header), source_(source), project_(std::move(project)) {}

  // The empty filter list of the unfiltered list methods.
  static inline AttribList alNull;

  // Standard server methods: writes both files and registers every method it
  // writes. The flag puts the platform includes first; callers pass false.
  void Generate(bool withPlatformIncludes);
  void printCheckOnNULL(AttribList columns);
  void printCheckOnExist(AttribList columns);
  // Appends to `out`: the nested branches of every descendant of a deep
  // family go into one text rather than being copied up level by level.
  void printChildrenGetting(Str& out, const Str& cls, AttribList& keys, const Str& arc, const Str& win,
                            const Str& indent);

  // List methods: null when the method exists already (nothing written),
  // else the join the method was written over. `filter` is changed in place.
  std::unique_ptr<TableDesc> GenerateListMethod(ClassDesc* cls, ViewWindow* view, AttribList& filter);
  AttribList findTablePK(ClassDesc* cls, ViewWindow* view);
  void GenerateArcListMethod(ClassDesc* cls, TableDesc& desc);

  // Empty server, placeholder bodies and constants. GenerateBung and
  // GenerateConsts open their own files under .src/. The empty server has
  // no object layer, so its placeholders leave out the internal methods.
  void GenerateEmpty();
  void GenerateBung(bool emptyServer);
  void GenerateConsts();

private:
  // The server class header, from the method map as Generate leaves it.
  void printHeader(Project& project);
  // The ids of the classes of the project whose parent is `cls`, in id
  // order. The index is built on first use, so that the child branches of
  // every class do not each walk the whole class map.
  const std::list<Str>& childrenOf(Project& project, const Str& cls);
  // Notes the projects whose tables a list method declares.
  void noteTableProjects(Project& own, const TableDesc& desc);

  std::ostream& header_;
  std::ostream& source_;
  Str project_;
  std::map<Str, std::list<Str>> children_;
  bool childrenIndexed_ = false;
  // The projects whose tables the list methods read; the header declares
  // the tables of those it does not inherit.
  std::set<Str> tableProjects_;
};
