#include <ishop.h>

#define key cache
#define rdb ths->rdb
#define errmgr ths->errmgr

#define GUserID ths->GUserID
#define GUserTime ths->GUserTime

#define oParty ths->oParty
#define oSale ths->oSale
#define oTrader ths->oTrader
#define oTax ths->oTax
