// Stands in for the platform header <exception.h>.
#include "platform.h"
