#include "servergen/served_methods.h"

#include "model/class_desc.h"

Str classIdOf(MethodsMap& map) {
  const MethodDesc& m = map.Body();
  return m.owner ? m.owner->Id() : map.IdPair().first;
}

bool isServed(MethodsMap& map) {
  const MethodDesc& m = map.Body();
  Str name = map.Name();
  return !m.isInternal() && !m.isNOHeader() && name != "Get" && name != "GetAbstract" && name != "GetForUpdate" &&
         name != "MoveToArc";
}

Str entryPointName(MethodsMap& map) {
  Str name = map.Name();
  if (name != "Add" && name != "Update") return name;
  return classIdOf(map) + name;
}
