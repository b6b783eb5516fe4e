#include "model/types_house.h"

#include <algorithm>

#include "model/process_state.h"
#include "model/project.h"
#include "rt/cpp_literal.h"

namespace {

Str notFound(const char* position, const Str& type) {
  return Str(position) << tr(" Type ") << type << tr(" is not found. ");
}

}  // namespace

std::map<Str, Str>& TypesHouse::declare(const Str& type) {
  std::map<Str, Str>*& typeFields = fields[type];
  if (!typeFields) {
    ownedFields.push_back(std::make_unique<std::map<Str, Str>>());
    typeFields = ownedFields.back().get();
    fieldsByName[type.std()] = typeFields;
  }
  return *typeFields;
}

ChkLine* TypesHouse::findItem(const Str& type, const Str& value) const {
  auto index = itemIndexes.find(type);
  if (index == itemIndexes.end()) return nullptr;
  auto item = index->second.byValue.find(value);
  return item == index->second.byValue.end() ? nullptr : item->second;
}

// The code -1 stands for this: one more than the largest code, 0 for no items.
int TypesHouse::nextCode(const Str& type) const {
  auto index = itemIndexes.find(type);
  if (index == itemIndexes.end() || index->second.byValue.empty()) return 0;
  return index->second.largestCode + 1;
}

Str TypesHouse::reloadError() {
  Str file = CP ? CP->fileName : Str("");
  int line = CP ? CP->line : 0;
  return tr("Error! In the file ") << file << tr(" line ") << line << tr(". Attempt to reload Enum value. ");
}

void TypesHouse::AddType(const char* type, const char* field, const char* value) {
  declare(Str(type))[Str(field)] = Str(value);
}

void TypesHouse::checkType(const char* type, const char* field, const char* value) {
  auto declared = fields.find(Str(type));
  if (declared == fields.end()) return;
  std::map<Str, Str>& typeFields = *declared->second;
  auto known = typeFields.find(Str(field));
  if (known == typeFields.end()) {
    typeFields[Str(field)] = Str(value);
    return;
  }
  if (known->second != Str(value)) throw reloadError() << field << tr(" of type ") << type << tr(".");
}

void TypesHouse::CopyType(const char* newType, const char* sourceType) {
  auto source = fields.find(Str(sourceType));
  if (source == fields.end()) return;
  std::map<Str, Str> copy = *source->second;
  declare(Str(newType)) = std::move(copy);
}

void TypesHouse::AddInit(const char* type, const char* value, const char* comment, int code) {
  std::list<ChkLine*>*& items = inits[Str(type)];
  if (!items) {
    ownedLists.push_back(std::make_unique<std::list<ChkLine*>>());
    items = ownedLists.back().get();
  }
  ItemIndex& index = itemIndexes[Str(type)];
  if (index.byValue.count(Str(value))) return;
  ownedItems.push_back(std::make_unique<ChkLine>());
  ChkLine* item = ownedItems.back().get();
  item->value = Str(value);
  item->code = code == -1 ? nextCode(Str(type)) : code;
  item->comment = Str(comment);
  items->push_back(item);
  index.largestCode = index.byValue.empty() ? item->code : std::max(index.largestCode, item->code);
  index.byValue[item->value] = item;
}

bool TypesHouse::checkInit(const char* type, const char* value, const char* comment, int code) {
  const ChkLine* item = findItem(Str(type), Str(value));
  // A -1 asks for the next code; declared again, the item already holds the
  // code it was given the first time, so any code matches.
  if (!item || (code != -1 && item->code != code) || item->comment != Str(comment)) throw reloadError();
  return false;
}

void TypesHouse::AddAliasItem(const Str& type, const Str& alias, const Str& value) {
  if (!fields.count(type)) throw notFound("types_str:143", type);
  aliases[type].push_back(AliasItem{alias, value});
}

void TypesHouse::AddEnumOption(const Str& type, const Str& itemValue, const Str& key, const Str& text) {
  if (!fields.count(type)) throw notFound("types_str:152", type);
  if (ChkLine* item = findItem(type, itemValue)) item->options[key] = text;
}

