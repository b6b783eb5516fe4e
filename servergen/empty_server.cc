// The parts of the server interface that the application's developer
// completes by hand: the interface of the empty server (i<P>.h and i<P>.cc),
// the placeholder bodies of .src/bung.cc and the enumeration constants of
// .src/auto_consts.h.
#include <initializer_list>
#include <iostream>
#include <sstream>

#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "rt/output_file.h"
#include "servergen/generated_project.h"
#include "servergen/interface_methods_generator.h"
#include "servergen/served_methods.h"
#include "servergen/translated_literal.h"

namespace {

bool oneOf(const Str& name, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

// The class that declared the method under the map's cursor; null when the
// project holds no class of that id.
const ClassDesc* classOf(Project& project) {
  const MethodDesc& m = project.methods.Body();
  if (m.owner) return m.owner;
  auto found = project.classes.find(project.methods.IdPair().first);
  return found == project.classes.end() ? nullptr : found->second;
}

// The first project other than `self`, in name order, that the run brought
// in with `parent`: the base of the empty server class. Empty when none.
Str baseProject(const Str& self) {
  for (const auto& [name, project] : projectMap)
    if (name != self && project->relation == 1) return name;
  return Str("");
}

}  // namespace

void InterfaceMethodsGenerator::GenerateEmpty() {
  Project& project = generatedProject(project_);
  const Str& P = project_;
  std::cout << "i" << P << ".{cc,h} " << std::flush;

  LineEmitter c(source_);
  c.line("#include \"i$P$.h\"", {{"P", P}});
  c.line("");
  c.line("");
  c.line("#include \"impl.cc\"");
  c.line("");
  c.line("");

  LineEmitter h(header_);
  h.line("#ifndef _I$P$_H_", {{"P", P}});
  h.line("#define _I$P$_H_", {{"P", P}});
  h.line("");
  h.line("#include \"comm.h\"");
  h.line("#include \"comm_dp.h\"");
  h.line("#include \"errmgr.h\"");
  h.line("#include \"orvale.h\"");
  for (const auto& [Q, related] : projectMap) {
    if (related->relation == 1) h.line("#include \"i$Q$.h\"", {{"Q", Q}});
    h.line("#include \"$Q$rpc.h\"", {{"Q", Q}});
  }

  // The base project's server class has no default constructor: the
  // constructor hands it the class and object names.
  Str base = baseProject(P);
  if (base.IsEmpty()) {
    h.line("class $P$ : public ErrorManager {", {{"P", P}});
  } else {
    h.line("class $P$ : public $Q$ {", {{"P", P}, {"Q", base}});
  }
  h.line("public:");
  h.line("");
  h.line("  class $P$* impl;", {{"P", P}});
  h.line("  void RegisterMethods(const char* cnm, const char* onm);");
  h.line("  virtual void BroadcastArrived(DataPacket &,unsigned );");
  h.line("  ErrorManager* errmgr;");
  if (base.IsEmpty()) {
    h.line("  $P$(const char* cnm, const char* onm) : errmgr(this) { RegisterMethods(cnm, onm); }", {{"P", P}});
  } else {
    h.line("  $P$(const char* cnm, const char* onm) : $Q$(cnm, onm), errmgr(this) { RegisterMethods(cnm, onm); }",
           {{"P", P}, {"Q", base}});
  }
  h.line("  ~$P$() {}", {{"P", P}});
  h.line("  virtual void ClearAll() {}");

  MethodsMap& map = project.methods;
  map.reset();
  while (map.next()) {
    const MethodDesc& m = map.Body();
    if (m.isInternal()) continue;
    Str M = map.Name();
    Str C = map.IdPair().first;
    Str name = oneOf(M, {"Add", "Update", "Get", "GetAbstract", "GetForUpdate", "MoveToArc"}) ? C + M : M;
    Str parameters("( DataPacket* )");
    if (!m.isDPIn())
      parameters = "( " + AttribList::joinArgLists(m.input.printInterfaceTypes(), m.dwpk.printInterfaceNullTypes()) +
                   " )";
    h.line("  $R$ * $M$ $A$;", {{"R", m.resultType}, {"M", name}, {"A", parameters}});
  }

  h.line("  static void* __OrvaleExecutor(class $P$ *,DataPacket *,unsigned);", {{"P", P}});
  h.line("  static void* __OrvaleCompiler(class $P$ *,DataPacket *,unsigned);", {{"P", P}});
  h.line("  static void* __EnumValues(class $P$ *,DataPacket *,unsigned);", {{"P", P}});

  map.reset();
  while (map.next()) {
    if (isServed(map))
      h.line("  static void* $M$(class $P$ *,DataPacket *,unsigned);", {{"M", entryPointName(map)}, {"P", P}});
  }

  h.line("};");
  h.line("");
  h.line("#endif");
}

void InterfaceMethodsGenerator::GenerateBung() {
  Project& project = generatedProject(project_);
  const Str& P = project_;
  OutputFile file(".src/bung.cc");
  LineEmitter out(file.stream());
  Str notImplemented = trLiteral("Not implemented");

  out.line("-- bung.cc started -- this string is compilation preventor --");
  MethodsMap& map = project.methods;
  map.reset();
  while (map.next()) {
    const MethodDesc& m = map.Body();
    const ClassDesc* cls = classOf(project);
    Str C = map.IdPair().first;
    Str M = map.Name();

    if (m.isInternal()) {
      // A member of the object-layer class; a virtual class has none.
      if (cls && cls->IsVirtual()) continue;
      Str result = m.output.isEmpty() ? Str("void") : codeTypeOf(*m.output.begin());
      out.line("$T$ b$C$ :: $M$ ($A$) {", {{"T", result}, {"C", C}, {"M", M}, {"A", m.input.printBaseArgs('c')}});
      out.line("  throw Exc(\"$X$.\");", {{"X", notImplemented}});
      out.line("}");
      out.line("");
      continue;
    }

    // A derived class gets its record and its archiving from its base class.
    if (oneOf(M, {"Get", "MoveToArc"}) && cls && !cls->Parent().IsEmpty()) continue;

    if (M == "Get" && !map.findByName(C + " :: GetForUpdate")) {
      out.line("$R$ * $P$ :: $C$GetForUpdate ( $A$ ) {",
               {{"R", m.resultType}, {"P", P}, {"C", C}, {"A", m.input.printInterfaceArgs()}});
      out.line("  return $C$Get($A$);", {{"C", C}, {"A", m.input.printArgs()}});
      out.line("}");
      out.line("");
    }

    Str name = oneOf(M, {"Add", "Get", "GetForUpdate", "Update", "MoveToArc"}) ? C + M : M;
    Str parameters("( DataPacket* )");
    if (!m.isDPIn()) {
      Str plain = M == "GetForUpdate" ? m.input.printInterfaceArgs() : m.input.printInterfaceTypes();
      Str keys = m.dwpk.printInterfaceTypes();
      parameters = "( " + AttribList::joinArgLists(plain, keys.IsEmpty() ? keys : ", " + keys) + " )";
    }
    out.line("$R$ * $P$ :: $M$ $A$ {", {{"R", m.resultType}, {"P", P}, {"M", name}, {"A", parameters}});
    if (M == "GetForUpdate") {
      out.line("  return $C$Get($A$);", {{"C", C}, {"A", m.input.printArgs()}});
    } else {
      out.line("  throw Exc(\"$X$\");", {{"X", notImplemented}});
    }
    out.line("}");
    out.line("");
  }

  out.line("// * TRICK :: BroadcastArrived");
  out.line("#undef DB");
  out.line("#include \"i$P$.h\"", {{"P", P}});
  out.line("void $P$::BroadcastArrived (DataPacket &dp, unsigned raaaa) { ", {{"P", P}});
  out.line("  dp.Reset();");
  out.line("  ServerObject::BroadcastArrived(dp, raaaa);");
  out.line("}");
  out.line("");
  file.close();
}

void InterfaceMethodsGenerator::GenerateConsts() {
  // Gathered first: a clash of two constants leaves the last file intact.
  std::ostringstream constants;
  TypesPool.printEnumsAsConsts(constants);
  OutputFile file(".src/auto_consts.h");
  file << "// -*- C++ -*-\n"
       << "\n"
       << "#define AUTOMAT\n"
       << "#ifndef _CONSTS_H_\n"
       << "#define _CONSTS_H_\n"
       << "\n"
       << constants.str() << "\n"
       << "#endif\n";
  file.close();
}
