// The header of the server class of a project, .src/i<P>.h: the includes of
// the related projects, the class with its object-layer members, and a
// declaration and a static executor for every method of the method map that
// the server serves.
#include "model/class_desc.h"
#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "rt/line_emitter.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/served_methods.h"

namespace {

// A declared Add or Update is named after its class in the server class.
Str serverName(MethodsMap& methods) {
  Str name = methods.Name();
  return name == "Add" || name == "Update" ? methods.IdPair().first + name : name;
}

}  // namespace

void InterfaceMethodsGenerator::printHeader(Project& project) {
  LineEmitter h(header_);
  const Str& P = project_;
  h.line("#if !defined(_I$P$_H_) && !defined(UNDEFINED_METHOD_SEARCH)", {{"P", P}});
  h.line("#define _I$P$_H_", {{"P", P}});
  h.line("");
  h.line("#include \"$P$body.h\"", {{"P", P}});
  h.line("#include <kvtracer.h>");
  h.line("#include <errmgr.h>");
  h.line("#include <comm.h>");
  h.line("#include <orvale.h>");
  h.line("");
  for (const auto& [Q, other] : projectMap) {
    if (Q == P) continue;
    if (other->relation == 1) h.line("#include \"i$Q$.h\"", {{"Q", Q}});
    h.line("#include \"$Q$rpc.h\"", {{"Q", Q}});
    // A list that reads the tables of an included project needs their
    // classes, which only that project's own headers declare.
    if (other->relation != 1 && tableProjects_.count(Q)) h.line("#include \"$Q$body.h\"", {{"Q", Q}});
  }

  // The projects this one brought in as parents are its bases.
  Str bases("");
  for (const auto& [Q, other] : projectMap)
    if (Q != P && other->relation == 1 && other->parent == &project)
      bases << (bases.IsEmpty() ? " : public virtual " : ", public virtual ") << Q;
  // A server that is the parent of several others reaches a child along
  // each of them: the error manager is shared, so the child has one.
  if (bases.IsEmpty())
    h.line("class $P$ : public virtual ErrorManager {", {{"P", P}});
  else
    h.line("class $P$$bases$ {", {{"P", P}, {"bases", bases}});
  h.line("public:");
  h.line("");
  h.line("  class $P$* impl;", {{"P", P}});
  h.line("  void RegisterMethods(const char* cnm, const char* onm);");
  h.line("  virtual void BroadcastArrived(DataPacket &,unsigned );");
  h.line("  KVSession* session;");
  h.line("  ErrorManager* errmgr;");
  TablesMap& tables = project.tables;
  tables.reset();
  while (tables.next()) {
    Str T = tables.getTable();
    auto cls = project.classes.find(T);
    if (project.objects.count(T) && cls != project.classes.end() && cls->second && cls->second->HaveObject())
      h.line("  b$T$ o$T$;", {{"T", T}});
  }
  h.line("  $P$(const char* cnm, const char* onm);", {{"P", P}});
  h.line("  ~$P$();", {{"P", P}});
  h.line("  virtual void ClearAll();");

  MethodsMap& methods = project.methods;
  methods.reset();
  while (methods.next()) {
    if (!isServed(methods)) continue;
    const MethodDesc& m = methods.Body();
    Str params = m.isDPIn() ? Str(" ( DataPacket* );")
                            : " ( " +
                                  AttribList::joinArgLists(m.input.printInterfaceTypes(),
                                                           m.dwpk.printInterfaceNullTypes()) +
                                  " );";
    h.line("  $R$ * $name$$params$", {{"R", m.resultType}, {"name", serverName(methods)}, {"params", params}});
  }
  for (const char* executor : {"__OrvaleExecutor", "__SQLExecutor", "__OrvaleCompiler", "__EnumValues"})
    h.line("  static void* $E$(class $P$ *,DataPacket *,unsigned);", {{"E", executor}, {"P", P}});
  methods.reset();
  while (methods.next())
    if (isServed(methods))
      h.line("  static void* $name$(class $P$ *,DataPacket *,unsigned);", {{"name", serverName(methods)}, {"P", P}});
  h.line("};");
  h.line("");
  h.line("#endif");
}
