// Stands in for the platform header <errmgr.h>.
#include "platform.h"
