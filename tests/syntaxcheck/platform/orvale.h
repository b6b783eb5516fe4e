// Stands in for the platform header <orvale.h>.
#include "platform.h"
