// -*- C++ -*-

#define AUTOMAT
#ifndef _shop_CONSTS_H_
#define _shop_CONSTS_H_


// Grade
#ifndef _CONST_Low_
#define _CONST_Low_
const int Low = 1;// low
#endif

// Unit
#ifndef _CONST_Piece_
#define _CONST_Piece_
const int Piece = 1;// piece
#endif

#endif
