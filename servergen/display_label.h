#pragma once
// The label a client shows for an argument or a column: its name, else the
// name of its type.
#include "model/attributes.h"
#include "model/process_state.h"
#include "model/types_house.h"

inline Str labelOf(const Attributes& a) { return a.Name().IsEmpty() ? TypesPool.findType(a.Type(), "Name") : a.Name(); }
