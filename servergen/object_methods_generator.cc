// The object layer: for every table whose class has an object, a cache class
// over the table's domain class (appended to dbScheme.h/.cc), an archive cache
// class and the access class b<T> (b<T>.h and b<T>.cc), which reads, checks,
// inserts, updates and removes rows through the cache; b<P>.cc collects the
// sources. The standalone form (the QPX wrapper) holds a database session
// instead of the server and adds the connector files that include it all.
#include "servergen/object_methods_generator.h"

#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/methods.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"
#include "rt/output_file.h"
#include "rt/stream_joiner.h"
#include "servergen/generated_project.h"
#include "servergen/translated_literal.h"

namespace {

Str src(const Str& file) { return ".src/" + file; }

// `first` and `rest` joined by ", ", without the separator when `first` is
// empty (an empty key list leaves only the other parameter).
Str afterKey(const Str& first, const Str& rest) { return first.IsEmpty() ? rest : first + ", " + rest; }

// The value a column takes from the caller's row; the audit columns take
// the user and the time of the request instead.
Str rowValue(const Attributes& a) {
  if (a.Id() == "UserArc") return "GUserID";
  if (a.Id() == "DateArc") return "GUserTime";
  return "_row." + a.Id();
}

// Whether the C++ expression names GUserID or GUserTime (outside its string
// and character literals).
bool namesUserOrTime(const Str& expression) {
  const std::string& e = expression.std();
  auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  for (std::size_t i = 0; i < e.size();) {
    if (e[i] == '"' || e[i] == '\'') {
      char quote = e[i++];
      while (i < e.size() && e[i] != quote) i += e[i] == '\\' ? 2 : 1;
      ++i;
    } else if (word(e[i])) {
      std::size_t start = i;
      while (i < e.size() && word(e[i])) ++i;
      std::string_view name(e.data() + start, i - start);
      if (name == "GUserID" || name == "GUserTime") return true;
    } else {
      ++i;
    }
  }
  return false;
}

// What the object layer reads of one table and its class.
struct AccessTable {
  Str T;
  ClassDesc* cls = nullptr;
  AttribList* columns = nullptr;
  AttribList key;     // the table's key columns
  AttribList arcKey;  // the key columns of <T>Arc
  AttribList undef;   // the values a caller supplies when adding a row
  AttribList manual;  // the values a caller supplies when updating a row
  bool singular = false;
  bool sequence = false;   // the key comes from the sequence <T>Sequence
  bool updatable = false;  // some column is not part of the key
  Str root;                // the table of the family's root class, which holds the surrogate key
  Str rootSK;              // its surrogate-key column, when the class has a parent
  // The nearest ancestor with an access class, which adds the rows of the
  // ancestors above it in turn; empty when there is none. An ancestor without
  // object (a virtual class kept by its own server) has no rows here.
  Str addingAncestor;

  bool derived() const { return !cls->Parent().IsEmpty(); }
  // The key as the parameters of a generated member.
  Str pk() const { return key.printBaseArgs('c'); }
};

class ObjectLayerWriter {
public:
  ObjectLayerWriter(Project& project, bool standalone, bool noArchive)
      : project(project), P(project.name), standalone(standalone), noArchive(noArchive) {
    select();
  }

  void write();
  void writeConnector();
  // The types the connector declares the audit values with (GUserID, then
  // GUserTime); an empty type for a value it does not declare. Throws when
  // the description gives a value no single type.
  std::pair<Str, Str> auditTypes();

private:
  void select();
  void check(const AccessTable& t);

  // b<T>.h and the cache classes of dbScheme.h.
  void header(const AccessTable& t, std::ostream& dbHeader);
  void cacheDeclaration(const AccessTable& t, LineEmitter& both, LineEmitter& dbh);
  void archiveDeclaration(const AccessTable& t, LineEmitter& h);
  void memberDeclarations(const AccessTable& t, LineEmitter& h);
  void internalMethods(const AccessTable& t, LineEmitter& h);
  void serverMacros(LineEmitter& collector);

