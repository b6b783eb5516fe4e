#ifndef _ENUMS__
#define _ENUMS__


#endif
