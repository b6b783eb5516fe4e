// The skeleton that ties the generated server class together: <P>body.h with
// the includes and the object-layer headers, <P>body.cc with the constructor,
// destructor, ClearAll and the inclusion of scheme.cc, and <P>internals.h
// with the macros through which hand-written method bodies reach the
// server's members by the pointer ths.
#include "servergen/body_generator.h"

#include <list>
#include <set>
#include <vector>

#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "rt/output_file.h"
#include "servergen/generated_project.h"

namespace {

// The other projects brought in with the parent directive, in name order.
std::list<Project*> parentProjects(const Project& p) {
  std::list<Project*> parents;
  for (const auto& [name, other] : projectMap)
    if (other && other != &p && other->relation == 1) parents.push_back(other);
  return parents;
}

// The parent projects that are bases of p's server class: those reached from
// p through parent directives alone. A parent project of an included project
// is not among them; naming it in p's constructor would not compile.
std::list<Project*> baseProjects(const Project& p) {
  std::list<Project*> bases;
  for (Project* x : parentProjects(p)) {
    const Project* step = x;
    std::set<const Project*> seen;
    while (step && step->relation == 1 && step->Parent() != &p && seen.insert(step).second) step = step->Parent();
    if (step && step->relation == 1 && step->Parent() == &p) bases.push_back(x);
  }
  return bases;
}

}  // namespace

void BodyGenerator::Generate(bool) {
  Project& p = generatedProject(project_);
  const Str& P = project_;
  std::list<Str> tables = objectTables(p);

  LineEmitter h(header_);
  h.line("#ifndef\t_$P$BODY_H_", {{"P", P}});
  h.line("#define\t_$P$BODY_H_", {{"P", P}});
  h.line("");
  for (const char* file : {"kvtracer.h", "comm.h", "comm_dp.h", "ordbms.h", "kvcache.h", "errmgr.h", "auto_consts.h",
                           "scheme.h"})
    h.line("#include \"$F$\"", {{"F", file}});
  h.line("");
  h.line("#include \"../consts.h\"");
  h.line("class $P$;", {{"P", P}});
  h.line("");
  h.line("extern is_enum_func is_enum_ptr;");
  h.line("extern enum_to_string_func enum_to_string_ptr;");
  h.line("");
  h.line("extern int is_enum_$P$(int);", {{"P", P}});
  h.line("extern const char* enum_to_string_$P$(int, int);", {{"P", P}});
  h.line("");
  for (const Str& table : tables)
    if (p.objects.count(table)) printInclude(p.classes[table]);
  h.line("#endif");

  std::list<Project*> bases = baseProjects(p);
  LineEmitter c(source_);
  c.line("#include <stdlib.h>");
  c.line("#include \"i$P$.h\"", {{"P", cppLiteralText(P)}});
  c.line("");
  for (Project* x : bases) c.line("typedef class $X$ a$X$;", {{"X", x->name}});
  c.line("$P$::$P$(const char* cnm, const char* onm)", {{"P", P}});
  c.put(": ");
  for (Project* x : bases) c.put("a$X$(cnm, onm), ", {{"X", x->name}});
  c.line(" session(rdb)");
  c.line(", errmgr(this)");
  for (const Str& table : tables) c.line(", o$T$(this)", {{"T", table}});
  c.line("{");
  c.line("  is_enum_ptr = is_enum_$P$;", {{"P", P}});
  c.line("  enum_to_string_ptr = enum_to_string_$P$;", {{"P", P}});
  c.line("  RegisterMethods(cnm, onm);");
  c.line("}");
  c.line("");
  c.line("$P$::~$P$(){", {{"P", P}});
  c.line("}");
  c.line("");
  c.line("void $P$::ClearAll(){", {{"P", P}});
  // The records of the one direct parent project are cleared by that
  // project's own ClearAll.
  for (Project* x : parentProjects(p)) {
    if (x->Parent() != &p) continue;
    c.line("  $X$::ClearAll();", {{"X", x->name}});
    break;
  }
  for (const Str& table : tables) c.line("  o$T$.Clear();", {{"T", table}});
  c.line("}");
  c.line("");
  c.line("#include \"scheme.cc\"");

  OutputFile internals(".src/" + P + "internals.h");
  LineEmitter m(internals.stream());
  m.line("#include <i$P$.h>", {{"P", P}});
  m.line("");
  m.line("#define key cache");
  m.line("#define rdb ths->rdb");
  m.line("#define errmgr ths->errmgr");
  m.line("");
  m.line("#define GUserID ths->GUserID");
  m.line("#define GUserTime ths->GUserTime");
  m.line("");
  for (const Str& table : tables) m.line("#define o$T$ ths->o$T$", {{"T", table}});
  for (Project* x : parentProjects(p))
    for (const Str& table : objectTables(*x)) m.line("#define o$T$ ths->o$T$", {{"T", table}});
  internals.close();
}

// The include of the class's object-layer header, preceded by those of its
// ancestors, root first. A virtual ancestor is kept by its own server and
// has no object layer here. The chain ends at a parent the project does not
// hold, and at a class met twice on it.
void BodyGenerator::printInclude(ClassDesc* cls) {
  Project& p = generatedProject(project_);
  std::vector<ClassDesc*> chain;
  std::set<ClassDesc*> seen;
  for (ClassDesc* step = cls; step && seen.insert(step).second;) {
    chain.push_back(step);
    if (step->Parent().IsEmpty()) break;
    auto parent = p.classes.find(step->Parent());
    step = parent == p.classes.end() ? nullptr : parent->second;
  }
  LineEmitter h(header_);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if (hasAccessClass(p, (*it)->Id())) h.line("#include \"b$C$.h\"", {{"C", (*it)->Id()}});
}
