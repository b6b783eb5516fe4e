// Stands in for the platform header <kvtracer.h>.
#include "platform.h"
