// Stands in for the platform header <kvrdbms.h>.
#include "platform.h"
