#include "frontend/type_decls.h"

#include <map>
#include <set>
#include <utility>

#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"

Str currentType;
Str currentEnumValue;

namespace {

// The alias items (alias, value) given to each type so far. The registry
// appends every alias item it is given; a type declared again must not get
// its items twice.
std::map<Str, std::set<std::pair<Str, Str>>> aliasItemsSeen;

// A type whose counter is above 1 is being declared again.
bool redeclaring() { return TypesPool.getCounter(currentType) > 1; }

}  // namespace

void beginType(const char* type) {
  currentType = Str(type);
  TypesPool.setCounter(currentType, TypesPool.getCounter(currentType) + 1);
}

void deriveType(const char* base) {
  if (!redeclaring()) TypesPool.CopyType(currentType, base);
}

void addTypeField(const char* field, const char* value) {
  if (redeclaring()) TypesPool.checkType(currentType, field, value);
  TypesPool.AddType(currentType, field, value);
  TypesPool.setProject(currentType, CP->name);
}

void addEnumItem(const char* value, const char* comment, int code) {
  if (redeclaring()) TypesPool.checkInit(currentType, value, comment, code);
  TypesPool.AddInit(currentType, value, comment, code);
  currentEnumValue = Str(value);
}

void addEnumOption(const char* key, const char* text) {
  TypesPool.AddEnumOption(currentType, currentEnumValue, Str(key), Str(text));
}

void addAliasItem(const char* alias, const char* value) {
  bool seen = !aliasItemsSeen[currentType].insert({Str(alias), Str(value)}).second;
  if (seen && redeclaring()) return;
  TypesPool.AddAliasItem(currentType, Str(alias), Str(value));
}

void resetTypeDecls() {
  currentType = Str();
  currentEnumValue = Str();
  aliasItemsSeen.clear();
}
