// -*- C++ -*-

#define AUTOMAT
#ifndef _CONSTS_H_
#define _CONSTS_H_


// Colour
const int None = 0;// no colour
const int Red = 1;// red

// Size
const int Large = 2;// large

#endif
