// The parts of the server interface that the application's developer
// completes by hand: the interface of the empty server (i<P>.h and i<P>.cc),
// the placeholder bodies of .src/bung.cc and the enumeration constants of
// .src/auto_consts.h.
#include <initializer_list>
#include <iostream>
#include <sstream>
#include <vector>

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

// A member of the server class whose body the application's developer
// writes, for one method of the description: bung.cc holds its placeholder
// and the empty server's header its declaration, so the two always agree.
struct HandWritten {
  Str name;              // the member's name
  const MethodDesc* of;  // the entry whose result and arguments it takes
  bool readsGet;         // GetForUpdate: answers what <C>Get answers
  bool asDeclared;       // the declared parameters: a data packet, or the
                         // arguments followed by the record keys
  Str result;            // the result type: the entry's, or that of the
                         // standard method the member is published as
};

// The parameters of the member: the declared ones, or, for a read or the
// archiving published as a standard method, the arguments alone; with the
// names where the body passes them on. In a declaration the record keys
// take their null default.
Str parametersOf(const HandWritten& member, bool declaration) {
  const MethodDesc& m = *member.of;
  if (member.asDeclared && m.isDPIn()) return "( DataPacket* )";
  Str plain = member.readsGet && !declaration ? m.input.printInterfaceArgs() : m.input.printInterfaceTypes();
  if (!member.asDeclared) return "( " + plain + " )";
  if (declaration) return "( " + AttribList::joinArgLists(plain, m.dwpk.printInterfaceNullTypes()) + " )";
  Str keys = m.dwpk.printInterfaceTypes();
  return "( " + AttribList::joinArgLists(plain, keys.IsEmpty() ? keys : ", " + keys) + " )";
}

// Whether the full server writes the standard methods of the class: it has
// an object, a declared object and a table.
bool hasStandardMethods(Project& project, const ClassDesc* cls) {
  return cls && cls->HaveObject() && project.objects.count(cls->Id()) && project.tables.getAttribList(cls->Id());
}

// The members for the entry under the map's cursor (none for an internal
// method). The full server declares a method of the description under its
// own name, with the class id in front of Add and Update, and writes no body
// for it. Get, GetForUpdate and MoveToArc are reads and archiving of the
// record: they are members (published under <C>Get and the like, with the
// arguments alone) only where the full server publishes such a method for the
// class and leaves its body to the description: Get of a class with the
// standard methods and no parent, with GetForUpdate reading through it;
// MoveToArc of such a class that is not singular. A derived class reads and
// archives through its base class, and without the standard methods (or
// with a generated GetForUpdate) there is nothing to publish; a declared
// GetAbstract never is published.
std::vector<HandWritten> handWritten(Project& project) {
  MethodsMap& map = project.methods;
  const MethodDesc& m = map.Body();
  if (m.isInternal()) return {};
  const ClassDesc* cls = classOf(project);
  Str C = map.IdPair().first;
  Str M = map.Name();
  if (M == "Add" || M == "Update") return {{C + M, &m, false, true, m.resultType}};
  if (!oneOf(M, {"Get", "GetForUpdate", "MoveToArc", "GetAbstract"})) return {{M, &m, false, true, m.resultType}};
  if (M == "GetAbstract" || !hasStandardMethods(project, cls) || !cls->Parent().IsEmpty()) return {};
  // The full server publishes these under the standard methods' results,
  // whatever the description declares them to return.
  if (M == "MoveToArc") {
    if (cls->IsSingular()) return {};
    return {{C + M, &m, false, false, "ErrorMessage"}};
  }
  const MethodDesc* get = M == "Get" ? &m : map.findByName(C + " :: Get");
  if (!get) return {};
  if (M == "GetForUpdate") return {{C + M, get, true, false, "ItemResult"}};
  if (map.findByName(C + " :: GetForUpdate")) return {{C + M, get, false, false, "ItemResult"}};
  return {{C + "GetForUpdate", get, true, false, "ItemResult"}, {C + M, get, false, false, "ItemResult"}};
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
    for (const HandWritten& member : handWritten(project))
      h.line("  $R$ * $M$ $A$;",
             {{"R", member.result}, {"M", member.name}, {"A", parametersOf(member, true)}});
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

void InterfaceMethodsGenerator::GenerateBung(bool emptyServer) {
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
      // A member of the object-layer class; a virtual class has none, and
      // the empty server has no object layer.
      if (emptyServer || (cls && cls->IsVirtual())) continue;
      Str result = m.output.isEmpty() ? Str("void") : codeTypeOf(*m.output.begin());
      out.line("$T$ b$C$ :: $M$ ($A$) {", {{"T", result}, {"C", C}, {"M", M}, {"A", m.input.printBaseArgs('c')}});
      out.line("  throw Exc(\"$X$.\");", {{"X", notImplemented}});
      out.line("}");
      out.line("");
      continue;
    }

    for (const HandWritten& member : handWritten(project)) {
      const MethodDesc& of = *member.of;
      out.line("$R$ * $P$ :: $M$ $A$ {",
               {{"R", member.result}, {"P", P}, {"M", member.name}, {"A", parametersOf(member, false)}});
      if (member.readsGet) {
        out.line("  return $C$Get($A$);", {{"C", C}, {"A", of.input.printArgs()}});
      } else {
        out.line("  throw Exc(\"$X$\");", {{"X", notImplemented}});
      }
      out.line("}");
      out.line("");
    }
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
  // The file of each project has a guard of its own, and each constant one
  // more (see printEnumsAsConsts): a server reads its parents' constants
  // beside its own, and every one must be declared once.
  file << "// -*- C++ -*-\n"
       << "\n"
       << "#define AUTOMAT\n"
       << "#ifndef _" << project_ << "_CONSTS_H_\n"
       << "#define _" << project_ << "_CONSTS_H_\n"
       << "\n"
       << constants.str() << "\n"
       << "#endif\n";
  file.close();
}
