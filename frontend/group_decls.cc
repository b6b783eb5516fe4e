#include "frontend/group_decls.h"

#include "expand/access_model.h"
#include "frontend/lexer.h"
#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"

namespace {

ClassACL* curClassACL = nullptr;    // the class record being declared
MethodACL* curMethodACL = nullptr;  // the record of the current method entry
bool grantMode = false;             // the class entry grants (else denies) its rights
bool methodGranted = false;         // the method entry grants (else hard-denies)

bool groupDeclared(const char* group) { return CP->groups.count(Str(group)) != 0; }

// Reports an unknown group; answers the parse result.
int unknownGroup() {
  yyerror("Group unknown");
  return 1;
}

int unknownNamedGroup(const char* group) {
  yyerror(Str("Group '") + group + "' unknown");
  return 1;
}

using Member = void (ClassACL::*)(const Str&);
using AllMember = void (ClassACL::*)();

struct RightMembers {
  Member grant;
  Member deny;
  AllMember grantAll;
  AllMember denyAll;
  bool namesGroupInMessage;  // the message of an unknown group names it
};

const RightMembers& membersOf(GroupRight right) {
  static const RightMembers writable{&ClassACL::grantWritable, &ClassACL::denyWritable,
                                     &ClassACL::grantWritableAll, &ClassACL::denyWritableAll, false};
  static const RightMembers archive{&ClassACL::grantArchive, &ClassACL::denyArchive, &ClassACL::grantArchiveAll,
                                    &ClassACL::denyArchiveAll, false};
  static const RightMembers readonly{&ClassACL::grantReadonly, &ClassACL::denyReadonly,
                                     &ClassACL::grantReadonlyAll, &ClassACL::denyReadonlyAll, true};
  static const RightMembers addable{&ClassACL::grantAddable, &ClassACL::denyAddable, &ClassACL::grantAddableAll,
                                    &ClassACL::denyAddableAll, true};
  static const RightMembers updatable{&ClassACL::grantUpdatable, &ClassACL::denyUpdatable,
                                      &ClassACL::grantUpdatableAll, &ClassACL::denyUpdatableAll, true};
  static const RightMembers removable{&ClassACL::grantRemovable, &ClassACL::denyRemovable,
                                      &ClassACL::grantRemovableAll, &ClassACL::denyRemovableAll, true};
  switch (right) {
    case GroupRight::Writable: return writable;
    case GroupRight::Archive: return archive;
    case GroupRight::Readonly: return readonly;
    case GroupRight::Addable: return addable;
    case GroupRight::Updatable: return updatable;
    case GroupRight::Removable: break;
  }
  return removable;
}

// Points curMethodACL at the record of `method`; answers the parse result.
int lookUpMethod(const char* method) {
  if (!curClassACL->methodExists(Str(method))) {
    yyerror("Method not found");
    return 1;
  }
  curMethodACL = &(*curClassACL)[Str(method)];
  return 0;
}

}  // namespace

void declareGroup(const char* name, int number) { CP->groups[Str(name)] = number; }

int beginClassEntry(const char* cls) {
  auto it = CP->classes.find(Str(cls));
  if (it == CP->classes.end() || !it->second) {
    yyerror("Classname unknown");
    return 1;
  }
  curClassACL = &CP->accessList[Str(cls)];
  return 0;
}

void setClassEntryMode(bool granted) {
  curClassACL->setDefaultDenied();
  curClassACL->setAcsSource(granted ? "granted" : "denied");
  grantMode = granted;
}

int applyRight(GroupRight right, const char* group) {
  const RightMembers& members = membersOf(right);
  if (!groupDeclared(group)) return members.namesGroupInMessage ? unknownNamedGroup(group) : unknownGroup();
  (curClassACL->*(grantMode ? members.grant : members.deny))(Str(group));
  return 0;
}

void applyRightToAll(GroupRight right) {
  const RightMembers& members = membersOf(right);
  (curClassACL->*(grantMode ? members.grantAll : members.denyAll))();
}

void applyWritableToAll(bool recorded) {
  applyRightToAll(GroupRight::Writable);
  if (recorded) curClassACL->addGroupAccess("writable", "");
}

void makeReferencible() { CP->refsList[curClassACL->class_name()].setReferencesAll(); }

int makeUnreferencible(const char* group) {
  if (!groupDeclared(group)) return unknownGroup();
  CP->refsList[curClassACL->class_name()].unsetReferences(Str(group));
  return 0;
}

int beginMethodEntry(const char* method, bool granted) {
  methodGranted = granted;
  return lookUpMethod(method);
}

int applyMethodGroup(const char* group) {
  if (!groupDeclared(group)) return unknownGroup();
  if (methodGranted)
    curMethodACL->grant(Str(group));
  else
    curMethodACL->hardDeny(Str(group));
  return 0;
}

int applyMethodToAll(const char* method, bool granted) {
  if (int result = lookUpMethod(method)) return result;
  if (granted)
    curMethodACL->grantAll();
  else
    curMethodACL->denyAll();
  return 0;
}
