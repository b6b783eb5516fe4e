#ifndef	_shopBODY_H_
#define	_shopBODY_H_

#include "kvtracer.h"
#include "comm.h"
#include "comm_dp.h"
#include "ordbms.h"
#include "kvcache.h"
#include "errmgr.h"
#include "auto_consts.h"
#include "scheme.h"

#include "../consts.h"
class shop;

extern is_enum_func is_enum_ptr;
extern enum_to_string_func enum_to_string_ptr;

extern int is_enum_shop(int);
extern const char* enum_to_string_shop(int, int);

#include "bParty.h"
#include "bSale.h"
#include "bParty.h"
#include "bTrader.h"
#endif
