// -*- C++ -*-

#define AUTOMAT
#ifndef _store_CONSTS_H_
#define _store_CONSTS_H_


// Unit
#ifndef _CONST_Piece_
#define _CONST_Piece_
const int Piece = 1;// piece
#endif
#ifndef _CONST_Box_
#define _CONST_Box_
const int Box = 2;// box
#endif

#endif
