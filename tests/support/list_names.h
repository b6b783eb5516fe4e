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

// One column in one line: id, type, number, the properties the tables use,
// virtual, the referenced class and attribute, and the contributing class.
inline std::string describe(const Attributes& a) {
  std::string text = a.Id().std() + " " + a.Type().std() + " #" + std::to_string(a.Number());
  for (const char* word : {"PK", "SK", "FK", "HIDE", "INDEX", "FLAG", "Slave", "NOT"})
    if (a.IsProperty(word)) text += std::string(" ") + word;
  if (a.IsVirtual()) text += " virtual";
  if (a.IsRef()) text += " ->" + a.RefClass().std() + "." + a.RefAttr().std();
  return text + " @" + a.CurClass().std();
}

// Every column of `list` described; nothing for a missing list.
inline Names described(const AttribList* list) {
  Names out;
  if (list)
    for (const Attributes& a : *list) out.push_back(describe(a));
  return out;
}
