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
  static void* CustomerAdd(srvshop_Object *,DataPacket *,unsigned);
  static void* Card(srvshop_Object *,DataPacket *,unsigned);
  static void* Find(srvshop_Object *,DataPacket *,unsigned);
  static void* Import(srvshop_Object *,DataPacket *,unsigned);
  static void* Invoice(srvshop_Object *,DataPacket *,unsigned);
  static void* Search(srvshop_Object *,DataPacket *,unsigned);
  static void* CustomerUpdate(srvshop_Object *,DataPacket *,unsigned);
  static void* Browse(srvshop_Object *,DataPacket *,unsigned);
  static void* Open(srvshop_Object *,DataPacket *,unsigned);
  static void* Pick(srvshop_Object *,DataPacket *,unsigned);
};

#endif
