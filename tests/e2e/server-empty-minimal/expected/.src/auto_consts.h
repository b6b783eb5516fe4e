// -*- C++ -*-

#define AUTOMAT
#ifndef _depot_CONSTS_H_
#define _depot_CONSTS_H_


#endif
