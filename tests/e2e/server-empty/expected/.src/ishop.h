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
  static void* __OrvaleExecutor(class shop *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(class shop *,DataPacket *,unsigned);
  static void* __EnumValues(class shop *,DataPacket *,unsigned);
};

#endif
