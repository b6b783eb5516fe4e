// The data-description layer of a generated server, in the order the files
// are written: the enumeration constants with their two lookup functions, the
// remote proxies of virtual classes without an object, and one domain class
// per table (its declaration in the headers, its definitions in the sources).
#include "servergen/scheme_generator.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "model/class_desc.h"
#include "model/methods.h"
#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/cpp_literal.h"
#include "rt/int.h"
#include "rt/line_emitter.h"
#include "servergen/display_label.h"
#include "servergen/translated_literal.h"

namespace {

// One constant AC_<type>: its code and the project that owns the type.
struct EnumConstant {
  Str type;
  Str owner;
  std::int32_t code;
};

// The constants of every enumeration of the registry, in type-name order.
// A code is the owning project's hash times 10000 plus the type's ordinal in
// that project, counted from 33. The sum is taken modulo 2^32 and read as a
// signed 32-bit number, as the generated code's int holds it. Two constants
// with one code would give the lookup functions duplicate case labels, and
// the generated server would not compile: that is an error here.
std::vector<EnumConstant> enumConstants() {
  std::vector<EnumConstant> constants;
  std::map<Str, int> ordinals;                // owning project -> last ordinal
  std::map<std::int32_t, std::size_t> first;  // code -> its first constant
  for (const auto& [type, fields] : TypesPool.TypesList()) {
    if (!TypesPool.isEnum(type)) continue;
    Str owner = TypesPool.getProject(type);
    Project* project = projectMap.find(owner);
    if (!project)
      throw Str("The enumeration ") + type + " belongs to no loaded project" +
            (owner.IsEmpty() ? Str("") : " (" + owner + ")") + ", so its constant AC_" + type + " has no code.";
    auto [ordinal, fresh] = ordinals.try_emplace(owner, 33);
    if (!fresh) ++ordinal->second;
    std::uint32_t sum = project->getHashCode() * 10000u + static_cast<std::uint32_t>(ordinal->second);
    constants.push_back({type, owner, static_cast<std::int32_t>(sum)});
    auto [earlier, unique] = first.try_emplace(constants.back().code, constants.size() - 1);
    if (unique) continue;
    const EnumConstant& a = constants[earlier->second];
    const EnumConstant& b = constants.back();
    throw Str("The enumeration constants AC_") + a.type + " (project " + a.owner + ") and AC_" + b.type +
          " (project " + b.owner + ") get the same code " + Int(b.code).getstr() +
          "; rename one of the two projects.";
  }
  return constants;
}

// Answers whether the table gets a domain class: all but the tables of
// classes that have no object and are not SQL views.
bool hasDomainClass(Project* owner, const Str& table) {
  if (!owner) return true;
  auto found = owner->classes.find(table);
  if (found == owner->classes.end() || !found->second) return true;
  return found->second->HaveObject() || found->second->IsSQLView();
}

// ", <col>(<length>)" for each column whose type has a length (DBLEN, else
// LEN); numbers ("Int", "Double") have none.
Str lengthInitialisers(const AttribList& columns) {
  Str text("");
  for (const Attributes& column : columns) {
    Str length = TypesPool.findType(column.Type(), "DBLEN");
    if (length.IsEmpty()) length = TypesPool.findType(column.Type(), "LEN");
    Str codeType = TypesPool.findType(column.Type(), "C");
    if (length.IsEmpty() || codeType == "Int" || codeType == "Double") continue;
    text << ", " << column.Id() << "(" << length << ")";
  }
  return text;
}

// The flag that closes a column's initialiser; the key flags come first.
const char* columnFlag(const Attributes& column) {
  if (column.IsProperty("PK")) return column.IsProperty("AUTO_INCREMENT") ? ", AUTOINC_PK )" : ", PRIMARY_KEY )";
  if (TypesPool.findType(column.Type(), "ENCRYPT") == "yes") return ", ENCRYPT )";
  if (TypesPool.findType(column.Type(), "LOCALE") == "yes") return ", LOCALE )";
  return " )";
}

// A constructor's body after its initialisers: every column registered with
// the domain (and, in the copy constructor, given the copy's value), then the
// record count.
void writeRegistrations(const AttribList& columns, std::ostream& out, bool copying) {
  LineEmitter c(out);
  c.line("");
  c.line("{");
  for (const Attributes& column : columns) {
    c.line("  push_back($C$.Bind(Domain.$C$.Register(&$C$,this)));", {{"C", column.Id()}});
    if (copying) c.line("  $C$=copy.$C$;", {{"C", column.Id()}});
  }
  c.line("  Domain.Count.Register(&Count,this);");
  c.line("};");
  c.line("");
}

}  // namespace

