#include "model/view_atoms.h"

#include "model/process_state.h"

ColumnStruct::ColumnStruct() : aggregate_(0) {}

ColumnStruct::ColumnStruct(const Str& pName, const Str& fName, const Str& sName, const Str& alias, int aggregate)
    : column_(pName, fName, sName, Str(), false, false), alias_(alias), aggregate_(aggregate) {}

Atom::Atom(const ColumnStruct& left, const Str& sign, const ColumnStruct& right)
    : left_(left), right_(right), sign_(sign), type_(attribute), virtual_(false), oj_(false) {}

Atom::Atom(const ColumnStruct& left, const Str& sign, const char* value, AtomType type)
    : left_(left), value_(value), secondValue_(value), sign_(sign), type_(type), virtual_(false), oj_(false) {}

Atom::Atom(const ColumnStruct& left, const Str& sign, int number, const Str& name)
    : left_(left), value_(Str() << number), secondValue_(name), sign_(sign), type_(literal), virtual_(false),
      oj_(false) {}

void Atom::makeEnum(int number) {
  type_ = literal;
  right_ = ColumnStruct();
  value_ = Str() << number;
}

Str Atom::getLiteral() const {
  if (type_ != literal) throw tr("Error!") + " Atom::getLiteral\n";
  return value_;
}

Str Atom::getGlobal() const {
  if (type_ != global) throw tr("Error!") + " Atom::getGlobal\n";
  return value_;
}

Atom* AtomList::findBySecond(const Str& field, const Str& cls) {
  for (Atom& atom : *this)
    if (atom.getSecondAttr().column().FName == field && atom.getSecondAttr().column().SName == cls) return &atom;
  return nullptr;
}
