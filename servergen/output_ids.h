#pragma once
// The output arguments of a server method become the fields of a generated
// record, so their ids must differ. Shared by every writer of such records.
#include "model/attrib_list.h"

// Gives every output argument whose id an earlier argument already has (as
// numbered) the smallest number from 1 up that makes it unique: A, A, B
// become A, A1, B. The ids are changed in `outputs` itself, so when that is
// a method-map entry every later reader of the map sees the unique ids.
void numberRepeatedIds(AttribList& outputs);
