// The server container: <P>_Container.h declares srv<P>_Object with one static
// entry point per served method; <P>_Container.cc registers every entry point
// with the middleware, defines the four built-in methods and writes one call
// stub per served method. A stub unpacks the data packet into typed locals,
// checks and converts them, calls the implementation and hands the result
// back.
#include "servergen/shell_generator.h"

#include "model/methods_map.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "rt/cpp_literal.h"
#include "rt/int.h"
#include "rt/line_emitter.h"
#include "servergen/display_label.h"
#include "servergen/generated_project.h"
#include "servergen/served_methods.h"
#include "servergen/translated_literal.h"

namespace {

// One character per argument: "*" for a value that must not show in a trace
// (its type is encrypted or censored), a blank otherwise.
Str traceMask(const AttribList& args) {
  Str mask("");
  for (const Attributes& a : args) {
    bool hidden = TypesPool.findType(a.Type(), "ENCRYPT") == "yes" || TypesPool.findType(a.Type(), "CENSORED") == "yes";
    mask << (hidden ? '*' : ' ');
  }
  return mask;
}

class ContainerWriter {
public:
  ContainerWriter(ShellGenerator& generator, Project& project, std::ostream& header, std::ostream& source,
                  bool withSQL)
      : gen(generator), project(project), P(project.name), h(header), c(source), withSQL(withSQL) {}

  void writeHeader();
  void writeSource();

private:
  // Runs `write` on every served entry, in map order.
  template <class Write>
  void forEachServed(Write write) {
    project.methods.reset();
    while (project.methods.next())
      if (isServed(project.methods)) write();
  }

  void registerMethods();
  void registration();
  void errorEpilogue();
  void enumValues();
  void sqlExecutor();
  void orvaleExecutor();
  void orvaleCompiler();
  void stub();
  void readArguments(const Str& M);
  void readArgument(const Attributes& arg, int position);
  void readFirstKey(const Attributes& key);