void SchemeGenerator::GenerateEnums(bool) {
  std::vector<EnumConstant> constants = enumConstants();
  LineEmitter headers(StreamJoiner{&header_, &header2_});
  LineEmitter source(source_);
  // The block of each project has a guard of its own: a server includes its
  // parents' headers beside its own, and each block must be read. A code
  // that two blocks share is the same macro with the same text (it depends
  // only on the owning project's types), which the compiler accepts.
  headers.line("#ifndef _$P$_ENUMS__", {{"P", project_}});
  headers.line("#define _$P$_ENUMS__", {{"P", project_}});
  for (const EnumConstant& c : constants)
    headers.line("#define AC_$T$ $N$ // $O$",
                 {{"T", c.type}, {"N", Int(c.code).getstr()}, {"O", cppCommentText(c.owner)}});
  headers.line("");
  headers.line("");

  source.line("int is_enum_$P$(int i){", {{"P", project_}});
  source.line("  switch(i){");
  for (const EnumConstant& c : constants) source.line("    case AC_$T$ :", {{"T", c.type}});
  source.line("      return 1;");
  source.line("    default:");
  source.line("      return 0;");
  source.line("  }");
  source.line("}");
  source.line("");

  source.line("const char* enum_to_string_$P$(int number, int type){", {{"P", project_}});
  source.line("  switch(type){");
  for (const EnumConstant& c : constants) {
    source.line("    case AC_$T$ :", {{"T", c.type}});
    source.line("      switch(number){");
    std::set<int> written;
    for (const ChkLine* item : *TypesPool.GetInits(c.type)) {
      if (!written.insert(item->code).second) continue;
      source.line("        case $N$: return getTranslation(\"$V$\");",
                  {{"N", Int(item->code).getstr()}, {"V", cppLiteralText(item->value)}});
    }
    source.line("        default : return getTranslation(\"$E$\");", {{"E", trLiteral("Internal error")}});
    source.line("      }");
  }
  source.line("    default : return getTranslation(\"$E$\");", {{"E", trLiteral("internal error")}});
  source.line("  }");
  source.line("}");
  source.line("");

  headers.line("#endif");
}

void SchemeGenerator::Generate(TablesMap& tables, const Str& scope, const Str& indent) {
  if (indent.IsEmpty()) proxies(tables);
  domainClasses(tables, scope, indent, "class ");
}

void SchemeGenerator::GenerateQPX(TablesMap& tables) { domainClasses(tables, "", "", "class EXPORT_MACRO "); }

void SchemeGenerator::proxies(TablesMap& tables) {
  Project* owner = tables.getProject();
  if (!owner) owner = projectMap.find(project_);
  Str P = owner ? owner->name : project_;
  LineEmitter(header_).line("namespace __$P${", {{"P", P}});
  LineEmitter(source_).line("using namespace __$P$;", {{"P", P}});
  if (owner) {
    tables.reset();
    while (tables.next()) {
      auto found = owner->classes.find(tables.getTable());
      if (found == owner->classes.end() || !found->second) continue;
      ClassDesc& cls = *found->second;
      if (cls.IsVirtual() && !cls.HaveObject()) proxy(*owner, cls);
    }
  }
  LineEmitter(header_).line("}");
}

// A class that calls the methods of a remote container: each method packs
// its arguments into a remote call and answers the call's result.
void SchemeGenerator::proxy(Project& owner, ClassDesc& cls) {
  LineEmitter h(header_);
  LineEmitter c(source_);
  const Str& C = cls.Id();
  h.line("class $C$ {", {{"C", C}});
  h.line(" Str container;");
  h.line("public:");
  h.line("  $C$(const Str& c) : container(c){}", {{"C", C}});
  c.line("#include \"rresult.h\"");
  for (Methods* method = cls.GetFirstMethod(); method; method = cls.GetNextMethod()) {
    const Str& M = method->Id();
    MethodDesc* signature = owner.methods.findByName(C + " :: " + M);
    if (!signature)
      throw Str("The method ") + C + "::" + M + " of the remote class " + C +
            " has no signature in the method map, so its proxy cannot be written.";
    Str args = signature->input.printInterfaceArgs();
    if (!args.IsEmpty()) args << ",";
    LineEmitter::Vars vars = {{"R", signature->resultType},
                              {"C", C},
                              {"M", M},
                              {"A", args},
                              {"L", cppLiteralText(M)},
                              {"D", signature->input.printIntoDP()}};
    if (method->IsDPIn()) {
      h.line("  $R$* $M$(DataPacket* dp, CommObject* ths=0);", vars);
      c.line("$R$* $C$::$M$(DataPacket* dp, CommObject* ths) {", vars);
      c.line("  dp->Reset();");
      c.line("  TRObject ro(container+\"_Object\", container+\"_Container\", ths);");
      c.line("  ro[\"$L$\"].Arguments().append(*dp);", vars);
    } else {
      h.line("  $R$* $M$($A$ CommObject* ths=0);", vars);
      c.line("$R$* $C$::$M$($A$ CommObject* ths) {", vars);
      c.line("  TRObject ro(container+\"_Object\", container+\"_Container\", ths);");
      c.line("  ro[\"$L$\"]$D$;", vars);
    }
    c.line("  RemoteResult rr(ro);");
    c.line("  return ($R$*)(rr.GetMethodResult());", vars);
    c.line("}");
    c.line("");
  }
  h.line("};");
}

