#pragma once
// Entries of model lists as plain texts, so that a whole list is compared
// with the expected names in one assertion.
#include <list>
#include <string>
#include <vector>

#include "model/attrib_list.h"

using Names = std::vector<std::string>;

// The ids of the attributes of `list`, in list order.
inline Names ids(const AttribList& list) {
  Names out;
  for (const Attributes& a : list) out.push_back(a.Id().std());
  return out;
}

// The texts of `list`, in list order.
inline Names names(const std::list<Str>& list) {
  Names out;
  for (const Str& s : list) out.push_back(s.std());
  return out;
}