  ShellGenerator& gen;
  Project& project;
  Str P;
  LineEmitter h;
  LineEmitter c;
  bool withSQL;  // the built-in SQL executor is part of the full server only
};

void ContainerWriter::writeHeader() {
  h.line("#ifndef _$P$_CONTAINER_H_", {{"P", P}});
  h.line("#define _$P$_CONTAINER_H_", {{"P", P}});
  h.line("");
  h.line("#include \"comm.h\"");
  h.line("#include \"orvale.h\"");
  h.line("");
  h.line("#include \"i$P$.h\"", {{"P", cppLiteralText(P)}});
  h.line("");
  h.line("class srv$P$_Object : public $P$ {", {{"P", P}});
  h.line("public:");
  h.line("  $P$* impl;", {{"P", P}});
  h.line("  srv$P$_Object(const char* cnm, const char* onm);", {{"P", P}});
  h.line("  ~srv$P$_Object();", {{"P", P}});
  h.line("  virtual void BroadcastArrived(DataPacket &,unsigned );");
  h.line("private:");
  h.line("  static void* __OrvaleExecutor(srv$P$_Object *,DataPacket *,unsigned);", {{"P", P}});
  if (withSQL) h.line("  static void* __SQLExecutor(srv$P$_Object *,DataPacket *,unsigned);", {{"P", P}});
  h.line("  static void* __OrvaleCompiler(srv$P$_Object *,DataPacket *,unsigned);", {{"P", P}});
  h.line("  static void* __EnumValues(srv$P$_Object *,DataPacket *,unsigned);", {{"P", P}});
  forEachServed([&] {
    h.line("  static void* $M$(srv$P$_Object *,DataPacket *,unsigned);",
           {{"M", entryPointName(project.methods)}, {"P", P}});
  });
  h.line("};");
  h.line("");
  h.line("#endif");
}

void ContainerWriter::writeSource() {
  c.line("#include \"comm.h\"");
  c.line("#include \"filters.h\"");
  c.line("");
  c.line("#include \"i$P$.h\"", {{"P", cppLiteralText(P)}});
  c.line("");
  c.line("extern char db_name[256];");
  c.line("extern int  debug_level;");
  c.line("");
  // The database names of the inherited projects.
  for (const auto& [name, other] : projectMap)
    if (other && other->relation != 0) c.line("Str $Q$;", {{"Q", name}});
  c.line("");
  registerMethods();
  enumValues();
  c.line("");
  if (withSQL) {
    sqlExecutor();
    c.line("");
  }
  orvaleExecutor();
  c.line("");
  orvaleCompiler();
  c.line("");
  forEachServed([&] {
    stub();
    c.line("");
  });
  c.line("");
}

void ContainerWriter::registerMethods() {
  c.line("void $P$::RegisterMethods(const char*, const char*) {", {{"P", P}});
  c.line("  impl = ($P$*) this;", {{"P", P}});
  c.line("");
  c.line("  MethodHandler *mh = 0;");
  c.line("");
  c.line("  RegisterMethod(\"__OrvaleExecutor\", this,(void *(*)(...))&$P$::__OrvaleExecutor);", {{"P", P}});
  if (withSQL) c.line("  RegisterMethod(\"__SQLExecutor\", this,(void *(*)(...))&$P$::__SQLExecutor);", {{"P", P}});
  c.line("  RegisterMethod(\"__OrvaleCompiler\", this,(void *(*)(...))&$P$::__OrvaleCompiler);", {{"P", P}});
  c.line("  RegisterMethod(\"__EnumValues\", this,(void *(*)(...))&$P$::__EnumValues);", {{"P", P}});
  c.line("  mh = FindMethod(\"__EnumValues\");");
  c.line("  if (mh != 0) {");
  c.line("    mh->AddArgDesc(DP_INT,\"SortNo\",\"$T$\");", {{"T", trLiteral("Sort field")}});
  c.line("    mh->AddRetDesc(DP_INT, \"ListResult\", \" \");");
  c.line("  }");
  c.line("");
  forEachServed([&] { registration(); });
  c.line("}");
  c.line("");
}

// The entry point of one served method with its argument descriptors.
void ContainerWriter::registration() {
  Str M = entryPointName(project.methods);
  c.line("  RegisterMethod(\"$m$\", this,(void *(*)(...)) (void *(*)(class $P$ *,DataPacket *,unsigned))&$P$::$M$);",
         {{"m", cppLiteralText(M)}, {"P", P}, {"M", M}});
  c.line("  mh = FindMethod(\"$m$\");", {{"m", cppLiteralText(M)}});
  c.line("  if (mh != 0) {");
  for (const Attributes& arg : project.methods.getInArgs())
    c.line("    mh->AddArgDesc($C$,\"$I$\",\"$L$\");", {{"C", TypesPool.findType(arg.Type(), "COMM")},
                                                        {"I", cppLiteralText(arg.Id())},
                                                        {"L", cppLiteralText(labelOf(arg))}});
  c.line("");
  c.line("    mh->AddRetDesc( DP_INT, \"$R$\", \" \" );", {{"R", cppLiteralText(project.methods.Body().resultType)}});
  c.line("  }");
  c.line("");
}

// How every built-in method and stub ends its try block: each kind of error
// becomes the error of the reply.
void ContainerWriter::errorEpilogue() {
  c.line("  }");
  c.line("  catch(AException msg){");
  c.line("    ths->SetError(msg);");
  c.line("  }");
  c.line("  catch(CommException &e) {");
  c.line("    ths->SetError(Exc(e.what()));");
  c.line("  }");
  c.line("  catch(const char* msg){");
  c.line("    ths->SetError(msg);");
  c.line("  }");
  c.line("  catch(Str msg){");
  c.line("    ths->SetError(msg);");
  c.line("  }");
  c.line("  catch(...){");
  c.line("    ths->SetError(AMessage(\"$T$ \").what());", {{"T", trLiteral("System error.")}});
  c.line("  }");
}

// Every item of every enumeration of the run, the types numbered from 33 in
// name order. The text of an item is its value, as in enum_to_string_<P>.
void ContainerWriter::enumValues() {
  c.line("void *$P$::__EnumValues($P$ *ths,DataPacket *dp,unsigned a) {", {{"P", P}});
  c.line("  ths->GUserID = ths->ruser;");
  c.line("  Result* r = 0;");
  c.line("  try {");
  c.line("    r = (Result*)ths->Begin(\"__EnumValues\",dp,a);");
  c.line("    if (r) return r;");
  c.line("    ListResult* lr=new ListResult(\"$T$\");", {{"T", trLiteral("Enums")}});
  c.line("    lr->AddColumn(\"$T$\", AC_CODE);", {{"T", trLiteral("Type")}});
  c.line("    lr->AddColumn(\"$T$\", AC_CODE);", {{"T", trLiteral("Value")}});
  c.line("    lr->AddColumn(\"$T$\", AC_LTEXT);", {{"T", trLiteral("Line")}});
  int number = 33;
  for (const auto& [type, items] : TypesPool.InitsList()) {
    for (const ChkLine* item : *items)
      c.line("    lr->AppendValues((int)$N$, (int)$C$, (char*)\"$T$\");",
             {{"N", Int(number).getstr()}, {"C", Int(item->code).getstr()}, {"T", cppLiteralText(item->value)}});
    ++number;
  }
  c.line("    r=(Result*)lr;");
  errorEpilogue();
  c.line("  return ths->Complete(r,EM_NO_ACTION,\"$P$_Object\",\"__EnumValues\",dp);", {{"P", cppLiteralText(P)}});
  c.line("}");
}

void ContainerWriter::sqlExecutor() {
  c.line("void *$P$::__SQLExecutor($P$ *ths,DataPacket *dp,unsigned a) {", {{"P", P}});
  c.line("  ListResult* r=new ListResult();");
  c.line("  try {");
  c.line("    ths->Begin(\"__SQLExecutor\",dp,a,1|2);");
  c.line("    Str sqltext;");
  c.line("    int size;");
  c.line("    *dp >> sqltext;");
  c.line("    *dp >> size;");
  c.line("    for(int i=0; i<size; ++i) {");
  c.line("      int type;");
  c.line("      *dp >> type;");
  c.line("      r->AddColumn(\" \", type);");
  c.line("    }");
  c.line("    KVCursor curs(ths->rdb);");
  c.line("    curs.Statement(sqltext);");
  c.line("    if(size>0) r->CopyCursor(curs);");
  errorEpilogue();
  c.line("  return ths->Complete(r,EM_NO_ACTION,\"$P$_Object\",\"__SQLExecutor\",dp);", {{"P", cppLiteralText(P)}});
  c.line("}");
}

void ContainerWriter::orvaleExecutor() {
  c.line("void *$P$::__OrvaleExecutor($P$ *ths,DataPacket *dp,unsigned a) {", {{"P", P}});
  c.line("  if( dp->size()<1 ) throw AException(\"$T$. \");", {{"T", trLiteral("Error calling script")}});
  c.line("  ths->GUserID = ths->ruser;");
  c.line("  Result *r = 0;");
  c.line("  try {");
  c.line("    r = (Result*)ths->Begin(\"__OrvaleExecutor\",dp,a);");
  c.line("    if (r) return r;");
  c.line("    Str file;");
  c.line("    *dp >> file;");
  c.line("    Orvale* as=Orvale::findInCache(file);");
  c.line("    ArgDescList& adl=as->getArgDescription();");
  c.line("    ArgDescList::iterator it;");
  c.line("    Str tmp;");
  c.line("    DataPacket adp(adl.size());");
  c.line("    int i=1;");
  c.line("    for(it=adl.begin(); it!=adl.end(); ++it, ++i) {");
  c.line("      ArgDesc& ad=*it;");
  c.line("      switch(dp->Type(i)) {");
  c.line("      case DP_STRING : {");
  c.line("        *dp >> tmp;");
  c.line("        switch(ad.type) {");
  c.line("        case AC_CODE :");
  c.line("        case 0 :");
  c.line("          if(tmp.IsNull()) adp << Int();");
  c.line("          else adp << atoi(tmp.str());");
  c.line("          break;");
  c.line("        case AC_DATE :");
  c.line("        case AC_WORD_DATE :");
  c.line("          adp << string_to_datetime(tmp, FormatDate);");
  c.line("          break;");
  c.line("        case AC_HOUR :");
  c.line("          adp << string_to_datetime(tmp, FormatTimeSec);");
  c.line("          break;");
  c.line("        case AC_DATE_HOUR :");
  c.line("          adp << string_to_datetime(tmp, FormatDateTimeSec);");
  c.line("          break;");
  c.line("        case AC_MONEY :");
  c.line("        case AC_ORDER_MONEY :");
  c.line("        case AC_WORD_MONEY :");
  c.line("          adp << string_to_money(tmp);");
  c.line("          break;");
  c.line("        case AC_DOUBLE :");
  c.line("        case AC_PERCENT :");
  c.line("          adp << string_to_double(tmp);");
  c.line("          break;");
  c.line("        default :");
  c.line("          adp << tmp;");
  c.line("        }");
  c.line("        break;");
  c.line("      }");
  c.line("      case DP_INT : {");
  c.line("        Int ii;");
  c.line("        *dp >> ii;");
  c.line("        adp << ii;");
  c.line("        break;");
  c.line("      }");
  c.line("      case DP_DOUBLE : {");
  c.line("        Double dd;");
  c.line("        *dp >> dd;");
  c.line("        adp << dd;");
  c.line("        break;");
  c.line("      }");
  c.line("      default: throw AException(\"$T$ Orvale. \");", {{"T", trLiteral("Wrong parameter type")}});
  c.line("      }");
  c.line("    }");
  c.line("    r=as->execute(adp);");
  errorEpilogue();
  c.line("  return ths->Complete(r,EM_NO_ACTION,\"$P$_Object\",\"__OrvaleExecutor\",dp);",
         {{"P", cppLiteralText(P)}});
  c.line("}");
}

void ContainerWriter::orvaleCompiler() {
  c.line("void *$P$::__OrvaleCompiler($P$ *ths,DataPacket *dp,unsigned a) {", {{"P", P}});
  c.line("  if( dp->size()<1 ) throw AException(\"$T$. \");", {{"T", trLiteral("Error calling script")}});
  c.line("  ths->GUserID = ths->ruser;");
  c.line("  Result* r = 0;");
  c.line("  try {");
  c.line("    r = (Result*)ths->Begin(\"__OrvaleCompiler\",dp,a);");
  c.line("    if (r) return r;");
  c.line("    Str file;");
  c.line("    *dp >> file;");
  c.line("    Orvale* as=Orvale::findInCache(file);");
  c.line("    DataPacket adp(dp->Size()-1);");
  c.line("    for(int i=1; i<dp->Size();++i) {");
  c.line("      switch(dp->Type(i)) {");
  c.line("      case DP_INT : {");
  c.line("        Int ii; *dp >> ii; adp << ii;");
  c.line("        break; }");
  c.line("      case DP_DOUBLE : {");
  c.line("        Double dd; *dp >> dd; adp << dd;");
  c.line("        break; }");
  c.line("      case DP_STRING : {");
  c.line("        Str ss; *dp >> ss; adp << ss; }");
  c.line("      }");
  c.line("    }");
  c.line("    r=as->compile(adp);");
  errorEpilogue();
  c.line("  return ths->Complete(r,EM_NO_ACTION,\"$P$_Object\",\"__OrvaleCompiler\",dp);",
         {{"P", cppLiteralText(P)}});
  c.line("}");
}

// The call stub of the entry under the cursor.
void ContainerWriter::stub() {
  MethodsMap& map = project.methods;
  const MethodDesc& m = map.Body();
  Str M = entryPointName(map);
  bool list = m.resultType == "ListResult";
  bool keyed = !m.isDPIn() && !map.getDWPK().isEmpty();
  c.line("void *$P$::$M$($P$ *ths,DataPacket *dp,unsigned a){", {{"P", P}, {"M", M}});
  c.line("  Result* r = 0;");
  c.line("  Str    s;");
  // flag_ tells Complete how the call named the record; a keyed call sets it
  // whatever the result type, so it is declared there too.
  if (list || keyed) c.line("  int    flag_=0;");
  c.put("$I$$K$", {{"I", map.getInArgs().printCDecl()}, {"K", map.getDWPK().printNullCDecl()}});
  c.line("  try {");
  const char* flags = list ? (m.isConst() ? ",1|2" : ",1") : (m.isConst() ? ",2" : "");
  c.line("    r = (Result*)ths->Begin(\"$m$\",dp,a$F$);", {{"m", cppLiteralText(M)}, {"F", flags}});
  c.line("    if(debug_level>=1) ths->PrintArgs(dp, \"$K$\");", {{"K", traceMask(map.getInArgs())}});
  c.line("    if (r) return r;");
  if (m.isDPIn())
    c.line("    r = ths->impl->$M$( dp );", {{"M", M}});
  else
    readArguments(M);
  if (m.isReport() && m.resultType == "ItemResult") c.line("    ((ItemResult*)r)->BeAsComplexResult();");
  errorEpilogue();
  if (list)
    c.line("  void* rdp=ths->Complete(r,EM_NO_ACTION,\"$P$_Object\",\"$m$\",dp, flag_);",
           {{"P", cppLiteralText(P)}, {"m", cppLiteralText(M)}});
  else
    c.line("  void* rdp=ths->Complete(r,EM_NO_ACTION);");
  Str resultMask("");
  if (m.resultType == "ItemResult") {
    Str mask = traceMask(map.getOutArgs());
    resultMask = "    " + mask + mask;
  }
  c.line("  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, \"$K$\");", {{"K", resultMask}});
  c.line("  return rdp;");
  c.line("}");
}

// Reads, checks and converts the arguments of the entry under the cursor,
// then calls the implementation.
void ContainerWriter::readArguments(const Str& M) {
  MethodsMap& map = project.methods;
  c.line("    Str error;");
  int position = 0;
  for (const Attributes& arg : map.getInArgs()) readArgument(arg, position++);
  if (!map.getDWPK().isEmpty()) readFirstKey(*map.getDWPK().begin());
  c.line("    if(!error.IsNull()) throw error;");
  c.line("    r = ths->impl->$M$($A$);",
         {{"M", M},
          {"A", AttribList::joinArgLists(map.getInArgs().printArgs(), map.getDWPK().printNullArgs())}});
}

void ContainerWriter::readArgument(const Attributes& arg, int position) {
  Str ws = TypesPool.findType(arg.Type(), "WS");
  bool converted = gen.NeedConvert(ws);
  Str var = converted ? Str("s") : arg.Id();  // what the checks look at
  if (converted) {
    // A value that may arrive as text is read as text and converted.
    c.line("    if( dp->Type($K$)==DP_STRING ) {", {{"K", Int(position).getstr()}});
    c.line("      *dp >> s;");
  } else {
    c.line("    *dp >> $I$;", {{"I", arg.Id()}});
  }
  if (arg.IsNotNull())
    c.line("    if($V$.IsNull()) error << \"$L$ cannot be empty. \";",
           {{"V", var}, {"L", cppLiteralText(labelOf(arg))}});
  c.put("$T$", {{"T", gen.printValidation(TypesPool.findType(arg.Type(), "SVALIDATOR"), var, !arg.IsNotNull())}});
  if (!converted) return;
  c.line("      $I$=$C$;", {{"I", arg.Id()}, {"C", gen.Convert(ws, "s")}});
  c.line("    }");
  c.line("    else *dp >> $I$;", {{"I", arg.Id()}});
}

// The old key value, when the packet holds one after the arguments; flag_
// tells whether it was the last value.
void ContainerWriter::readFirstKey(const Attributes& key) {
  Str ws = TypesPool.findType(key.Type(), "WS");
  LineEmitter::Vars vars = {{"K", key.Id()}, {"C", gen.Convert(ws, "s")}};
  c.line("    if(dp->Size()-dp->Position()>0 && dp->Type(dp->Position())) {");
  if (!gen.NeedConvert(ws)) {
    c.line("    *dp >> $K$_PK;", vars);
  } else {
    c.line("    if( dp->Type(dp->Position())==DP_STRING ) {");
    c.line("      *dp >> s;");
    c.line("    $K$_PK=$C$;", vars);
    c.line("    }");
    c.line("    else *dp >> $K$_PK;", vars);
  }
  c.line("      if(dp->Size()-dp->Position()==0) flag_=-1;");
  c.line("      else flag_=-2;");
  c.line("    }");
}

}  // namespace

