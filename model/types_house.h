#pragma once
// TypesHouse: the type registry (placeholder until the registry lands).
#include <ostream>

class TypesHouse {
public:
  void printAllTypes(std::ostream&) const {}
};
