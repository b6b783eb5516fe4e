#include "ishop.h"

#define GUserID ths->GUserID
#define GUserTime ths->GUserTime

#define oLine ths->oLine
#define oTag ths->oTag
#define oTicket ths->oTicket
#include "bLine.cc"
#include "bTag.cc"
#include "bTicket.cc"