  // b<T>.cc and the cache constructors of dbScheme.cc.
  void source(const AccessTable& t, std::ostream& dbSource);
  void cacheDefinition(const AccessTable& t, LineEmitter& both, LineEmitter& c);
  void constructor(const AccessTable& t, LineEmitter& c);
  void checkID(const AccessTable& t, LineEmitter& c);
  void getArcEntry(const AccessTable& t, LineEmitter& c);
  void getOldEntry(const AccessTable& t, LineEmitter& c);
  void getEntry(const AccessTable& t, LineEmitter& c);
  void addEntry(const AccessTable& t, LineEmitter& c);
  void add(const AccessTable& t, LineEmitter& c);
  void setters(const AccessTable& t, LineEmitter& c);
  void removeEntry(const AccessTable& t, LineEmitter& c);
  void updateEntry(const AccessTable& t, LineEmitter& c);
  void updateEntryByRow(const AccessTable& t, LineEmitter& c);

  // Shared pieces of the member definitions.
  Str insertion(const AccessTable& t, LineEmitter& c, Str (*given)(const Attributes&));
  void keyAssignments(const AccessTable& t, LineEmitter& c);
  template <class Wanted>
  Str nearestAncestor(const AccessTable& t, Wanted wanted) const;
  Str addingAncestor(const AccessTable& t) const;
  void ancestorAccess(const Str& ancestor, LineEmitter& c);
  const AccessTable* updatedAncestor(const AccessTable& t) const;
  Str insertedKey() const;
  void closeBody(LineEmitter& c) {
    c.line("}");
    c.line("");
    c.line("");
  }

  // The static columns that get a generated setter: those without a
  // declared method set<col>.
  std::vector<const Attributes*> setterColumns(const AccessTable& t) {
    std::vector<const Attributes*> out;
    for (const Attributes& a : *t.columns)
      if (a.isStatic() && !project.methods.findByName(t.T + " :: set" + a.Id())) out.push_back(&a);
    return out;
  }
  Str addResult(const AccessTable& t) const { return t.cls->HasSK() ? "Int" : "void"; }
  // Calls take(column, expression) for each value a member of the table's
  // access class writes into a column from outside the caller's arguments:
  // initial values, update values and the audit columns' values.
  template <class Take>
  void writtenValues(const AccessTable& t, Take take) const;
  // Whether a member of the table's access class writes GUserID or GUserTime.
  bool writesUserOrTime(const AccessTable& t);
  // The C++ type the connector declares an audit value with; empty when the
  // wrapper neither has a type for it nor writes it.
  Str auditValueType(const Str& value, const Str& descriptionType) const;

