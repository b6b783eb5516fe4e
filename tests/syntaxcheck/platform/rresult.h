// Stands in for the platform header <rresult.h>.
#include "platform.h"
