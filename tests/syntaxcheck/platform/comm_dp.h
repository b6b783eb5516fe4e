// Stands in for the platform header <comm_dp.h>.
#include "platform.h"
