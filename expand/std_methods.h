#pragma once
// SMethodsList: the standard server methods every class with an object gets,
// each with the access word that goes with it, in their fixed order. The
// access model tells standard methods from declared ones with it and builds
// its method lists from it.
#include <list>
#include <utility>

#include "rt/str.h"

class SMethodsList : public std::list<std::pair<Str, Str>> {
public:
  // The eight (method, access word) pairs; never changed afterwards.
  SMethodsList();
  // Whether `name` is one of the method names, exactly (letter case counts;
  // an access word is no method name).
  bool isStandard(const Str& name) const;
};

// The one list of the run, built before main runs.
extern const SMethodsList& StdMethods;
