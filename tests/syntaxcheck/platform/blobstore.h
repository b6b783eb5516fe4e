// Stands in for the platform header <blobstore.h>.
#include "platform.h"
