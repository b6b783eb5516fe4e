#pragma once
// AttrLocator: the names that point from a method or window argument to an
// attribute (project, attribute, source class) with the argument's screen
// marks. WinLocator: the names that point to a window (project, class,
// window).
#include "rt/str.h"

class AttrLocator {
public:
  AttrLocator();
  AttrLocator(const Str& pName, const Str& fName, const Str& sName, const Str& alias, bool hidden,
              bool required);

  // Equal when project, attribute and source class are equal; the alias, the
  // texts and the marks are not compared.
  bool operator==(const AttrLocator& other) const;
  bool operator!=(const AttrLocator& other) const { return !(*this == other); }
  // Orders by project, then attribute, then source class.
  bool operator<(const AttrLocator& other) const;

  Str PName;     // project
  Str FName;     // attribute id
  Str SName;     // source class
  Str alias;     // screen label
  Str leading;   // text written before a data window's result column
  Str trailing;  // text written after a data window's result column
  bool required;
  bool hidden;
  bool dropDown;  // result column written with "*"
  bool editable;
};

class WinLocator {
public:
  WinLocator() = default;
  WinLocator(const Str& project, const Str& cls, const Str& window);

  Str project;
  Str cls;
  Str window;
};