void SchemeGenerator::domainClasses(TablesMap& tables, const Str& scope, const Str& indent, const char* classHead) {
  Project* owner = tables.getProject();
  tables.reset();
  while (tables.next())
    if (hasDomainClass(owner, tables.getTable()))
      domainHeader(tables.getTable(), *tables.getAttribList(), indent, classHead);
  tables.reset();
  while (tables.next())
    if (hasDomainClass(owner, tables.getTable())) domainSource(tables.getTable(), *tables.getAttribList(), scope);
}

void SchemeGenerator::domainHeader(const Str& T, AttribList& columns, const Str& indent, const char* classHead) {
  AttribList reduced = columns.removeArcs();
  LineEmitter both(StreamJoiner{&header_, &header2_});
  LineEmitter first(header_);
  LineEmitter second(header2_);
  // One line per column: the full list into the first header, the reduced
  // list into the second; $K$ is the column class named by the type.
  auto perColumn = [&](const char* text) {
    auto write = [&](LineEmitter& out, const AttribList& list) {
      for (const Attributes& a : list)
        out.line(text, {{"I", indent}, {"C", a.Id()}, {"K", TypesPool.findType(a.Type(), "qorbex")}});
    };
    write(first, columns);
    write(second, reduced);
  };
  LineEmitter::Vars vars = {{"I", indent}, {"T", T}, {"H", classHead}};
  both.line("$I$$H$$T$ : public virtual KVDomain {", vars);
  both.line("$I$public :", vars);
  both.line("$I$  struct $T$Domain {", vars);
  perColumn("$I$    KVAttribute $C$;");
  both.line("$I$    KVGroupAttribute Count;", vars);
  both.line("$I$    $T$Domain();", vars);
  both.line("$I$  } Domain;", vars);
  perColumn("$I$  KV$K$ $C$;");
  both.line("$I$  $T$();", vars);
  both.line("$I$  $T$(const $T$&);", vars);
  both.line("$I$  virtual ~$T$() {}", vars);
  both.line("$I$  $T$Domain* $I$operator->() { return &Domain; }", vars);
  both.line("$I$  $T$& operator= (const $T$& );", vars);
  both.line("$I$};", vars);
  both.line("");
  both.line("$I$typedef $T$ $T$Key;", vars);
  both.line("");
}

// The four definitions of a domain class. A non-empty scope qualifies every
// definition and prefixes the domain name with the scope's database name.
void SchemeGenerator::domainSource(const Str& T, AttribList& columns, const Str& scope) {
  AttribList reduced = columns.removeArcs();
  LineEmitter both(StreamJoiner{&source_, &source2_});
  Str domain = scope.IsEmpty() ? "\"" + T + "\"" : scope + "_DB+\".\"+\"" + T + "\"";
  LineEmitter::Vars vars = {{"Q", scope.IsEmpty() ? Str("") : scope + " :: "},
                            {"S", scope.IsEmpty() ? Str("") : scope + "::"},
                            {"T", T},
                            {"D", domain},
                            {"L", lengthInitialisers(columns)}};
  // A column-dependent body: the full list's into the first source, the
  // reduced list's into the second.
  auto body = [&](void (SchemeGenerator::*print)(AttribList&, std::ostream&)) {
    (this->*print)(columns, source_);
    (this->*print)(reduced, source2_);
  };
  both.line("$Q$$T$ :: $T$Domain :: $T$Domain()", vars);
  body(&SchemeGenerator::printDefInit);

  both.line("$S$$T$& $Q$$T$ :: operator= (const $T$& copy ) {", vars);
  body(&SchemeGenerator::printAssignment);
  both.line("  return *this;");
  both.line("};");
  both.line("");

  both.put("$Q$$T$ :: $T$() : KVDomain($D$, \" \")$L$", vars);
  body(&SchemeGenerator::printParameterInit);

  both.put("$Q$$T$ :: $T$(const $T$& copy) : KVDomain($D$, \" \")$L$", vars);
  body(&SchemeGenerator::printCopyConstructor);
}

void SchemeGenerator::printDefInit(AttribList& columns, std::ostream& out) {
  LineEmitter c(out);
  const char* intro = ": ";
  for (const Attributes& column : columns) {
    c.line("$B$$C$(\"$C$\", \"$N$\", AC_$W$$F$", {{"B", intro},
                                                   {"C", column.Id()},
                                                   {"N", cppLiteralText(labelOf(column))},
                                                   {"W", TypesPool.findType(column.Type(), "WS")},
                                                   {"F", columnFlag(column)}});
    intro = ", ";
  }
  c.line("{};");
  c.line("");
}

void SchemeGenerator::printParameterInit(AttribList& columns, std::ostream& out) {
  writeRegistrations(columns, out, false);
}

void SchemeGenerator::printCopyConstructor(AttribList& columns, std::ostream& out) {
  writeRegistrations(columns, out, true);
}

void SchemeGenerator::printAssignment(AttribList& columns, std::ostream& out) {
  LineEmitter c(out);
  for (const Attributes& column : columns) c.line("  $C$=copy.$C$;", {{"C", column.Id()}});
}
