// -*- C++ -*-

#define AUTOMAT
#ifndef _CONSTS_H_
#define _CONSTS_H_


#endif
