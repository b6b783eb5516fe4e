-- bung.cc started -- this string is compilation preventor --
ErrorMessage * shop :: SaleAdd ( Int ) {
  throw Exc("Not implemented");
}

// * TRICK :: BroadcastArrived
#undef DB
#include "ishop.h"
void shop::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

