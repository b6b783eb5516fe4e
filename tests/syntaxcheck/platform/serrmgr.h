// Stands in for the platform header <serrmgr.h>.
#include "platform.h"
