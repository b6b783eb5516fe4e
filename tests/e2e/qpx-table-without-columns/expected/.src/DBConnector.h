#ifndef DBCONNECTOR_H
#define DBCONNECTOR_H

#include <kvtracer.h>
#include <ordbms.h>
#include <kvrdbms.h>
#include <kvtypes.h>
#include <kvcache.h>

#include "auto_consts.h"
#include "dbScheme.h"

#include "bTag.h"
#endif
