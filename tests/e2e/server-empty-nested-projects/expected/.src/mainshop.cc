#ident "@(#)tarvic: server main program of shop"

#ifndef gcc
#include <exception.h>
#endif
#include <stdlib.h>
#include <stdio.h>
#include <iostream.h>
#include <unistd.h>
#include <fs/dir.hpp>
#include "serrmgr.h"
#include "ishop.h"

extern GlobalData	GlobalParameters;
extern ErrorReporter	ErrorPrinter;

extern int watcher_debug_level;
Str base_DB;
Str core_DB;
Str stock_DB;

main(int argc,char *argv[]){
  debug_level = 1;
  char *value;
  char hostenv[256], contenv[256], objenv[256];
  char user_psw[16], sec_db[256];
  char par_serv[256], par_obj[256];
  char isDaemon[256];
  char* ps=0;
  char* po=0;
  int user_id = 1;
  int  portenv = 9999;

  int max_servers=2;
  int max_requests=100000;

#ifndef gcc
  set_terminate(abort);
  set_unexpected(abort);
#endif
  snprintf( db_name, sizeof db_name, "%s", "shop/shop" ) ;
  base_DB="base";
  core_DB="core";
  stock_DB="stock";
  if (value = getenv("WLNPort")) sscanf(value, "%d", &portenv);
  else portenv = 9999;
  if (value = getenv("IsDaemon")) snprintf(isDaemon, sizeof isDaemon, "%s", value);
  else snprintf(isDaemon, sizeof isDaemon, "%s", "no");
  if (value = getenv("WLNHost")) snprintf(hostenv, sizeof hostenv, "%s", value);
  else snprintf(hostenv, sizeof hostenv, "%s", "localhost");
  if (value = getenv("WLNName")) snprintf(contenv, sizeof contenv, "%s", value);
  else snprintf(contenv, sizeof contenv, "%s", "shop_Container");
  if (value = getenv("WLNObject")) snprintf(objenv, sizeof objenv, "%s", value);
  else snprintf(objenv, sizeof objenv, "%s", "shop_Object");
  if (value = getenv("ParentServer")) snprintf(par_serv, sizeof par_serv, "%s", value);
  else snprintf(par_serv, sizeof par_serv, "%s", "");
  if (value = getenv("ParentObject")) snprintf(par_obj, sizeof par_obj, "%s", value);
  else snprintf(par_obj, sizeof par_obj, "%s", "");
  if (value = getenv("MaxServers") ) sscanf(value, "%d", &max_servers);
  if (value = getenv("MaxNumberOfRequests") ) sscanf(value, "%d", &max_requests);
  if (value = getenv("UserPsw")) snprintf(user_psw, sizeof user_psw, "%s", value);
  else snprintf(user_psw, sizeof user_psw, "%s", "40716253");
  if (value = getenv("UserId") ) sscanf(value, "%d", &user_id);
   snprintf(sec_db, sizeof sec_db, "%s", "shop.sdb");
  for (int i = 1; i < argc; i++) {
    if (!strncmp(argv[i], "WLNPort=", 8)) sscanf(argv[i] + 8, "%d", &portenv);
    if (!strncmp(argv[i], "IsDaemon=", 9)) snprintf(isDaemon, sizeof isDaemon, "%s", argv[i] + 9);
    if (!strncmp(argv[i], "MaxServers=", 11)) sscanf(argv[i] + 11, "%d", &max_servers);
    if (!strncmp(argv[i], "MaxNumberOfRequests=", 20)) sscanf(argv[i] + 20, "%d", &max_requests);
    if (!strncmp(argv[i], "WLNHost=", 8)) snprintf(hostenv, sizeof hostenv, "%s", argv[i] + 8);
    if (!strncmp(argv[i], "WLNName=", 8)) snprintf(contenv, sizeof contenv, "%s", argv[i] + 8);
    if (!strncmp(argv[i], "WLNObject=", 10)) snprintf(objenv, sizeof objenv, "%s", argv[i] + 10);
    if (!strncmp(argv[i], "ParentServer=", 13)) snprintf(par_serv, sizeof par_serv, "%s", argv[i] + 13);
    if (!strncmp(argv[i], "ParentObject=", 13)) snprintf(par_obj, sizeof par_obj, "%s", argv[i] + 13);
    if (!strncmp(argv[i], "DBName=", 7)) snprintf(db_name, sizeof db_name, "%s", argv[i] + 7);
    if( !strncmp(argv[i], "base_DBName=",8+strlen("base")) ) base_DB=argv[i]+8+strlen("base");
    if( !strncmp(argv[i], "core_DBName=",8+strlen("core")) ) core_DB=argv[i]+8+strlen("core");
    if( !strncmp(argv[i], "stock_DBName=",8+strlen("stock")) ) stock_DB=argv[i]+8+strlen("stock");
    if (!strncmp(argv[i], "DebugLevel=", 11)) sscanf(argv[i] + 11, "%d", &debug_level);
    if (!strncmp(argv[i], "TraceLevel=", 11)) sscanf(argv[i] + 11, "%d", &watcher_debug_level);
    if (!strncmp(argv[i], "ACL=", 4)) snprintf(sec_db, sizeof sec_db, "%s", argv[i] + 4);
    if (!strncmp(argv[i], "UserId=", 7)) sscanf(argv[i] + 7, "%d", &user_id);
    if (!strncmp(argv[i], "UserPsw=", 8)) snprintf(user_psw, sizeof user_psw, "%s", argv[i] + 8);
    if (!strcmp(argv[i], "-h")) {
      cerr << "Use: " << argv[0] << " [ Name=Value ... ]" << endl;
      cerr << "Name is one of: WLNHost, WLNPort, DBName, DebugLevel, ACL, UserId, UserPsw, TraceLevel" << endl;
      return 0;
    }
  }
  if(Str("yes")==isDaemon) daemon(1, 1);
  FS::Dir::frecreate(Str(".") << contenv << ".lrtmp");
  GlobalParameters.WlnPort(portenv);
  GlobalParameters.WlnHost(hostenv);
  GlobalParameters.ContName(contenv);
  GlobalParameters.SetDB(sec_db);
  GlobalParameters.UserId(user_id);
  GlobalParameters.Passwd(user_psw);
  GlobalParameters.ProgName("argv[0]");
  ErrorPrinter.Channel(stderr);
  ErrorPrinter.ProgName(argv[0]);
  ErrorServer EServer;
  if(par_serv[0]!=0) ps=par_serv;
  if(par_obj[0]!=0) po=par_obj;
  CommonServer<shop,10> shop_Object;
  shop_Object.setMaxServers(max_servers);
  shop_Object.setMaxNumberOfRequests(max_requests);
  shop_Object.Register(objenv);
  shop_Object.Start();
  cerr << "Parameters defined:" << endl;
  if(Str("yes")==isDaemon) cerr << "  IsDaemon=" << isDaemon << endl;
  cerr << "  WLNHost=" << hostenv << endl;
  cerr << "  WLNPort=" << portenv << endl;
  cerr << "  WLNName=" << contenv << endl;
  cerr << "  WLNObject=" << objenv << endl;
  cerr << "  DBName=" << db_name << endl;
  cerr << "  MaxServers=" << max_servers << endl;
  cerr << "  MaxNumberOfRequests=" << max_requests << endl;
  cerr << "  base_DBName=" << base_DB << endl;
  cerr << "  core_DBName=" << core_DB << endl;
  cerr << "  stock_DBName=" << stock_DB << endl;
  cerr << "  DebugLevel=" << debug_level << endl;
  cerr << "  TraceLevel=" << watcher_debug_level << endl;
  cerr << "  UserId=" << user_id << endl;
  if(ps) cerr << "  ParentServer=" << ps << endl;
  if(po) cerr << "  ParentObject=" << po << endl;
  cerr << "Server " << contenv << " started." << endl;
  shop_Object.WaitForExit();
  return 0;
}
