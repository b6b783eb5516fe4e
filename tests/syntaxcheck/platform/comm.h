// Stands in for the platform header <comm.h>.
#include "platform.h"