  Project& project;
  Str P;
  bool standalone;
  bool noArchive;
  std::vector<AccessTable> tables;
};

// The tables, in table order, that belong to a declared object whose class
// has an object.
void ObjectLayerWriter::select() {
  TablesMap& map = project.tables;
  std::vector<Str> names;
  map.reset();
  while (map.next()) names.push_back(map.getTable());
  for (const Str& name : names) {
    if (!hasAccessClass(project, name)) continue;
    AccessTable t;
    t.T = name;
    t.cls = project.classes.find(name)->second;
    t.columns = map.getAttribList(name);
    t.key = map.getPK(name);
    t.arcKey = project.arcTables.getPK(name + "Arc");
    t.undef = map.getUndef(name);
    t.manual = map.getManualUpdate(name);
    t.singular = t.cls->IsSingular();
    t.sequence = !t.singular && t.cls->HasSK() && !t.cls->IsAutoincremental() && !t.derived();
    t.updatable = t.key.size() != t.columns->size();
    t.root = t.cls->Top()->Id();
    if (t.derived()) {
      AttribList* rootColumns = map.getAttribList(t.root);
      if (Attributes* sk = rootColumns ? rootColumns->findSK() : nullptr) t.rootSK = sk->Id();
      t.addingAncestor = addingAncestor(t);
    }
    check(t);
    tables.push_back(std::move(t));
  }
}

// What the generated class needs of the model, checked before any file is
// written: a signature for every internal method, and for a class that adds
// rows under a surrogate key, the column that holds that key.
void ObjectLayerWriter::check(const AccessTable& t) {
  for (Methods* m = t.cls->GetFirstMethod(); m; m = t.cls->GetNextMethod())
    if (m->IsInternal() && !project.methods.findByName(t.T + " :: " + m->Id()))
      throw tr("ERROR! In class ") + t.T + tr(" the internal method ") + m->Id() + tr(" has no signature");
  if (t.singular || !t.cls->HasSK()) return;
  if (t.derived() && t.addingAncestor.IsEmpty())
    throw tr("ERROR! In class ") + t.T + tr(" the surrogate key comes from ") + t.root +
        tr(", a virtual class without object, whose rows this server does not add");
  bool keyed = t.derived() ? !t.rootSK.IsEmpty() : t.columns->findSK() != nullptr;
  if (!keyed)
    throw tr("ERROR! In class ") + t.T + tr(" the surrogate key is not a column of the table ") + t.root;
}

void ObjectLayerWriter::write() {
  OutputFile collector(src("b" + P + ".cc"));
  OutputFile dbHeader(src("dbScheme.h"), OutputFile::append);
  OutputFile dbSource(src("dbScheme.cc"), OutputFile::append);
  LineEmitter b(collector.stream());
  if (!standalone) {
    b.line("#include \"i$P$.h\"", {{"P", P}});
    b.line("");
  }
  for (const AccessTable& t : tables) header(t, dbHeader.stream());
  if (!standalone) serverMacros(b);
  for (const AccessTable& t : tables) {
    b.line("#include \"b$T$.cc\"", {{"T", t.T}});
    source(t, dbSource.stream());
  }
  collector.close();
  dbHeader.close();
  dbSource.close();
}

// The server reaches the user, the time and the other access classes
// through these names; the sources are compiled inside the server.
void ObjectLayerWriter::serverMacros(LineEmitter& b) {
  b.line("#define GUserID ths->GUserID");
  b.line("#define GUserTime ths->GUserTime");
  b.line("");
  for (const Str& table : objectTables(project)) b.line("#define o$T$ ths->o$T$", {{"T", table}});
}

void ObjectLayerWriter::header(const AccessTable& t, std::ostream& dbHeader) {
  OutputFile file(src("b" + t.T + ".h"));
  LineEmitter h(file.stream());
  LineEmitter dbh(dbHeader);
  // The server compiles only the b<T> files and the standalone wrapper both
  // the dbScheme and the b<T> files, so the wrapper declares the cache
  // classes in dbScheme.h alone.
  LineEmitter both(standalone ? StreamJoiner{&dbHeader} : StreamJoiner{&file.stream(), &dbHeader});
  h.line("#ifndef _b$T$_h_", {{"T", t.T}});
  h.line("#define _b$T$_h_", {{"T", t.T}});
  h.line("");
  h.line("");
  cacheDeclaration(t, both, dbh);
  if (!noArchive) archiveDeclaration(t, h);
  h.line("class b$T$ {", {{"T", t.T}});
  h.line(standalone ? "  KVSession* rdb;" : "  class $P$* ths;", {{"P", P}});
  h.line("  Str tabname;");
  h.line("");
  if (t.sequence) {
    h.line("  KVSequence $T$Sequence;", {{"T", t.T}});
    dbh.line("class $T$Sequence : public KVSequence {", {{"T", t.T}});
    dbh.line("public:");
    dbh.line("$T$Sequence(KVSession* s) : KVSequence(s, \"$T$_Sequence\") {}", {{"T", t.T}});
    dbh.line("};");
  }
  h.line("  $T$Cache cache;", {{"T", t.T}});
  if (!noArchive) {
    h.line("  $T$Arch arc;", {{"T", t.T}});
    h.line("");
  }
  h.line("public:");
  h.line(standalone ? "  b$T$(KVSession* t);" : "  b$T$(class $P$* t);", {{"T", t.T}, {"P", P}});
  h.line("  ~b$T$(){}", {{"T", t.T}});
  memberDeclarations(t, h);
  internalMethods(t, h);
  if (!t.singular) {
    h.line("  void PreFetch(){cache.PreFetch();}");
    h.line("  void CacheOn(){cache.CacheOn();}");
    h.line("  void CacheOff(){cache.CacheOff();}");
  }
  h.line("  void Clear(){cache.Clear();}");
  if (!t.singular && t.updatable) h.line("  void SetReadOnly(){cache.SetReadOnly();}");
  h.line("};");
  h.line("");
  h.line("#endif");
  file.close();
}

void ObjectLayerWriter::cacheDeclaration(const AccessTable& t, LineEmitter& both, LineEmitter& dbh) {
  both.line("class $T$Cache : public virtual KVDomain,", {{"T", t.T}});
  both.line("  public virtual $T$,", {{"T", t.T}});
  both.line("  public KVCache {");
  both.line("public:");
  both.line("  $T$Cache(KVSession* s);", {{"T", t.T}});
  both.line("  virtual ~$T$Cache();", {{"T", t.T}});
  dbh.line("  $T$Cache& Get() { KVCache::Get(); return *this;}", {{"T", t.T}});
  both.line("};");
  both.line("");
}

void ObjectLayerWriter::archiveDeclaration(const AccessTable& t, LineEmitter& h) {
  h.line("class $T$Arch : public virtual KVDomain,", {{"T", t.T}});
  h.line("  public virtual $T$Arc,", {{"T", t.T}});
  h.line("  public KVCache {");
  h.line("public:");
  h.line("  $T$Arch(KVSession* s);", {{"T", t.T}});
  h.line("  virtual ~$T$Arch();", {{"T", t.T}});
  h.line("};");
  h.line("");
}

// The standard members. Only the add and update declarations give flag
// columns their default value.
void ObjectLayerWriter::memberDeclarations(const AccessTable& t, LineEmitter& h) {
  Str pk = t.pk();
  if (!t.singular) h.line("  bool checkID($pk$);", {{"pk", pk}});
  if (!noArchive) {
    h.line("  $T$Arc& getArcEntry($arcpk$);", {{"T", t.T}, {"arcpk", t.arcKey.printBaseArgs('c')}});
    h.line("  $T$Arc& getOldEntry($args$);", {{"T", t.T}, {"args", afterKey(pk, "Int DateArc")}});
  }
  h.line("  $T$& getEntry($pk$);", {{"T", t.T}, {"pk", pk}});
  if (!t.singular) {
    h.line("  $R$ addEntry($undef$);", {{"R", addResult(t)}, {"undef", t.undef.printBaseArgs('h')}});
    h.line("  $R$ add( const $T$& );", {{"R", addResult(t)}, {"T", t.T}});
    h.line("  void removeEntry($pk$);", {{"pk", pk}});
  }
  if (t.updatable) {
    h.line("  void updateEntry($manual$);", {{"manual", t.manual.printBaseArgs('h')}});
    h.line("  void updateEntry(const $T$&);", {{"T", t.T}});
  }
  for (const Attributes* a : setterColumns(t))
    h.line("  void set$col$($args$);", {{"col", a->Id()},
                                       {"args", afterKey(pk, TypesPool.findType(a->Type(), "C") + " " + a->Id())}});
}

// The internal methods of the class, written by hand in the server; each
// returns nothing or one value.
void ObjectLayerWriter::internalMethods(const AccessTable& t, LineEmitter& h) {
  h.line("");
  h.line("// Non standard methods");
  for (Methods* m = t.cls->GetFirstMethod(); m; m = t.cls->GetNextMethod()) {
    if (!m->IsInternal()) continue;
    MethodDesc* desc = project.methods.findByName(t.T + " :: " + m->Id());
    if (desc->output.size() > 1)
      throw tr("ERROR! In class ") + t.T + tr(" Internal methods cannot return more then one argument");
    Str result = desc->output.isEmpty() ? Str("  void ")
                                        : "  " + TypesPool.findType(desc->output.begin()->Type(), "C") + " ";
    h.line("$R$$M$($args$);", {{"R", result}, {"M", m->Id()}, {"args", desc->input.printBaseArgs('c')}});
  }
}

void ObjectLayerWriter::source(const AccessTable& t, std::ostream& dbSource) {
  OutputFile file(src("b" + t.T + ".cc"));
  LineEmitter c(file.stream());
  LineEmitter both(standalone ? StreamJoiner{&dbSource} : StreamJoiner{&file.stream(), &dbSource});
  if (!standalone) {
    c.line("#include \"$P$body.h\"", {{"P", P}});
    c.line("");
  }
  cacheDefinition(t, both, c);
  constructor(t, c);
  if (!t.singular) checkID(t, c);
  if (!noArchive) {
    getArcEntry(t, c);
    getOldEntry(t, c);
  }
  getEntry(t, c);
  if (!t.singular) {
    addEntry(t, c);
    add(t, c);
  }
  setters(t, c);
  if (!t.singular) removeEntry(t, c);
  if (t.updatable) {
    updateEntry(t, c);
    updateEntryByRow(t, c);
  }
  file.close();
}

void ObjectLayerWriter::cacheDefinition(const AccessTable& t, LineEmitter& both, LineEmitter& c) {
  both.line("$T$Cache::$T$Cache(KVSession* s) : KVDomain(\"$T$\"),", {{"T", t.T}});
  both.line("  $T$(), KVSimpleCache(s$unarchived$) {}", {{"T", t.T}, {"unarchived", t.cls->HasNoArc() ? ",0" : ""}});
  both.line("");
  both.line("$T$Cache::~$T$Cache() {}", {{"T", t.T}});
  both.line("");
  if (noArchive) return;
  c.line("$T$Arch::$T$Arch(KVSession* s) : KVDomain(\"$T$Arc\"),", {{"T", t.T}});
  c.line("  $T$Arc(), KVSimpleCache(s,0) {}", {{"T", t.T}});
  c.line("");
  c.line("$T$Arch::~$T$Arch() {}", {{"T", t.T}});
  c.line("");
  c.line("");
}

void ObjectLayerWriter::constructor(const AccessTable& t, LineEmitter& c) {
  // The session: the constructor's argument itself, or the server's.
  Str session = standalone ? "t" : "t->rdb";
  if (standalone)
    c.put("b$T$::b$T$(KVSession* t) : rdb(t), cache(t)", {{"T", t.T}});
  else
    c.put("b$T$::b$T$($P$* t) : ths(t), cache(t->rdb)", {{"T", t.T}, {"P", P}});
  if (!noArchive) c.put(", arc($s$)", {{"s", session}});
  if (t.sequence) c.put(", $T$Sequence($s$,\"$T$_Sequence\")", {{"T", t.T}, {"s", session}});
  c.line(" {");
  c.line("  tabname=\"$T$\";", {{"T", t.T}});
  closeBody(c);
}

void ObjectLayerWriter::checkID(const AccessTable& t, LineEmitter& c) {
  c.line("bool b$T$::checkID($pk$) {", {{"T", t.T}, {"pk", t.pk()}});
  Str match("1");
  for (const Attributes& k : t.key) {
    c.line("  if ($k$.IsNull()) return false;", {{"k", k.Id()}});
    c.line("  cache.$k$=$k$;", {{"k", k.Id()}});
    match << " && cache." << k.Id() << "==" << k.Id();
  }
  c.line("  cache.Get();");
  c.line("  return ($match$) ? true : false;", {{"match", match}});
  closeBody(c);
}

void ObjectLayerWriter::getArcEntry(const AccessTable& t, LineEmitter& c) {
  c.line("$T$Arc& b$T$::getArcEntry($arcpk$) {", {{"T", t.T}, {"arcpk", t.arcKey.printBaseArgs('c')}});
  Str differs("0");
  for (const Attributes& k : t.arcKey) {
    c.line("  arc.$k$=$k$;", {{"k", k.Id()}});
    differs << " || arc." << k.Id() << " != " << k.Id();
  }
  c.line("  arc.Get();");
  c.line("  if( $differs$ ) ", {{"differs", differs}});
  c.line("    throw Exc(\"$msg$\");", {{"msg", trLiteral("Record with this code is not found.")}});
  c.line("  return arc;");
  closeBody(c);
}

void ObjectLayerWriter::getOldEntry(const AccessTable& t, LineEmitter& c) {
  c.line("$T$Arc& b$T$::getOldEntry($args$) {", {{"T", t.T}, {"args", afterKey(t.pk(), "Int DateArc")}});
  c.line(standalone ? "  KVCursor cursor(rdb);" : "  KVCursor cursor(ths->rdb);");
  Str projected;
  for (const Attributes& a : *t.columns) projected << " << arc->" << a.Id();
  c.line("  cursor.Project()$cols$;", {{"cols", projected}});
  Str match;
  for (const Attributes& k : t.key) match << " && arc->" << k.Id() << "==" << k.Id();
  c.line("  cursor.Set(KVComparison(Str(\"\"))$match$ && arc->DateArc <= (int)DateArc);", {{"match", match}});
  c.line("  cursor.Order(-arc->DateArc);");
  c.line("  if (!cursor.Fetch()) throw Exc(\"$msg$\");", {{"msg", trLiteral("Record with this code is not found.")}});
  c.line("  return arc;");
  closeBody(c);
}

// Without an archive no row is ever marked as moved there, so only a key
// that differs from the one asked for means the row is missing.
void ObjectLayerWriter::getEntry(const AccessTable& t, LineEmitter& c) {
  c.line("$T$& b$T$::getEntry($pk$){", {{"T", t.T}, {"pk", t.pk()}});
  keyAssignments(t, c);
  c.line("  cache.Get();");
  Str missing = noArchive ? "0" : "cache.UserArc.IsNull()";
  for (const Attributes& k : t.key) missing << " || cache." << k.Id() << " != " << k.Id();
  c.line("  if( $missing$ ) ", {{"missing", missing}});
  c.line("    throw Exc(\"$table$\") << Msg(\"$alias$\").what() << \"$missing$\"$key$ << \"$end$\";",
         {{"table", trLiteral("Table ")},
          {"alias", cppLiteralText(t.cls->ClassAlias())},
          {"missing", trLiteral(" doesn't contain row with id ")},
          {"key", t.key.printIntoThrow()},
          {"end", trLiteral(". ")}});
  c.line("  return cache;");
  closeBody(c);
}

// A derived class adds the row of its parent first, which gives the key.
void ObjectLayerWriter::addEntry(const AccessTable& t, LineEmitter& c) {
  c.line("$R$ b$T$::addEntry($undef$){", {{"R", addResult(t)}, {"T", t.T}, {"undef", t.undef.printBaseArgs('c')}});
  if (!t.addingAncestor.IsEmpty()) {
    ancestorAccess(t.addingAncestor, c);
    c.line("  $sk$o$Parent$.addEntry($args$);", {{"sk", t.rootSK.IsEmpty() ? Str("") : "Int " + t.rootSK + "="},
                                                 {"Parent", t.addingAncestor},
                                                 {"args", project.tables.getUndef(t.addingAncestor).printArgs()}});
  }
  Str key = insertion(t, c, [](const Attributes& a) { return a.Id(); });
  if (t.cls->HasSK()) {
    if (t.derived()) {
      c.line("  return $sk$;", {{"sk", t.rootSK}});
    } else {
      if (t.cls->IsAutoincremental()) c.line("  cache.$key$=$id$;", {{"key", key}, {"id", insertedKey()}});
      c.line("  return cache.$key$;", {{"key", key}});
    }
  }
  closeBody(c);
}

// Adds a row as given. A derived class's key column is one of the row's
// columns, named as in the root table.
void ObjectLayerWriter::add(const AccessTable& t, LineEmitter& c) {
  c.line("$R$ b$T$::add( const $T$& _row) {", {{"R", addResult(t)}, {"T", t.T}});
  Str key = insertion(t, c, rowValue);
  if (key.IsEmpty()) key = t.rootSK;
  if (t.cls->HasSK()) {
    if (t.cls->IsAutoincremental() && !t.derived())
      c.line("  cache.$key$=$id$;", {{"key", key}, {"id", insertedKey()}});
    c.line("  return cache.$key$;", {{"key", key}});
  }
  closeBody(c);
}

void ObjectLayerWriter::setters(const AccessTable& t, LineEmitter& c) {
  for (const Attributes* a : setterColumns(t)) {
    Str value = TypesPool.findType(a->Type(), "C") + " " + a->Id();
    c.line("void b$T$::set$col$($args$) {", {{"T", t.T}, {"col", a->Id()}, {"args", afterKey(t.pk(), value)}});
    keyAssignments(t, c);
    c.line("  cache.Get();");
    c.line("  cache.$col$ = $col$;", {{"col", a->Id()}});
    if (!noArchive) {
      c.line("  cache.UserArc=GUserID;");
      c.line("  cache.DateArc=GUserTime;");
    }
    c.line("  cache.Put();");
    c.line("}");
    c.line("");
  }
}

void ObjectLayerWriter::removeEntry(const AccessTable& t, LineEmitter& c) {
  c.line("void b$T$::removeEntry($pk$){", {{"T", t.T}, {"pk", t.pk()}});
  keyAssignments(t, c);
  c.line("  cache.Delete();");
  closeBody(c);
}

void ObjectLayerWriter::updateEntry(const AccessTable& t, LineEmitter& c) {
  c.line("void b$T$::updateEntry($manual$){", {{"T", t.T}, {"manual", t.manual.printBaseArgs('c')}});
  if (const AccessTable* ancestor = updatedAncestor(t)) {
    ancestorAccess(ancestor->T, c);
    c.line("  o$A$.updateEntry($args$);", {{"A", ancestor->T}, {"args", ancestor->manual.printArgs()}});
  }
  keyAssignments(t, c);
  c.line("  cache.Get();");
  for (const Attributes& a : *t.columns) {
    if (a.isStatic()) continue;
    c.line("  cache.$col$=$value$;", {{"col", a.Id()}, {"value", a.DefUpdate().IsEmpty() ? a.Id() : updateValueOf(a)}});
  }
  c.line("  cache.Put();");
  closeBody(c);
}

void ObjectLayerWriter::updateEntryByRow(const AccessTable& t, LineEmitter& c) {
  c.line("void b$T$::updateEntry(const $T$& _row) {", {{"T", t.T}});
  for (const Attributes& a : *t.columns) c.line("  cache.$col$=$value$;", {{"col", a.Id()}, {"value", rowValue(a)}});
  c.line("  cache.Put();");
  closeBody(c);
}

// Inserts one row: each column gets its initial value, else the value given
// for it, except the surrogate key, which takes the next number of the
// sequence unless the database numbers it. Answers the surrogate-key column.
Str ObjectLayerWriter::insertion(const AccessTable& t, LineEmitter& c, Str (*given)(const Attributes&)) {
  Str key;
  for (const Attributes& a : *t.columns) {
    if (!a.DefInit().IsEmpty()) {
      c.line("  cache.$col$=$value$;", {{"col", a.Id()}, {"value", initialValueOf(a)}});
    } else if (!a.IsProperty("SK")) {
      c.line("  cache.$col$=$value$;", {{"col", a.Id()}, {"value", given(a)}});
    } else {
      key = a.Id();
      if (!a.IsProperty("AUTO_INCREMENT")) c.line("  cache.$col$=$T$Sequence.getNext();", {{"col", key}, {"T", t.T}});
    }
  }
  c.line("  cache.Insert();");
  return key;
}

void ObjectLayerWriter::keyAssignments(const AccessTable& t, LineEmitter& c) {
  for (const Attributes& k : t.key) c.line("  cache.$k$=$k$;", {{"k", k.Id()}});
}

// The nearest ancestor of the table's class that `wanted` accepts; empty
// when none does. A class that is not declared ends the walk, and the walk
// is bounded, so that a looping chain cannot hang it.
template <class Wanted>
Str ObjectLayerWriter::nearestAncestor(const AccessTable& t, Wanted wanted) const {
  Str name = t.cls->Parent();
  for (std::size_t steps = 0; steps < project.classes.size() && !name.IsEmpty(); ++steps) {
    if (wanted(name)) return name;
    auto cls = project.classes.find(name);
    if (cls == project.classes.end() || !cls->second) return "";
    name = cls->second->Parent();
  }
  return "";
}

Str ObjectLayerWriter::addingAncestor(const AccessTable& t) const {
  return nearestAncestor(t, [&](const Str& name) {
    auto cls = project.classes.find(name);
    return cls == project.classes.end() || !cls->second || hasAccessClass(project, name);
  });
}

// The server defines o<A> for every access class; the standalone wrapper has
// no server, so it makes the ancestor's access class on the spot.
void ObjectLayerWriter::ancestorAccess(const Str& ancestor, LineEmitter& c) {
  if (standalone) c.line("  b$A$ o$A$(rdb);", {{"A", ancestor}});
}

// The nearest ancestor whose access class declares updateEntry, which
// updates the rows of the ancestors above it in turn; null when there is
// none. A class whose table holds only the key (a middle class without
// columns of its own, in the wrapper, which has no audit columns) declares
// none: its row has nothing to change, so the update goes past it.
const AccessTable* ObjectLayerWriter::updatedAncestor(const AccessTable& t) const {
  auto updatable = [&](const Str& name) -> const AccessTable* {
    for (const AccessTable& a : tables)
      if (a.T == name) return a.updatable ? &a : nullptr;
    return nullptr;
  };
  const Str name = nearestAncestor(t, [&](const Str& n) { return updatable(n) != nullptr; });
  return name.IsEmpty() ? nullptr : updatable(name);
}

// The key the database gave the row just inserted, read through the session.
Str ObjectLayerWriter::insertedKey() const {
  return standalone ? "rdb->GetInsertId()" : "ths->rdb->GetInsertId()";
}

// Follows what the members write: the initial values and the audit columns
// of addEntry and add, and the update values and audit columns of both
// updateEntry forms.
template <class Take>
void ObjectLayerWriter::writtenValues(const AccessTable& t, Take take) const {
  for (const Attributes& a : *t.columns) {
    if (!t.singular && !a.DefInit().IsEmpty()) take(a, initialValueOf(a));
    if (!t.singular && a.DefInit().IsEmpty() && !a.IsProperty("SK")) take(a, rowValue(a));
    if (t.updatable) take(a, rowValue(a));
    if (t.updatable && !a.isStatic() && !a.DefUpdate().IsEmpty()) take(a, updateValueOf(a));
  }
}

// The setters write the audit columns too, unless there is no archive.
bool ObjectLayerWriter::writesUserOrTime(const AccessTable& t) {
  if (!noArchive && !setterColumns(t).empty()) return true;
  bool names = false;
  writtenValues(t, [&](const Attributes&, const Str& value) { names = names || namesUserOrTime(value); });
  return names;
}

// The wrapper's audit values are its own globals, so their types follow the
// description: the type it gives the audit column of the value (UserID for
// GUserID, Date for GUserTime), declared as the access classes declare a
// column of that type. A description without that type leaves it to the
// columns that take the value, which must then agree.
Str ObjectLayerWriter::auditValueType(const Str& value, const Str& descriptionType) const {
  if (TypesPool.TypesList().count(descriptionType)) {
    const Str& code = TypesPool.findType(descriptionType, "C");
    if (!code.IsEmpty()) return declaredTypeOf(code);
  }
  Str type, taker;
  for (const AccessTable& t : tables)
    writtenValues(t, [&](const Attributes& a, const Str& written) {
      if (written != value) return;
      Str own = declaredTypeOf(codeTypeOf(a));
      if (type.IsEmpty()) {
        type = own;
        taker = t.T + "." + a.Id();
      } else if (own != type) {
        throw tr("ERROR! The wrapper cannot declare ") + value + tr(": the description has no type ") +
            descriptionType + tr(", and the columns that take it differ in type (") + taker + ": " + type + ", " +
            t.T + "." + a.Id() + ": " + own + ").";
      }
    });
  return type;
}

std::pair<Str, Str> ObjectLayerWriter::auditTypes() {
  bool userAndTime = false;
  for (const AccessTable& t : tables) userAndTime = userAndTime || writesUserOrTime(t);
  if (!userAndTime) return {};
  return {auditValueType("GUserID", "UserID"), auditValueType("GUserTime", "Date")};
}

// The connector of the wrapper: one header and one source that include the
// scheme and every access class written. The server gives the access classes
// the user and the time of the request; where the wrapper's classes write
// them, the connector declares them for the program that uses the wrapper.
void ObjectLayerWriter::writeConnector() {
  const auto [userType, timeType] = auditTypes();
  const bool userAndTime = !userType.IsEmpty() || !timeType.IsEmpty();
  OutputFile headerFile(src("DBConnector.h"));
  LineEmitter h(headerFile.stream());
  h.line("#ifndef DBCONNECTOR_H");
  h.line("#define DBCONNECTOR_H");
  h.line("");
  for (const char* name : {"kvtracer.h", "ordbms.h", "kvrdbms.h", "kvtypes.h", "kvcache.h"})
    h.line("#include <$H$>", {{"H", name}});
  h.line("");
  // The wrapper's defaults name the enumeration items.
  h.line("#include \"auto_consts.h\"");
  h.line("#include \"dbScheme.h\"");
  h.line("");
  if (userAndTime) {
    h.line("// The user and the time that the access classes record with a change");
    h.line("// (audit columns, and the values GUserID and GUserTime of the");
    h.line("// description). Defined in DBConnector.cpp; the program that uses the");
    h.line("// wrapper sets both before it adds or updates a row.");
    if (!userType.IsEmpty()) h.line("extern $T$ GUserID;", {{"T", userType}});
    if (!timeType.IsEmpty()) h.line("extern $T$ GUserTime;", {{"T", timeType}});
    h.line("");
  }
  for (const AccessTable& t : tables) h.line("#include \"b$T$.h\"", {{"T", t.T}});
  h.line("#endif");
  headerFile.close();

  OutputFile sourceFile(src("DBConnector.cpp"));
  LineEmitter c(sourceFile.stream());
  c.line("#include \"DBConnector.h\"");
  c.line("");
  c.line("#include \"dbScheme.cc\"");
  if (userAndTime) {
    c.line("");
    if (!userType.IsEmpty()) c.line("$T$ GUserID;", {{"T", userType}});
    if (!timeType.IsEmpty()) c.line("$T$ GUserTime;", {{"T", timeType}});
    c.line("");
  }
  for (const AccessTable& t : tables) c.line("#include \"b$T$.cc\"", {{"T", t.T}});
  sourceFile.close();
}

}  // namespace

void ObjectMethodsGenerator::Generate(bool) {
  ObjectLayerWriter(generatedProject(project_), standalone_, noArchive_).write();
}

void ObjectMethodsGenerator::Check() {
  ObjectLayerWriter writer(generatedProject(project_), standalone_, noArchive_);
  if (standalone_) writer.auditTypes();
}

void ObjectMethodsGenerator::GenerateDBConnector() {
  ObjectLayerWriter(generatedProject(project_), standalone_, noArchive_).writeConnector();
}
