#ifndef _shop_ENUMS__
#define _shop_ENUMS__
#define AC_Colour 4420033 // shop
#define AC_State 4420034 // shop


#endif
