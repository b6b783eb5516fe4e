#ifndef _depot_ENUMS__
#define _depot_ENUMS__


#endif