const Str& TypesHouse::findType(const Str& type, const Str& field) const {
  static const Str none("");
  auto declared = fieldsByName.find(type.std());
  if (declared == fieldsByName.end())
    throw Str("types_str:136") << tr("Error!") << tr(" Type ") << type << tr(" is not defined.");
  auto known = declared->second->find(field);
  return known == declared->second->end() ? none : known->second;
}

std::list<ChkLine*>* TypesHouse::GetInits(const char* type) const {
  auto list = inits.find(Str(type));
  return list == inits.end() ? nullptr : list->second;
}

bool TypesHouse::isEnum(const Str& type) const { return inits.count(type) != 0; }

int TypesHouse::numberOfEnumCodes(const Str& type) const {
  auto list = inits.find(type);
  return list == inits.end() ? -1 : static_cast<int>(list->second->size());
}

int TypesHouse::maxEnumCode(const Str& type) const {
  return inits.count(type) ? nextCode(type) : -1;
}

int TypesHouse::getEnumValueIfAny(const Str& type, const Str& value) const {
  if (!fields.count(type)) return -1;
  const ChkLine* item = findItem(type, value);
  return item ? item->code : -1;
}

void TypesHouse::setProject(const Str& type, const Str& project) { projects.emplace(type, project); }

Str TypesHouse::getProject(const Str& type) const {
  auto owner = projects.find(type);
  return owner == projects.end() ? Str("") : owner->second;
}

void TypesHouse::setCounter(const Str& name, int value) { counters[name] = value; }

int TypesHouse::getCounter(const Str& name) const {
  auto counter = counters.find(name);
  return counter == counters.end() ? 0 : counter->second;
}

void TypesHouse::printAllTypes(std::ostream& out) const {
  for (const auto& [type, typeFields] : fields) {
    out << type << ":\n";
    bool first = true;
    for (const auto& [field, text] : *typeFields) {
      out << (first ? "" : ", ") << field << " = \"" << text.backSlashify() << "\"\n";
      first = false;
    }
    auto aliasItems = aliases.find(type);
    auto enumItems = inits.find(type);
    if (aliasItems != aliases.end()) {
      out << "(\n";
      for (const AliasItem& item : aliasItems->second)
        out << "\t\"" << item.alias << "\" = \"" << item.value << "\";\n";
      out << ")\n";
    } else if (enumItems != inits.end()) {
      out << "{\n";
      for (const ChkLine* item : *enumItems->second) {
        out << '\t' << item->value << " = " << item->code << " \"" << item->comment << '"';
        for (const auto& [key, text] : item->options) out << ", " << key << " = \"" << text << '"';
        out << ";\n";
      }
      out << "}\n";
    } else {
      out << ";\n";
    }
  }
}

void TypesHouse::printEnumsAsConsts(std::ostream& out) const {
  // One C++ scope receives every constant: a name that two enumerations
  // share (None, or the isX item of a family enumeration in two projects) is
  // defined once, and only when both give it the same code. A translation
  // unit may read the constants files of several projects, which repeat
  // what they share, so each constant stands under a guard named after it.
  struct Defined {
    Str type;
    int code;
  };
  std::map<Str, Defined> defined;
  for (const auto& declared : fields) {
    auto list = inits.find(declared.first);
    if (list == inits.end()) continue;
    out << "\n// " << cppCommentText(declared.first) << "\n";
    for (const ChkLine* item : *list->second) {
      auto [earlier, isNew] = defined.try_emplace(item->value, Defined{declared.first, item->code});
      if (!isNew) {
        if (earlier->second.code == item->code) continue;
        throw Str("The enumeration item ") << item->value << " has the code " << earlier->second.code
                                           << " in type " << earlier->second.type << " and the code " << item->code
                                           << " in type " << declared.first
                                           << ": the constants of both would share one name.";
      }
      out << "#ifndef _CONST_" << item->value << "_\n"
          << "#define _CONST_" << item->value << "_\n"
          << "const int " << item->value << " = " << item->code << ";// " << cppCommentText(item->comment) << "\n"
          << "#endif\n";
    }
  }
}
