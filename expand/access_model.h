#pragma once
// The access model of a project: for each class named in a Groups section,
// which user group may call which server method of the class (ClassACL with
// one MethodACL per method, in AccessList), and whether each group may use
// the class through the tables of other classes (ClassRefs, in RefsList).
// All are plain copyable values; a ClassDesc pointer is shared, never owned.
//
// Several members work on "the current project": CP at the moment of the
// call. While parsing that is the project being read; while the
// access-control file is written it is the project being written.
#include <list>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "rt/str.h"

class ClassDesc;
class ViewWindow;

using GroupAccessList = std::list<std::pair<Str, Str>>;

// Per-group states of one method (or of the class itself): 1 granted,
// 0 denied, -1 hard-denied. A group without entry has no state.
//
// A class has a record per method and most of them hold the same states:
// every method that a right covers gets the same grant, and a new record
// starts as a copy of the class level. So the records refer to shared,
// unchangeable fields, one set for each distinct content in the run; a
// change moves the record to the set it leads to.
class MethodACL {
public:
  MethodACL();  // no states

  void grant(const Str& group) { setState(group, 1); }
  void deny(const Str& group) { setState(group, 0); }
  void hardDeny(const Str& group) { setState(group, -1); }
  // Every group of the current project: granted, or hard-denied.
  void grantAll();
  void denyAll();
  // A null group may call anything. A group without entry may not, and is
  // reported on standard output.
  bool accessible(const Str& group) const;

  const std::map<Str, int>& states() const { return fields_->states; }
  // These give the record fields of its own, no longer shared.
  Str& getAcsSource() { return own().acsSource; }
  GroupAccessList& getGroupAccess() { return own().groupAccess; }

  // The fields of a record, in their documented order.
  struct Fields {
    std::map<Str, int> states;  // group -> state
    Str acsSource;
    GroupAccessList groupAccess;
  };

private:
  void setState(const Str& group, int state);
  Fields& own();

  std::shared_ptr<Fields> fields_;
};

// The rights of one class: a class-level ACL, which is the template for every
// method record created later, and the method records touched so far.
class ClassACL {
public:
  // Throws "Class not found :" + name when the current project has no class
  // of that name.
  explicit ClassACL(const Str& name);

  const Str& class_name() const { return className_; }
  ClassDesc* class_desc() const { return classDesc_; }
  Str& getAcsSource() { return acsSource_; }
  void setAcsSource(const Str& word) { acsSource_ = word; }
  GroupAccessList& getGroupAccess() { return groupAccess_; }
  void addGroupAccess(const Str& a, const Str& b) { groupAccess_.emplace_back(a, b); }

  // The record of `method`; a new one starts as a copy of the class-level
  // ACL as it stands now.
  MethodACL& operator[](const Str& method);
  // Whether `method` is one of getMethodsList().
  bool methodExists(const Str& method);
  // The record of the standard method `suffix` (class name + suffix); null
  // when the class has no object.
  MethodACL* standardMethod(const Str& suffix);

  // The method names each right covers: the class's own methods that fit,
  // then the generated names.
  std::list<Str> getMethodsList();
  std::list<Str> getROMethodsList();
  std::list<Str> getWritableMethodsList();
  std::list<Str> getArcMethodsList();
  std::list<Str> getUpdatableMethodsList();
  std::list<Str> getRemovableMethodsList();
  std::list<Str> getAddableMethodsList();

  void grantWritable(const Str& group);
  void grantArchive(const Str& group);
  void grantReadonly(const Str& group);
  void grantAddable(const Str& group);
  void grantUpdatable(const Str& group);
  void grantRemovable(const Str& group);
  void denyWritable(const Str& group);
  void denyArchive(const Str& group);
  void denyReadonly(const Str& group);
  void denyAddable(const Str& group);
  void denyUpdatable(const Str& group);
  void denyRemovable(const Str& group);
  // The same for every group of the current project, in name order.
  void grantWritableAll();
  void grantArchiveAll();
  void grantReadonlyAll();
  void grantAddableAll();
  void grantUpdatableAll();
  void grantRemovableAll();
  void denyWritableAll();
  void denyArchiveAll();
  void denyReadonlyAll();
  void denyAddableAll();
  void denyUpdatableAll();
  void denyRemovableAll();

