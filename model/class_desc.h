#pragma once
// ClassDesc: one class of a project with its flags, its attributes in
// declared order, its methods, its list views and its dialog windows, and the
// walks up its Parent chain. ObjectDesc: a named object of a project.
#include <list>
#include <map>
#include <set>

#include "model/attrib_list.h"
#include "model/attributes.h"
#include "rt/str.h"

class Methods;
class DialogWindow;
class ViewWindow;

class ClassDesc {
public:
  // An empty container stands for the current project; a named one marks
  // the class external.
  ClassDesc(const Str& id, int flags, const Str& container);
  // A class derived from `base`: its flags but the virtual bit, its object
  // kind and container, and `base` as Parent.
  ClassDesc(const char* id, const ClassDesc& base);
  ClassDesc(const ClassDesc&) = delete;
  ClassDesc& operator=(const ClassDesc&) = delete;
  // Frees the attributes, methods, views and windows of the class.
  ~ClassDesc();

  const Str& Id() const { return id_; }
  const Str& Parent() const { return parent_; }
  const Str& Container() const { return container_; }
  const Str& ClassAlias() const { return classAlias_; }
  const Str& getComment() const { return comment_; }
  const Str& getIcon() const { return icon_; }
  const Str& getWID() const { return wid_; }
  const Str& getViewDBClass() const { return viewDBClass_; }

  bool IsVirtual() const { return flags_ & 0x1; }
  bool IsSingular() const { return flags_ & 0x2; }
  bool HasSK() const { return flags_ & 0x4; }
  bool IsInFamily() const { return flags_ & 0x8; }
  bool IsExternal() const { return flags_ & 0x10; }
  bool IsVisibleSK() const { return flags_ & 0x20; }
  bool HasNoArc() const { return flags_ & 0x40; }
  bool IsAutoincremental() const { return flags_ & 0x80; }
  bool HaveObject() const { return objectKind_ == 1; }
  bool IsSQLView() const { return objectKind_ == 2; }

  void setType(int bits) { flags_ |= bits; }
  void beVirtual() { flags_ |= 0x1; }
  void beInFamily() { flags_ |= 0x8; }
  void beExternal() { flags_ |= 0x10; }
  void beNoArc() { flags_ |= 0x40; }
  void setObject(int kind) { objectKind_ = kind; }  // 1 has an object, 2 SQL view
  void setComment(const Str& comment) { comment_ = comment; }
  void setIcon(const Str& icon) { icon_ = icon; }
  void setWID(const Str& wid) { wid_ = wid; }
  void setViewDBClass(const Str& cls) { viewDBClass_ = cls; }
  void setClassAlias(const Str& alias) { classAlias_ = alias; }

  // Attributes. Both forms leave an existing id untouched (the six-text form
  // then answers null).
  Attributes* AddAttribute(const Str& id, const Str& type, const Str& project, const Str& p1, const Str& p2,
                           const Str& p3);
  void AddAttribute(const Attributes& a, int atFront);
  // The own attribute or the nearest ancestor's; null when none.
  Attributes* GetAttribute(const Str& id) const;
  // Sets the display name when `name` is given; answers the display name,
  // null for an unknown id.
  const Str* AttribName(const char* id, const char* name);
  Attributes* GetFirstAttribute();
  Attributes* GetNextAttribute();
  const Str* GetFirstAttrName();  // null at the end
  const Str* GetNextAttrName();
  // The ancestors' attributes (root first), then the own ones.
  AttribList getFullAttribList() const;
  // The key columns in declared order; a class-typed key column is replaced
  // by the key of its class, prefixed with its id when that differs from the
  // type.
  AttribList getPK() const;

  // Methods.
  Methods* AddMethod(const char* name, int flags, const Str& patch);  // replaces one of that name
  bool checkMethod(const Str& name) const;                             // own methods only
  Methods* FindMethod(const Str& name, Str& owner = ClassDesc::sNull) const;
  int isReloadedMethod(const Str& name) const;
  Methods* GetFirstMethod();
  Methods* GetNextMethod();

  // Dialog windows and views.
  DialogWindow* AddWindow(const char* name, const char* header, const char* menuItem);  // null for a duplicate
  DialogWindow* GetWindow(const char* name) const;
  DialogWindow* GetFirstWindow();
  DialogWindow* GetNextWindow();
  ViewWindow* AddView(const char* name, const char* header, ViewWindow* proto);  // replaces one of that name
  ViewWindow* GetView(const char* name) const;
  bool checkView(const Str& name) const;
  ViewWindow* GetFirstView();
  ViewWindow* GetNextView();

  // Parent walks; a Parent chain that loops throws a Str naming the class.
  bool HaveParent(const Str& id) const;
  ClassDesc* Granny() const;  // root ancestor; null without a parent
  ClassDesc* Top();           // root ancestor; the class itself without a parent
  const ClassDesc* Top() const;

  static Str sNull;  // default out-argument of FindMethod
  // The class records that exist: no Parent chain without a loop is longer.
  static std::size_t Records() { return records_; }

private:
  static std::size_t records_;
  AttribList keyOf(std::set<const ClassDesc*>& expanding) const;

  int flags_;
  int objectKind_;  // 0 plain, 1 has an object, 2 SQL view
  Str id_;
  Str parent_;     // base class; empty when none
  Str container_;  // project that owns the class
  Str classAlias_;
  Str comment_;
  Str icon_;
  Str wid_;          // window-id prefix
  Str viewDBClass_;  // database class behind an SQL-view class
  std::map<Str, Attributes*> attributes_;
  std::map<Str, Methods*> methods_;
  std::map<Str, ViewWindow*> views_;
  std::map<Str, DialogWindow*> windows_;
  std::list<Str> attributeOrder_;
  std::list<Str>::iterator attributeCursor_;
  std::map<Str, Methods*>::iterator methodCursor_;
  std::map<Str, DialogWindow*>::iterator windowCursor_;
  std::map<Str, ViewWindow*>::iterator viewCursor_;
  std::list<Str>::iterator attrNameCursor_;
  std::list<ViewWindow*> replacedViews_;  // views replaced by AddView, kept alive with the class
};

// The root ancestors (Granny) of many classes asked one after another while
// the model does not change, as when a class's columns are gathered down its
// chain: a class whose parent shares its container has that parent's root,
// so a chain is walked once rather than once per class.
class ClassRoots {
public:
  ClassDesc* Granny(const ClassDesc* cls);

private:
  std::map<const ClassDesc*, ClassDesc*> roots_;
};

class ObjectDesc {
public:
  ObjectDesc(const char* name, const char* cls);
  const Str& Class() const { return class_; }

private:
  Str name_;
  Str class_;
};
