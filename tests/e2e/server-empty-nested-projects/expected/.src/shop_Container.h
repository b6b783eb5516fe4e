#ifndef _shop_CONTAINER_H_
#define _shop_CONTAINER_H_

#include "comm.h"
#include "orvale.h"

#include "ishop.h"

class srvshop_Object : public shop {
public:
  shop* impl;
  srvshop_Object(const char* cnm, const char* onm);
  ~srvshop_Object();
  virtual void BroadcastArrived(DataPacket &,unsigned );
private:
  static void* __OrvaleExecutor(srvshop_Object *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(srvshop_Object *,DataPacket *,unsigned);
  static void* __EnumValues(srvshop_Object *,DataPacket *,unsigned);
  static void* SaleAdd(srvshop_Object *,DataPacket *,unsigned);
};

#endif
