// Stands in for the platform header <fs/dir.hpp>.
#include "../platform.h"
