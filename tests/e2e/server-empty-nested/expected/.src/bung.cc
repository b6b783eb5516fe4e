-- bung.cc started -- this string is compilation preventor --
// * TRICK :: BroadcastArrived
#undef DB
#include "istore.h"
void store::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

