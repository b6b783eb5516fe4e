#include <stdlib.h>
#include "ishop.h"

typedef class base abase;
typedef class core acore;
shop::shop(const char* cnm, const char* onm)
: abase(cnm, onm), acore(cnm, onm),  session(rdb)
, errmgr(this)
, oParty(this)
, oSale(this)
, oTrader(this)
{
  is_enum_ptr = is_enum_shop;
  enum_to_string_ptr = enum_to_string_shop;
  RegisterMethods(cnm, onm);
}

shop::~shop(){
}

void shop::ClearAll(){
  base::ClearAll();
  oParty.Clear();
  oSale.Clear();
  oTrader.Clear();
}

#include "scheme.cc"
