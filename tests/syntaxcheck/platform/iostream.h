// Stands in for the pre-standard <iostream.h>, whose stream names are global.
#include <iostream>
using std::cerr;
using std::cout;
using std::endl;
