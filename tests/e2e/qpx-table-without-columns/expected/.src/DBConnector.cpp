#include "DBConnector.h"

#include "dbScheme.cc"
#include "bTag.cc"
