-- bung.cc started -- this string is compilation preventor --
// * TRICK :: BroadcastArrived
#undef DB
#include "imain.h"
void main::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

