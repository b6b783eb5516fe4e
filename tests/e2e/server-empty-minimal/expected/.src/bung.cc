-- bung.cc started -- this string is compilation preventor --
// * TRICK :: BroadcastArrived
#undef DB
#include "idepot.h"
void depot::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