void ShellGenerator::Generate(int emptyMode, bool) {
  ContainerWriter writer(*this, generatedProject(project_), header_, source_, emptyMode != 1);
  writer.writeHeader();
  writer.writeSource();
}

Str ShellGenerator::printValidation(const Str& validator, const Str& var, bool nullable) {
  if (validator.IsEmpty()) return Str("");
  Str check("");
  for (std::size_t i = 0; i < validator.length(); ++i) {
    char ch = validator[i];
    if (ch == '\\') {
      if (++i < validator.length()) check << validator[i];
    } else if (ch == '%') {
      check << var;
    } else {
      check << ch;
    }
  }
  Str text(nullable ? "    if(!" + var + ".IsNull()) {\n" : Str("    else { \n"));
  text << "      try { " << check << "; }\n"
       << "      catch(Str msg) { error << msg; }\n"
       << "    }\n";
  return text;
}

bool ShellGenerator::NeedConvert(const Str& ws) {
  for (const char* converted : {"DATE", "WORD_DATE", "HOUR", "DATE_MIN", "TIME_MIN", "DATE_HOUR", "MONEY",
                                "ORDER_MONEY", "WORD_MONEY", "CURRENCY", "DOUBLE", "PERCENT"})
    if (ws == converted) return true;
  return false;
}

Str ShellGenerator::Convert(const Str& ws, const Str& expr) {
  if (ws == "DATE" || ws == "WORD_DATE") return "string_to_datetime(" + expr + ", FormatDate)";
  if (ws == "HOUR") return "string_to_datetime(" + expr + ", FormatTimeSec)";
  if (ws == "DATE_HOUR") return "string_to_datetime(" + expr + ", FormatDateTimeSec)";
  if (ws == "DATE_MIN") return "string_to_datetime(" + expr + ", FormatDateTime)";
  if (ws == "TIME_MIN") return "string_to_datetime(" + expr + ", FormatTime)";
  if (ws == "MONEY" || ws == "ORDER_MONEY" || ws == "WORD_MONEY" || ws == "CURRENCY")
    return "string_to_money(" + expr + ")";
  if (ws == "DOUBLE" || ws == "PERCENT") return "string_to_double(" + expr + ")";
  return Str("");
}
