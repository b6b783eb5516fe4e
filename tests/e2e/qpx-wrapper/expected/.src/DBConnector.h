#ifndef DBCONNECTOR_H
#define DBCONNECTOR_H

#include <kvtracer.h>
#include <ordbms.h>
#include <kvrdbms.h>
#include <kvtypes.h>
#include <kvcache.h>

#include "auto_consts.h"
#include "dbScheme.h"

#include "bClient.h"
#include "bNote.h"
#include "bOutlet.h"
#include "bParty.h"
#include "bSettings.h"
#include "bTag.h"
#include "bTicket.h"
#include "bTrader.h"
#endif
