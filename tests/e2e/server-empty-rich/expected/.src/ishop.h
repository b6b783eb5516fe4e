#ifndef _Ishop_H_
#define _Ishop_H_

#include "comm.h"
#include "comm_dp.h"
#include "errmgr.h"
#include "orvale.h"
#include "shoprpc.h"
class shop : public ErrorManager {
public:

  class shop* impl;
  void RegisterMethods(const char* cnm, const char* onm);
  virtual void BroadcastArrived(DataPacket &,unsigned );
  ErrorManager* errmgr;
  shop(const char* cnm, const char* onm) : errmgr(this) { RegisterMethods(cnm, onm); }
  ~shop() {}
  virtual void ClearAll() {}
  ErrorMessage * CustomerAdd ( char* , char * );
  ItemResult * Card ( Int );
  ItemResult * Find ( char* );
  ItemResult * CustomerGetForUpdate ( Int );
  ItemResult * CustomerGet ( Int );
  ErrorMessage * Import ( DataPacket* );
  ComplexResult * Invoice ( Int );
  ErrorMessage * CustomerMoveToArc ( Int );
  ItemResult * Search ( char* );
  ErrorMessage * CustomerUpdate ( Int , char* );
  ListResult * Browse ( Int , Int, Int=Int() );
  ListResult * Open ( Date , DCurrency , Int, Date=Date() );
  ItemResult * Pick ( Int, Date=Date() );
  static void* __OrvaleExecutor(class shop *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(class shop *,DataPacket *,unsigned);
  static void* __EnumValues(class shop *,DataPacket *,unsigned);
  static void* CustomerAdd(class shop *,DataPacket *,unsigned);
  static void* Card(class shop *,DataPacket *,unsigned);
  static void* Find(class shop *,DataPacket *,unsigned);
  static void* Import(class shop *,DataPacket *,unsigned);
  static void* Invoice(class shop *,DataPacket *,unsigned);
  static void* Search(class shop *,DataPacket *,unsigned);
  static void* CustomerUpdate(class shop *,DataPacket *,unsigned);
  static void* Browse(class shop *,DataPacket *,unsigned);
  static void* Open(class shop *,DataPacket *,unsigned);
  static void* Pick(class shop *,DataPacket *,unsigned);
};

#endif
