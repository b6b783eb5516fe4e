// Stands in for the platform header <result.h>.
#include "platform.h"
