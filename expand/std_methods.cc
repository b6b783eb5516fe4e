#include "expand/std_methods.h"

SMethodsList::SMethodsList()
    : std::list<std::pair<Str, Str>>{
          {"Add", "add"},
          {"Get", "view"},
          {"GetForUpdate", "view"},
          {"Update", "correct"},
          {"MoveToArc", "MoveToArc"},
          {"GetArc", "view"},
          {"GetHistList", "GetHistList"},
          {"GetArcList", "GetArcList"},
      } {}

bool SMethodsList::isStandard(const Str& name) const {
  for (const auto& [method, accessWord] : *this)
    if (method == name) return true;
  return false;
}

namespace {
const SMethodsList standardMethods;
}  // namespace

const SMethodsList& StdMethods = standardMethods;
