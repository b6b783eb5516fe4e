#pragma once
// The actions of Groups sections: the user groups of the current project and,
// class by class, the rights of each group on the class's methods and on
// reaching the class through other classes' tables. They write straight into
// the project's access model. The functions that can fail answer 0, or the
// parse result after reporting through yyerror.

// The rights a class entry gives or takes, group by group.
enum class GroupRight { Writable, Archive, Readonly, Addable, Updatable, Removable };

// `name number ;`: a group declared again takes the new number.
void declareGroup(const char* name, int number);

// `class access`: the class must be one of the current project.
int beginClassEntry(const char* cls);
// `granted` or `denied` after `access`: every group starts at the class level
// denied; the entry's rights then grant (or deny) what they name.
void setClassEntryMode(bool granted);
// A group named for a right (the leading list names the writable right).
int applyRight(GroupRight right, const char* group);
// `right all`, and `all` alone (the writable right, `recorded` false).
void applyRightToAll(GroupRight right);
void applyWritableToAll(bool recorded);
// After the rights: every group may reach the class through other tables,
// except those listed after `not_referencible`.
void makeReferencible();
int makeUnreferencible(const char* group);

// `method granted|denied`: the method must be one of the class's method list.
int beginMethodEntry(const char* method, bool granted);
// A group of the method entry: granted, or hard-denied.
int applyMethodGroup(const char* group);
// `method granted|denied all ;`.
int applyMethodToAll(const char* method, bool granted);
