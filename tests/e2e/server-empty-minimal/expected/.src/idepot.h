#ifndef _Idepot_H_
#define _Idepot_H_

#include "comm.h"
#include "comm_dp.h"
#include "errmgr.h"
#include "orvale.h"
#include "depotrpc.h"
class depot : public ErrorManager {
public:

  class depot* impl;
  void RegisterMethods(const char* cnm, const char* onm);
  virtual void BroadcastArrived(DataPacket &,unsigned );
  ErrorManager* errmgr;
  depot(const char* cnm, const char* onm) : errmgr(this) { RegisterMethods(cnm, onm); }
  ~depot() {}
  virtual void ClearAll() {}
  static void* __OrvaleExecutor(class depot *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(class depot *,DataPacket *,unsigned);
  static void* __EnumValues(class depot *,DataPacket *,unsigned);
};

#endif
