-- bung.cc started -- this string is compilation preventor --
// * TRICK :: BroadcastArrived
#undef DB
#include "istock.h"
void stock::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

