#ifndef _depot_CONTAINER_H_
#define _depot_CONTAINER_H_

#include "comm.h"
#include "orvale.h"

#include "idepot.h"

class srvdepot_Object : public depot {
public:
  depot* impl;
  srvdepot_Object(const char* cnm, const char* onm);
  ~srvdepot_Object();
  virtual void BroadcastArrived(DataPacket &,unsigned );
private:
  static void* __OrvaleExecutor(srvdepot_Object *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(srvdepot_Object *,DataPacket *,unsigned);
  static void* __EnumValues(srvdepot_Object *,DataPacket *,unsigned);
};

#endif
