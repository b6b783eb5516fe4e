#ifndef DBCONNECTOR_H
#define DBCONNECTOR_H

#include <kvtracer.h>
#include <ordbms.h>
#include <kvrdbms.h>
#include <kvtypes.h>
#include <kvcache.h>

#include "auto_consts.h"
#include "dbScheme.h"

// The user and the time that the access classes record with a change
// (audit columns, and the values GUserID and GUserTime of the
// description). Defined in DBConnector.cpp; the program that uses the
// wrapper sets both before it adds or updates a row.
extern Str GUserID;
extern Int GUserTime;

#include "bVisit.h"
#endif
