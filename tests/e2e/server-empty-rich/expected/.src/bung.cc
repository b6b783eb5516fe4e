-- bung.cc started -- this string is compilation preventor --
ErrorMessage * shop :: CustomerAdd ( char* , char * ) {
  throw Exc("Not implemented");
}

ItemResult * shop :: Card ( Int ) {
  throw Exc("Not implemented");
}

ItemResult * shop :: Find ( char* ) {
  throw Exc("Not implemented");
}

ItemResult * shop :: CustomerGetForUpdate ( Int id ) {
  return CustomerGet(id);
}

ItemResult * shop :: CustomerGet ( Int ) {
  throw Exc("Not implemented");
}

ErrorMessage * shop :: Import ( DataPacket* ) {
  throw Exc("Not implemented");
}

ComplexResult * shop :: Invoice ( Int ) {
  throw Exc("Not implemented");
}

ErrorMessage * shop :: CustomerMoveToArc ( Int ) {
  throw Exc("Not implemented");
}

ItemResult * shop :: Search ( char* ) {
  throw Exc("Not implemented");
}

ErrorMessage * shop :: CustomerUpdate ( Int , char* ) {
  throw Exc("Not implemented");
}

ListResult * shop :: Browse ( Int , Int, Int ) {
  throw Exc("Not implemented");
}

ListResult * shop :: Open ( Date , DCurrency , Int, Date ) {
  throw Exc("Not implemented");
}

ItemResult * shop :: Pick ( Int, Date ) {
  throw Exc("Not implemented");
}

// * TRICK :: BroadcastArrived
#undef DB
#include "ishop.h"
void shop::BroadcastArrived (DataPacket &dp, unsigned raaaa) { 
  dp.Reset();
  ServerObject::BroadcastArrived(dp, raaaa);
}

