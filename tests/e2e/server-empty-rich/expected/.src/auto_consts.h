// -*- C++ -*-

#define AUTOMAT
#ifndef _CONSTS_H_
#define _CONSTS_H_


// Colour
const int Red = 4;// red

// State
const int New = 0;// new
const int Paid = 1;// paid

#endif
