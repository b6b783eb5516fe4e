#include "idepot.h"


#include "impl.cc"


