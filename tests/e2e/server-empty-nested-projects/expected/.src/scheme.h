#ifndef _shop_ENUMS__
#define _shop_ENUMS__
#define AC_Grade 4250033 // core
#define AC_Unit 5480033 // stock


#endif
