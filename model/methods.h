#pragma once
// Methods: one method declared in a class, with its kind flags, its input and
// output arguments as attribute locators, the windows that supply input
// values, and its dispatchers. One cursor walks the input or the output list.
#include <list>
#include <map>

#include "model/locators.h"
#include "rt/str.h"

class Methods {
public:
  // The result type starts as "ErrorMessage"; the cursor walks the inputs.
  Methods(const char* name, int flags, const Str& patch);
  Methods(const Methods&) = delete;
  Methods& operator=(const Methods&) = delete;

  void AddInputArg(const Str& pName, const Str& fName, const Str& sName, bool hidden, bool required);
  AttrLocator* AddOutputArg(const Str& pName, const Str& fName, const Str& sName, const Str& alias,
                            bool hidden, bool editable);
  void AddDispatcher(const Str& pName, const Str& fName, const Str& sName);

  // Records (or replaces) the window that supplies an input argument.
  void setInputArgSource(const AttrLocator& arg, const WinLocator& source);
  // The names come window first; the locator keeps them project first.
  void setInputArgSource(const AttrLocator& arg, const Str& window, const Str& cls, const Str& project);
  bool sourceNondefault(const AttrLocator& arg) const;
  WinLocator getSource(const AttrLocator& arg) const;  // empty when none is recorded
  WinLocator* getSource();  // the source of the argument under the cursor, or null

  // Argument cursor over the selected list.
  void prepInArgs();
  void prepOutArgs();
  void reset();
  bool next();
  // The argument under the cursor; empty texts and false at the end.
  Str getPName() const;
  Str getFName() const;
  Str getSName() const;
  Str getAlias() const;
  bool isRequired() const;
  bool isHidden() const;
  bool isEditable() const;
  // The attribute ids of the selected list joined by ", ".
  Str printArgs() const;

  std::list<AttrLocator>& Input() { return input_; }
  const std::list<AttrLocator>& Input() const { return input_; }
  std::list<AttrLocator>& Output() { return output_; }
  const std::list<AttrLocator>& Output() const { return output_; }
  std::list<AttrLocator>& getDispatchers() { return dispatchers_; }
  const std::list<AttrLocator>& getDispatchers() const { return dispatchers_; }

  const Str& Id() const { return id_; }
  const Str& ReturnType() const { return returnType_; }
  void SetReturnType(const Str& type) { returnType_ = type; }
  int getFlag() const { return flags_; }
  const Str& patch() const { return patch_; }
  const Str& getComment() const { return comment_; }
  void setComment(const Str& comment) { comment_ = comment; }
  void SetAutomatic() { flags_ |= 0x20; }
  void SetDPIn() { flags_ |= 0x80; }

  bool IsInternal() const { return flags_ & 0x1; }
  bool IsReport() const { return flags_ & 0x2; }
  bool IsExtern() const { return flags_ & 0x4; }
  bool IsConst() const { return flags_ & 0x8; }
  bool IsLong() const { return flags_ & 0x10; }
  bool IsAutomatic() const { return flags_ & 0x20; }
  bool IsVirtual() const { return flags_ & 0x40; }
  bool IsDPIn() const { return flags_ & 0x80; }
  bool IsRemoving() const { return flags_ & 0x200; }
  bool IsUpdating() const { return flags_ & 0x400; }
  bool IsAdding() const { return flags_ & 0x800; }
  bool IsArchive() const { return flags_ & 0x800; }

private:
  std::list<AttrLocator>& selected() { return selectedOutput_ ? output_ : input_; }
  const std::list<AttrLocator>& selected() const { return selectedOutput_ ? output_ : input_; }
  const AttrLocator* current() const;

  Str id_;
  Str returnType_;
  int flags_;
  std::list<AttrLocator> input_;
  std::map<AttrLocator, WinLocator> sources_;  // input argument -> window supplying it
  std::list<AttrLocator> output_;
  std::list<AttrLocator> dispatchers_;
  bool selectedOutput_;  // the cursor walks the outputs rather than the inputs
  std::list<AttrLocator>::iterator cursor_;
  Str patch_;  // patch section of the declaration
  Str comment_;
};
