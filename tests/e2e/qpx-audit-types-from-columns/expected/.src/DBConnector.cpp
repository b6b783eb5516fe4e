#include "DBConnector.h"

#include "dbScheme.cc"

Str GUserID;
Int GUserTime;

#include "bVisit.cc"
