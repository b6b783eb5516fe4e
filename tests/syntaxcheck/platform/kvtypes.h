// Stands in for the platform header <kvtypes.h>.
#include "platform.h"
