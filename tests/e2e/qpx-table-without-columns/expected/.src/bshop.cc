#include "bTag.cc"
