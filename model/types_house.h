#pragma once
// TypesHouse: the registry of the data types a description declares. A type
// is a name with named text fields that tell every generator how to render
// it, optionally the items of an enumeration or of an alias type. The
// registry keeps the project that first declared each type and the counters
// by which the parser turns a second declaration into a check.
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/type_items.h"
#include "rt/str.h"

class TypesHouse {
public:
  TypesHouse() = default;
  // The maps hold pointers into storage the registry owns: it can be moved
  // (the storage moves with it) but not copied.
  TypesHouse(TypesHouse&&) = default;
  TypesHouse& operator=(TypesHouse&&) = default;
  TypesHouse(const TypesHouse&) = delete;
  TypesHouse& operator=(const TypesHouse&) = delete;

  // Declares the type when it is new and sets the field (a later value wins).
  void AddType(const char* type, const char* field, const char* value);
  // Check of a field of a type declared again: a field the type lacks is
  // added, an equal text passes, another text throws the re-declaration
  // error. An undeclared type changes nothing.
  void checkType(const char* type, const char* field, const char* value);
  // Declares newType with a copy of every field of a declared sourceType.
  void CopyType(const char* newType, const char* sourceType);
  // Adds an enumeration item, making the type an enumeration. A value the
  // list holds already keeps its first item; the code -1 is the next code.
  void AddInit(const char* type, const char* value, const char* comment, int code);
  // Check of an enumeration item of a type declared again: answers false when
  // the type holds an item with this value, code and comment, and throws the
  // re-declaration error otherwise.
  bool checkInit(const char* type, const char* value, const char* comment, int code);
  // Appends an alias item; throws when the type is not declared.
  void AddAliasItem(const Str& type, const Str& alias, const Str& value);
  // Sets an option of an enumeration item; throws when the type is not
  // declared, and ignores an item that does not exist.
  void AddEnumOption(const Str& type, const Str& itemValue, const Str& key, const Str& text);
  // The text of a field; empty when the type lacks it. Throws when the type
  // is not declared. The text lives as long as the registry (a later value
  // of the same field replaces it).
  const Str& findType(const Str& type, const Str& field) const;
  // The items of an enumeration in declaration order; null when the type has
  // none. The list lives as long as the registry.
  std::list<ChkLine*>* GetInits(const char* type) const;
  bool isEnum(const Str& type) const;
  int numberOfEnumCodes(const Str& type) const;  // -1 when not an enumeration
  const std::map<Str, std::list<ChkLine*>*>& InitsList() const { return inits; }
  const std::map<Str, std::map<Str, Str>*>& TypesList() const { return fields; }
  // One more than the largest code, 0 for an empty list; -1 when not an
  // enumeration.
  int maxEnumCode(const Str& type) const;
  // The code of an item of a declared enumeration; -1 when there is none.
  int getEnumValueIfAny(const Str& type, const Str& value) const;
  // The item of the enumeration `type` with this value; null when there is
  // none. Unlike the code above it also tells an item coded -1 from no item.
  ChkLine* findItem(const Str& type, const Str& value) const;
  void setProject(const Str& type, const Str& project);  // the first owner stays
  Str getProject(const Str& type) const;                 // empty when none
  void setCounter(const Str& name, int value);
  int getCounter(const Str& name) const;  // 0 when never set
  // Writes the whole registry in the types.uil format.
  void printAllTypes(std::ostream& out) const;
  // Writes every enumeration as integer constants, each name once; throws
  // when two enumerations give one item name different codes.
  void printEnumsAsConsts(std::ostream& out) const;

private:
  // The field map of a type, declaring the type when it is new.
  std::map<Str, Str>& declare(const Str& type);
  // The error thrown when a declared-again type differs from the registry.
  static Str reloadError();
  // One more than the largest code of the enumeration `type`, 0 for no items.
  int nextCode(const Str& type) const;

  std::map<Str, std::list<ChkLine*>*> inits;    // enumeration items per type
  std::map<Str, std::list<AliasItem>> aliases;  // alias items per type
  std::map<Str, std::map<Str, Str>*> fields;    // field name -> text per declared type
  // The same field maps hashed by type name: generators ask for a field of
  // an argument's type for every argument they write, and a search of the
  // ordered map costs a dozen text comparisons each time.
  std::unordered_map<std::string, std::map<Str, Str>*> fieldsByName;
  std::map<Str, int> counters;                  // declaration counters of the parser
  std::map<Str, Str> projects;                  // owning project per type
  // Per enumeration, its items by value and its largest code, kept beside the
  // item lists: walking a list for each new item would make declaring a long
  // enumeration take quadratic time.
  struct ItemIndex {
    std::map<Str, ChkLine*> byValue;
    int largestCode = 0;  // meaningful once byValue holds an item
  };
  std::map<Str, ItemIndex> itemIndexes;

  // What the pointers above point to; nothing is released before the registry.
  std::vector<std::unique_ptr<std::list<ChkLine*>>> ownedLists;
  std::vector<std::unique_ptr<ChkLine>> ownedItems;
  std::vector<std::unique_ptr<std::map<Str, Str>>> ownedFields;
};
