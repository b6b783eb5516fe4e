#include "model/locators.h"

AttrLocator::AttrLocator() : required(false), hidden(false), dropDown(false), editable(false) {}

AttrLocator::AttrLocator(const Str& pName, const Str& fName, const Str& sName, const Str& aliasText,
                         bool isHidden, bool isRequired)
    : PName(pName),
      FName(fName),
      SName(sName),
      alias(aliasText),
      required(isRequired),
      hidden(isHidden),
      dropDown(false),
      editable(false) {}

bool AttrLocator::operator==(const AttrLocator& other) const {
  return PName == other.PName && FName == other.FName && SName == other.SName;
}

bool AttrLocator::operator<(const AttrLocator& other) const {
  if (PName != other.PName) return PName < other.PName;
  if (FName != other.FName) return FName < other.FName;
  return SName < other.SName;
}

WinLocator::WinLocator(const Str& projectName, const Str& className, const Str& windowName)
    : project(projectName), cls(className), window(windowName) {}
