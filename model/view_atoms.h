#pragma once
// The parts of a view's definition: ColumnStruct, one column (an attribute
// locator with a title and an aggregate mark), and Atom, one selection
// condition comparing a column with another column, a literal or a global
// variable. AtomList holds a view's conditions in written order.
#include <list>

#include "model/locators.h"
#include "rt/str.h"

class ColumnStruct {
public:
  ColumnStruct();
  // Not editable until setEditable.
  ColumnStruct(const Str& pName, const Str& fName, const Str& sName, const Str& alias, int aggregate);

  AttrLocator& column() { return column_; }
  const AttrLocator& column() const { return column_; }
  const Str& alias() const { return alias_; }
  int Agregate() const { return aggregate_; }
  void setEditable(bool editable) { column_.editable = editable; }
  void setColName(const Str& name) { column_.FName = name; }  // the attribute
  void setColType(const Str& cls) { column_.SName = cls; }    // the class of the column

private:
  AttrLocator column_;
  Str alias_;      // column title
  int aggregate_;  // 1 for a column with the aggregate mark
};

class Atom {
public:
  enum AtomType { attribute = 0, literal = 1, global = 2 };

  // A comparison of two columns.
  Atom(const ColumnStruct& left, const Str& sign, const ColumnStruct& right);
  // A comparison with a literal or a global variable named by `value`.
  Atom(const ColumnStruct& left, const Str& sign, const char* value, AtomType type);
  // A comparison with an enumeration item: its code and its name.
  Atom(const ColumnStruct& left, const Str& sign, int number, const Str& name);

  // Turns the atom into a comparison with the enumeration code `number`.
  void makeEnum(int number);

  bool isAttrib() const { return type_ == attribute; }
  bool isLiteral() const { return type_ == literal; }
  bool isGlobal() const { return type_ == global; }
  ColumnStruct& getFirstAttr() { return left_; }
  const ColumnStruct& getFirstAttr() const { return left_; }
  ColumnStruct& getSecondAttr() { return right_; }
  const ColumnStruct& getSecondAttr() const { return right_; }
  const Str& getSign() const { return sign_; }
  bool isVirtual() const { return virtual_; }
  void setVirtual(bool on = true) { virtual_ = on; }
  bool isOJ() const { return oj_; }  // outer join
  void setOJ(bool on = true) { oj_ = on; }
  // The value of a literal (or global) atom; throws for another kind.
  Str getLiteral() const;
  Str getGlobal() const;

private:
  ColumnStruct left_;
  ColumnStruct right_;
  Str value_;
  Str secondValue_;  // the item name of an enumeration literal
  Str sign_;         // comparison operator
  AtomType type_;
  bool virtual_;
  bool oj_;
};

class AtomList : public std::list<Atom> {
public:
  // The first atom whose right column names attribute `field` of class `cls`.
  Atom* findBySecond(const Str& field, const Str& cls);
};
