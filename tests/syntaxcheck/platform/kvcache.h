// Stands in for the platform header <kvcache.h>.
#include "platform.h"
