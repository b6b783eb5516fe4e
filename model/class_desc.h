#pragma once
// Class and object records (placeholder until the model records land).
#include "rt/str.h"

class ClassDesc {
public:
  Str Id;
  ClassDesc* Top() { return this; }
};

class ObjectDesc {};
