// -*- C++ -*-

#define AUTOMAT
#ifndef _shop_CONSTS_H_
#define _shop_CONSTS_H_


// Colour
#ifndef _CONST_None_
#define _CONST_None_
const int None = 0;// no colour
#endif
#ifndef _CONST_Red_
#define _CONST_Red_
const int Red = 1;// red
#endif

// Size
#ifndef _CONST_Large_
#define _CONST_Large_
const int Large = 2;// large
#endif

#endif
