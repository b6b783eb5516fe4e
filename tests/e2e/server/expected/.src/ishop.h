#if !defined(_Ishop_H_) && !defined(UNDEFINED_METHOD_SEARCH)
#define _Ishop_H_

#include "shopbody.h"
#include <kvtracer.h>
#include <errmgr.h>
#include <comm.h>
#include <orvale.h>

class shop : public virtual ErrorManager {
public:

  class shop* impl;
  void RegisterMethods(const char* cnm, const char* onm);
  virtual void BroadcastArrived(DataPacket &,unsigned );
  KVSession* session;
  ErrorManager* errmgr;
  shop(const char* cnm, const char* onm);
  ~shop();
  virtual void ClearAll();
  static void* __OrvaleExecutor(class shop *,DataPacket *,unsigned);
  static void* __SQLExecutor(class shop *,DataPacket *,unsigned);
  static void* __OrvaleCompiler(class shop *,DataPacket *,unsigned);
  static void* __EnumValues(class shop *,DataPacket *,unsigned);
};

#endif
