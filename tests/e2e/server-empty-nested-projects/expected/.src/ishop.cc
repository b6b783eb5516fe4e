#include "ishop.h"


#include "impl.cc"


