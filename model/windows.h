#pragma once
// The windows and views a class declares. CommonWindow is the polymorphic
// base: id, title, the calls that fill the window (its standard input), the
// method entries it offers and the arguments it accepts. DialogWindow is a
// dialog window or folder; ViewWindow a list view over the class's table with
// columns, selection conditions, parameters and result columns.
#include <list>
#include <utility>

#include "model/locators.h"
#include "model/view_atoms.h"
#include "rt/str.h"

class ClassDesc;

// Calls as (method, (class, project)).
using TargetList = std::list<std::pair<Str, std::pair<Str, Str>>>;

// One method entry of a window: an action that calls the target methods.
class MethodStruct {
public:
  MethodStruct(const Str& name, const Str& label, const TargetList& targets, const Str& text, const Str& hint);

  Str name;
  Str label;
  TargetList targets;
  Str text;
  Str hint;
};

class CommonWindow {
public:
  CommonWindow(const char* id, const char* header);
  // The copy's cursors stand at the same places as the source's.
  CommonWindow(const CommonWindow& other);
  CommonWindow& operator=(const CommonWindow&) = delete;
  virtual ~CommonWindow();

  // Adds a method entry at the end, removing an earlier entry of that name.
  virtual void AddMethod(const char* name, const char* label, const char* method, const char* cls,
                         const char* project, const Str& text, const Str& hint);
  virtual void AddMethod(const char* name, const char* label, TargetList& targets, const Str& text,
                         const Str& hint);
  // Replaces the whole standard-input list.
  virtual void setStandardInput(const Str& method, const Str& cls, const Str& project);
  virtual void setStandardInput(TargetList& calls);
  virtual void addAcceptArg(const Str& pName, const Str& fName, const Str& sName);
  virtual bool acceptsArgs() const;
  virtual std::list<AttrLocator>& acceptedArgs();
  virtual const std::list<AttrLocator>& acceptedArgs() const;
  // First/next walk of the method entries; null at the end.
  virtual MethodStruct* GetFirstMethod();
  virtual MethodStruct* GetNextMethod();
  virtual MethodStruct* GetMethod(Str name);

  // Standard-input walk: SIReset() then while (SINext()) ...; the parts of
  // the call under the cursor are empty texts at the end.
  int SICalls() const;
  void SIReset();
  bool SINext();
  Str SICStandardInput() const;
  Str SICClass() const;
  Str SICProject() const;

  const Str& Id() const { return id_; }
  const Str& Header() const { return header_; }
  const Str& Remark() const { return remark_; }
  const Str& WhoAmI() const { return whoAmI_; }
  const Str& Name_Patch() const { return namePatch_; }
  void SetId(const Str& id) { id_ = id; }
  void SetHeader(const Str& header) { header_ = header; }
  void SetRemark(const Str& remark) { remark_ = remark; }
  void SetPatch(const Str& patch) { namePatch_ = patch; }

protected:
  void setKind(const char* kind) { whoAmI_ = kind; }

private:
  Str whoAmI_;     // kind of window
  Str id_;
  Str header_;     // title
  Str remark_;
  Str namePatch_;  // patch section that declared the window
  TargetList standardInput_;
  TargetList::iterator siCursor_;
  std::list<MethodStruct> methods_;
  std::list<AttrLocator> accepted_;
  std::list<MethodStruct>::iterator methodCursor_;
};

class DialogWindow : public CommonWindow {
public:
  DialogWindow(const char* id, const char* header, const char* menuItem);
  ~DialogWindow() override;

  void ThisIsFolder() { setKind("Folder"); }
  const Str& MenuItemName() const { return menuItemName_; }

private:
  Str menuItemName_;  // the menu item that opens the window
};

class ViewWindow : public CommonWindow {
public:
  ViewWindow(const char* id, const char* header, ClassDesc& cls);
  ViewWindow(const ViewWindow& other);
  ~ViewWindow() override;

  void ThisIsTable() { setKind("Table"); }

  void AddColumn(const Str& pName, const Str& fName, const Str& sName, const Str& alias, int aggregate,
                 bool editable);
  // First/next walk of the columns, answering their locators; null at the end.
  AttrLocator* GetFirstColumn();
  AttrLocator* GetNextColumn();
  const Str* GetColumnAlias() const;  // of the column under the cursor; null at the end
  int GetAggregate() const;    // of the column under the cursor; 0 at the end
  bool HaveColumn(const AttrLocator& locator) const;
  // Whether (attribute, class) names a key column of the view's class.
  bool isPK(const std::pair<Str, Str>& attr) const;

  AttrLocator* AddOutputArg(const Str& pName, const Str& fName, const Str& sName);
  AttrLocator* GetFirstOutputArg();
  AttrLocator* GetNextOutputArg();

  void AddExcluded(const char* name);
  const Str* GetFirstExcluded();  // null at the end
  const Str* GetNextExcluded();
  bool IsExcluded(const Str& name) const;

  void addLeftParam(const Str& name, const Str& value);
  std::pair<Str, Str>* getFirstLP();
  std::pair<Str, Str>* getNextLP();

  void addAtom(const Atom& atom) { atoms_.push_back(atom); }
  AtomList& getAtoms() { return atoms_; }
  const AtomList& getAtoms() const { return atoms_; }
  void addSign(const Str& sign) { signs_.push_back(sign); }
  std::list<Str>& getSigns() { return signs_; }
  const std::list<Str>& getSigns() const { return signs_; }
  // The conditions as the description declared them. The expansion replaces
  // the atoms and signs by their column-by-column form; the declared ones are
  // kept aside then, so that every later expansion starts from them again.
  const AtomList& declaredAtoms() const { return rewritten_ ? declaredAtoms_ : atoms_; }
  const std::list<Str>& declaredSigns() const { return rewritten_ ? declaredSigns_ : signs_; }
  void setRewrittenConditions(AtomList atoms, std::list<Str> signs);

  void setSelectionType(int type) { selectionType_ = type; }
  bool isManualSelection() const { return selectionType_ == 1; }
  void setEmptyMessage(const Str& message) { emptyMessage_ = message; }
  const Str& EmptyMessage() const { return emptyMessage_; }
  void setRowName(const Str& name) { rowName_ = name; }
  const Str& RowName() const { return rowName_; }
  void setIsDropDown(bool dropDown) { isDropDown_ = dropDown; }
  bool IsDropDown() const { return isDropDown_; }
  ClassDesc* class_desc() const { return class_; }
  Str class_name() const;

private:
  std::list<std::pair<Str, Str>> leftParams_;  // (name, value)
  std::list<std::pair<Str, Str>>::iterator lpCursor_;
  AtomList atoms_;             // selection conditions
  std::list<Str> signs_;       // operators joining the conditions
  AtomList declaredAtoms_;     // the conditions as declared, once rewritten
  std::list<Str> declaredSigns_;
  bool rewritten_;             // atoms_ and signs_ hold the rewritten conditions
  int selectionType_;          // 1: manual selection
  Str emptyMessage_;           // shown for an empty list
  Str rowName_;
  bool isDropDown_;
  ClassDesc* class_;           // owning class
  std::list<ColumnStruct> columns_;
  std::list<AttrLocator> outputArgs_;
  std::list<Str> excluded_;    // names excluded from the view
  std::list<ColumnStruct>::iterator columnCursor_;
  std::list<AttrLocator>::iterator outputCursor_;
  std::list<Str>::iterator excludedCursor_;
};
