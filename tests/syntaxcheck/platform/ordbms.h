// Stands in for the platform header <ordbms.h>.
#include "platform.h"
