// -*- C++ -*-

#define AUTOMAT
#ifndef _CONSTS_H_
#define _CONSTS_H_


// Unit
const int Piece = 1;// piece
const int Box = 2;// box

#endif
