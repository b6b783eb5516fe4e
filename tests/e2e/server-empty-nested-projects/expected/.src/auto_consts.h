// -*- C++ -*-

#define AUTOMAT
#ifndef _CONSTS_H_
#define _CONSTS_H_


// Grade
const int Low = 1;// low

// Unit
const int Piece = 1;// piece

#endif