  // Class level 0 for every group of the current project.
  void setDefaultDenied();
  // Class level 1 for every group of the current project, and the standard
  // methods but GetHistList and GetArc granted to it.
  void setDefaultGranted();
  // Class level 0 for `group`, and every standard method denied to it.
  void deny(const Str& group);
  // Whether `group` may call `method`; a method without record gets one,
  // which is reported on standard output.
  bool methodAccessible(const Str& method, const Str& group);

  const std::map<Str, MethodACL>& methods() const { return methods_; }
  const MethodACL& classLevel() const { return classLevel_; }

private:
  // Sets `state` for `group` on the record of every name of `names`, in
  // order, creating the records that do not exist yet.
  void setEach(const std::list<Str>& names, const Str& group, int state);
  void denyClassAnd(const std::list<Str>& names, const Str& group);
  // Calls `member` for every group of the current project, in name order.
  void forEveryGroup(void (ClassACL::*member)(const Str&));
  // The class's own methods, internal ones skipped, that pass `keep`.
  template <class Keep>
  std::list<Str> userMethods(Keep keep);
  // The names the class's views call for their standard input that neither
  // the class nor an ancestor declares, prefixed with the class name.
  void appendViewInputs(std::list<Str>& names);
  // The list methods through which the class's references are read.
  void appendReferenceLists(std::list<Str>& names);
  // Class name + "GetAbstract" for the root of a class family.
  void appendAbstractGetter(std::list<Str>& names);

  std::map<Str, MethodACL> methods_;  // method name -> its states
  MethodACL classLevel_;
  Str className_;
  ClassDesc* classDesc_;
  Str acsSource_;  // the class entry's access word: "granted" or "denied"
  GroupAccessList groupAccess_;
};

// Whether each group may use a class through the tables of other classes.
// The windows that the input arguments of the current project's methods take
// their values from, gathered in one walk over the classes so that asking it
// about every view of every class stays linear in the model's size.
class ViewSources {
public:
  static ViewSources ofCurrentProject();
  // Whether some input argument takes its value from `view` of `cls`.
  bool references(const ClassDesc* cls, const ViewWindow& view) const;

private:
  std::set<std::pair<const ClassDesc*, Str>> ownWindows_;  // (method's class, window) of a source without class
  std::set<const ClassDesc*> ownLists_;                    // a source without class and window: the list view
  std::set<std::pair<Str, Str>> named_;                    // (class, window) of every source
};

class ClassRefs {
public:
  // Throws "Class not found :" + name as ClassACL does.
  explicit ClassRefs(const Str& name);

  void setReferences(const Str& group) { referencible_[group] = true; }
  void unsetReferences(const Str& group) { referencible_[group] = false; }
  void setReferencesAll();
  void unsetReferencesAll();
  // A null group may; a group the record does not hold may not.
  bool classReferencible(const Str& group) const;
  // The standard inputs of the class's views that some method argument of
  // the current project takes its value from.
  std::list<Str> getTablesStdInputsIfReferencible() const;
  // The same, asking `sources` gathered from the current project.
  std::list<Str> getTablesStdInputsIfReferencible(const ViewSources& sources) const;

  const std::map<Str, bool>& referencible() const { return referencible_; }
  const Str& class_name() const { return className_; }
  ClassDesc* class_desc() const { return classDesc_; }

private:
  std::map<Str, bool> referencible_;  // group -> may use the class
  Str className_;
  ClassDesc* classDesc_;
};

// Class name -> its rights, in name order.
class AccessList : public std::map<Str, ClassACL> {
public:
  // The record of class `name`, created on first use. The record is built
  // before the lookup, so a name that is no class of the current project
  // throws even when a record exists.
  ClassACL& operator[](const Str& name);
};

// Class name -> its reference rights, in name order.
class RefsList : public std::map<Str, ClassRefs> {
public:
  // As AccessList::operator[].
  ClassRefs& operator[](const Str& name);
};

// Group -> object -> method -> state (1 granted, -1 hard-denied): the merged
// rights that the access-control file is written from.
using AccessMatrix = std::map<Str, std::map<Str, std::map<Str, int>>>;
