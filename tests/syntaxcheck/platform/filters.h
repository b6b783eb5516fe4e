// Stands in for the platform header <filters.h>.
#include "platform.h"
