// main<P>.cc: the main function of the generated server. It reads the
// middleware and database settings from the environment, then from
// NAME=VALUE arguments (which win), starts the server object and echoes the
// settings on the error stream. Every project of the run besides P gets a
// database name of its own, settable with <X>_DBName=.
#include "servergen/main_generator.h"

#include <list>

#include "model/process_state.h"
#include "model/project.h"
#include "rt/cpp_literal.h"
#include "rt/line_emitter.h"

Str dbPostfix("");

namespace {

// Copies a text into a fixed buffer of the generated program, cut to the
// buffer's size, and as data: a '%' in an environment value or an argument
// is never read as a format.
Str bounded(const char* buffer, const Str& text) {
  return Str("snprintf(") + buffer + ", sizeof " + buffer + ", \"%s\", " + text + ")";
}

// The middleware host the server connects to when neither WLNHost nor
// WLNHost= names one.
const char* const defaultHost = "localhost";

class MainWriter {
public:
  MainWriter(std::ostream& out, const Str& project) : out(out), P(project), lit(cppLiteralText(project)) {
    for (const auto& [name, other] : projectMap)
      if (name != project) others.push_back(name);
  }

  void write();

private:
  void declarations();
  void environment();
  void arguments();
  void startUp();
  void echo();
  // One line per other project X, in name order.
  void perOther(const char* text) {
    for (const Str& X : others) out.line(text, {{"X", X}, {"x", cppLiteralText(X)}});
  }

