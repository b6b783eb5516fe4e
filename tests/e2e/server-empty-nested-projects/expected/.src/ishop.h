#ifndef _Ishop_H_
#define _Ishop_H_

#include "comm.h"
#include "comm_dp.h"
#include "errmgr.h"
#include "orvale.h"
#include "ibase.h"
#include "baserpc.h"
#include "icore.h"
#include "corerpc.h"
#include "shoprpc.h"
#include "stockrpc.h"
class shop : public base {
public:

  class shop* impl;
  void RegisterMethods(const char* cnm, const char* onm);
  virtual void BroadcastArrived(DataPacket &,unsigned );
  ErrorManager* errmgr;
  shop(const char* cnm, const char* onm) : base(cnm, onm), errmgr(this) { RegisterMethods(cnm, onm); }
  ~shop() {}
  virtual void ClearAll() {}
  ErrorMessage * SaleAdd ( Int );
  static void* __OrvaleExecutor(class shop *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(class shop *,DataPacket *,unsigned);
  static void* __EnumValues(class shop *,DataPacket *,unsigned);
  static void* SaleAdd(class shop *,DataPacket *,unsigned);
};

#endif
