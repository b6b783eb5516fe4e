// -*- C++ -*-

#define AUTOMAT
#ifndef _shop_CONSTS_H_
#define _shop_CONSTS_H_


// Colour
#ifndef _CONST_Red_
#define _CONST_Red_
const int Red = 4;// red
#endif

// State
#ifndef _CONST_New_
#define _CONST_New_
const int New = 0;// new
#endif
#ifndef _CONST_Paid_
#define _CONST_Paid_
const int Paid = 1;// paid
#endif

#endif