  LineEmitter out;
  Str P;
  Str lit;  // P as it goes inside a string literal
  std::list<Str> others;
};

void MainWriter::write() {
  out.line("#ident \"@(#)tarvic: server main program of $P$\"", {{"P", lit}});
  out.line("");
  declarations();
  environment();
  arguments();
  startUp();
  echo();
  out.line("  $P$_Object.WaitForExit();", {{"P", P}});
  out.line("  return 0;");
  out.line("}");
}

void MainWriter::declarations() {
  out.line("#ifndef gcc");
  out.line("#include <exception.h>");
  out.line("#endif");
  out.line("#include <stdlib.h>");
  out.line("#include <stdio.h>");
  out.line("#include <iostream.h>");
  out.line("#include <unistd.h>");
  out.line("#include <fs/dir.hpp>");
  out.line("#include \"serrmgr.h\"");
  out.line("#include \"i$P$.h\"", {{"P", lit}});
  out.line("");
  out.line("extern GlobalData\tGlobalParameters;");
  out.line("extern ErrorReporter\tErrorPrinter;");
  out.line("");
  out.line("extern int watcher_debug_level;");
  perOther("Str $X$_DB;");
  out.line("");
  out.line("main(int argc,char *argv[]){");
  out.line("  debug_level = 1;");
  out.line("  char *value;");
  out.line("  char hostenv[256], contenv[256], objenv[256];");
  out.line("  char user_psw[16], sec_db[256];");
  out.line("  char par_serv[256], par_obj[256];");
  out.line("  char isDaemon[256];");
  out.line("  char* ps=0;");
  out.line("  char* po=0;");
  out.line("  int user_id = 1;");
  out.line("  int  portenv = 9999;");
  out.line("");
  out.line("  int max_servers=2;");
  out.line("  int max_requests=100000;");
  out.line("");
  out.line("#ifndef gcc");
  out.line("  set_terminate(abort);");
  out.line("  set_unexpected(abort);");
  out.line("#endif");
}

void MainWriter::environment() {
  out.line("  snprintf( db_name, sizeof db_name, \"%s\", \"$P$/$P$$S$\" ) ;",
           {{"P", lit}, {"S", cppLiteralText(dbPostfix)}});
  perOther("  $X$_DB=\"$x$\";");
  out.line("  if (value = getenv(\"WLNPort\")) sscanf(value, \"%d\", &portenv);");
  out.line("  else portenv = 9999;");
  out.line("  if (value = getenv(\"IsDaemon\")) $C$;", {{"C", bounded("isDaemon", "value")}});
  out.line("  else $C$;", {{"C", bounded("isDaemon", "\"no\"")}});
  out.line("  if (value = getenv(\"WLNHost\")) $C$;", {{"C", bounded("hostenv", "value")}});
  out.line("  else $C$;", {{"C", bounded("hostenv", Str("\"") + defaultHost + "\"")}});
  out.line("  if (value = getenv(\"WLNName\")) $C$;", {{"C", bounded("contenv", "value")}});
  out.line("  else $C$;", {{"C", bounded("contenv", "\"" + lit + "_Container\"")}});
  out.line("  if (value = getenv(\"WLNObject\")) $C$;", {{"C", bounded("objenv", "value")}});
  out.line("  else $C$;", {{"C", bounded("objenv", "\"" + lit + "_Object\"")}});
  out.line("  if (value = getenv(\"ParentServer\")) $C$;", {{"C", bounded("par_serv", "value")}});
  out.line("  else $C$;", {{"C", bounded("par_serv", "\"\"")}});
  out.line("  if (value = getenv(\"ParentObject\")) $C$;", {{"C", bounded("par_obj", "value")}});
  out.line("  else $C$;", {{"C", bounded("par_obj", "\"\"")}});
  out.line("  if (value = getenv(\"MaxServers\") ) sscanf(value, \"%d\", &max_servers);");
  out.line("  if (value = getenv(\"MaxNumberOfRequests\") ) sscanf(value, \"%d\", &max_requests);");
  out.line("  if (value = getenv(\"UserPsw\")) $C$;", {{"C", bounded("user_psw", "value")}});
  out.line("  else $C$;", {{"C", bounded("user_psw", "\"40716253\"")}});
  out.line("  if (value = getenv(\"UserId\") ) sscanf(value, \"%d\", &user_id);");
  // The access-control file of the project.
  out.line("   $C$;", {{"C", bounded("sec_db", "\"" + lit + ".sdb\"")}});
}

void MainWriter::arguments() {
  out.line("  for (int i = 1; i < argc; i++) {");
  out.line("    if (!strncmp(argv[i], \"WLNPort=\", 8)) sscanf(argv[i] + 8, \"%d\", &portenv);");
  out.line("    if (!strncmp(argv[i], \"IsDaemon=\", 9)) $C$;", {{"C", bounded("isDaemon", "argv[i] + 9")}});
  out.line("    if (!strncmp(argv[i], \"MaxServers=\", 11)) sscanf(argv[i] + 11, \"%d\", &max_servers);");
  out.line("    if (!strncmp(argv[i], \"MaxNumberOfRequests=\", 20)) sscanf(argv[i] + 20, \"%d\", &max_requests);");
  out.line("    if (!strncmp(argv[i], \"WLNHost=\", 8)) $C$;", {{"C", bounded("hostenv", "argv[i] + 8")}});
  out.line("    if (!strncmp(argv[i], \"WLNName=\", 8)) $C$;", {{"C", bounded("contenv", "argv[i] + 8")}});
  out.line("    if (!strncmp(argv[i], \"WLNObject=\", 10)) $C$;", {{"C", bounded("objenv", "argv[i] + 10")}});
  out.line("    if (!strncmp(argv[i], \"ParentServer=\", 13)) $C$;", {{"C", bounded("par_serv", "argv[i] + 13")}});
  out.line("    if (!strncmp(argv[i], \"ParentObject=\", 13)) $C$;", {{"C", bounded("par_obj", "argv[i] + 13")}});
  out.line("    if (!strncmp(argv[i], \"DBName=\", 7)) $C$;", {{"C", bounded("db_name", "argv[i] + 7")}});
  perOther("    if( !strncmp(argv[i], \"$x$_DBName=\",8+strlen(\"$x$\")) ) $X$_DB=argv[i]+8+strlen(\"$x$\");");
  out.line("    if (!strncmp(argv[i], \"DebugLevel=\", 11)) sscanf(argv[i] + 11, \"%d\", &debug_level);");
  out.line("    if (!strncmp(argv[i], \"TraceLevel=\", 11)) sscanf(argv[i] + 11, \"%d\", &watcher_debug_level);");
  out.line("    if (!strncmp(argv[i], \"ACL=\", 4)) $C$;", {{"C", bounded("sec_db", "argv[i] + 4")}});
  out.line("    if (!strncmp(argv[i], \"UserId=\", 7)) sscanf(argv[i] + 7, \"%d\", &user_id);");
  out.line("    if (!strncmp(argv[i], \"UserPsw=\", 8)) $C$;", {{"C", bounded("user_psw", "argv[i] + 8")}});
  out.line("    if (!strcmp(argv[i], \"-h\")) {");
  out.line("      cerr << \"Use: \" << argv[0] << \" [ Name=Value ... ]\" << endl;");
  out.line("      cerr << \"Name is one of: WLNHost, WLNPort, DBName, DebugLevel, ACL, UserId, UserPsw, "
           "TraceLevel\" << endl;");
  out.line("      return 0;");
  out.line("    }");
  out.line("  }");
}

void MainWriter::startUp() {
  out.line("  if(Str(\"yes\")==isDaemon) daemon(1, 1);");
  out.line("  FS::Dir::frecreate(Str(\".\") << contenv << \".lrtmp\");");
  out.line("  GlobalParameters.WlnPort(portenv);");
  out.line("  GlobalParameters.WlnHost(hostenv);");
  out.line("  GlobalParameters.ContName(contenv);");
  out.line("  GlobalParameters.SetDB(sec_db);");
  out.line("  GlobalParameters.UserId(user_id);");
  out.line("  GlobalParameters.Passwd(user_psw);");
  out.line("  GlobalParameters.ProgName(\"argv[0]\");");
  out.line("  ErrorPrinter.Channel(stderr);");
  out.line("  ErrorPrinter.ProgName(argv[0]);");
  out.line("  ErrorServer EServer;");
  out.line("  if(par_serv[0]!=0) ps=par_serv;");
  out.line("  if(par_obj[0]!=0) po=par_obj;");
  out.line("  CommonServer<$P$,10> $P$_Object;", {{"P", P}});
  out.line("  $P$_Object.setMaxServers(max_servers);", {{"P", P}});
  out.line("  $P$_Object.setMaxNumberOfRequests(max_requests);", {{"P", P}});
  out.line("  $P$_Object.Register(objenv);", {{"P", P}});
  out.line("  $P$_Object.Start();", {{"P", P}});
}

void MainWriter::echo() {
  out.line("  cerr << \"Parameters defined:\" << endl;");
  out.line("  if(Str(\"yes\")==isDaemon) cerr << \"  IsDaemon=\" << isDaemon << endl;");
  out.line("  cerr << \"  WLNHost=\" << hostenv << endl;");
  out.line("  cerr << \"  WLNPort=\" << portenv << endl;");
  out.line("  cerr << \"  WLNName=\" << contenv << endl;");
  out.line("  cerr << \"  WLNObject=\" << objenv << endl;");
  out.line("  cerr << \"  DBName=\" << db_name << endl;");
  out.line("  cerr << \"  MaxServers=\" << max_servers << endl;");
  out.line("  cerr << \"  MaxNumberOfRequests=\" << max_requests << endl;");
  perOther("  cerr << \"  $x$_DBName=\" << $X$_DB << endl;");
  out.line("  cerr << \"  DebugLevel=\" << debug_level << endl;");
  out.line("  cerr << \"  TraceLevel=\" << watcher_debug_level << endl;");
  out.line("  cerr << \"  UserId=\" << user_id << endl;");
  out.line("  if(ps) cerr << \"  ParentServer=\" << ps << endl;");
  out.line("  if(po) cerr << \"  ParentObject=\" << po << endl;");
  out.line("  cerr << \"Server \" << contenv << \" started.\" << endl;");
}

}  // namespace

void MainGenerator::Generate(bool) { MainWriter(out_, project_).write(); }
