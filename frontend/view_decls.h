#pragma once
// The actions of the Views block of a class: dialog windows and folders with
// their method entries, standard inputs and accepted arguments, and list
// views with their columns, empty-list texts, selection condition, excluded
// names and result columns. The parts of a construct are collected while it
// is read and handed to the window record as soon as they are complete.
// The functions that can fail answer 0, or the parse result after reporting
// through yyerror.
#include <memory>

#include "model/view_atoms.h"
#include "model/windows.h"
#include "rt/str.h"

extern CommonWindow* currentWindow;  // window, folder or list view being declared
extern DialogWindow* currentDialog;  // dialog window or folder being declared
extern ViewWindow* currentView;      // list view being declared
extern TargetList targetList;        // calls of one method entry or one standard-input list
extern Str entryHint;                // hint of the method entry being read
extern Str emptyMessage;             // text of WhenEmpty
extern Str rowName;                  // text of RowName
extern Str columnAlias;              // title of the column being read
extern int columnAggregate;          // 1 for a column marked [+]
extern bool columnEditable;          // the column is marked editable
// The condition being read: the column just read, the left column and the
// sign of the comparison, and the condition built from them. All empty
// between comparisons.
extern std::shared_ptr<ColumnStruct> selOperand;
extern std::shared_ptr<ColumnStruct> selLeft;
extern Str selSign;
extern std::shared_ptr<Atom> selAtom;

// `Window` or `Folder` id "title" ["menu item"]: a duplicate name is an error
// also inside a patch section, 7 with a menu item and 8 without.
int beginDialog(const char* id, const char* header, const char* menuItem, bool folder);
// `DataWindow` id "title": declared again it replaces the earlier view inside
// a patch section and is an error elsewhere.
int beginDataWindow(const char* id, const char* header);
// The end of a list view's body: its empty-list texts, its remark (the raw
// comment of the lexer, null when none), the standard input "Get" + id when
// it names none, and its patch section.
void endDataWindow(const char* comment);

// Method entries: `(` label [, hint] `)` answers the label; each target is
// collected, a null class naming the current class and a null project none.
const char* readEntryHead(const char* label, const char* hint);
void addEntryTarget(const char* method, const char* cls, const char* project);
// The entry itself; `text` and `comment` are null when not written, and a
// non-empty comment replaces the hint.
void addMethodEntry(const char* name, const char* label, const char* text, const char* comment);

// Standard input: each call is collected, a null class naming no class (nor
// project) and a null project the project that holds the current class; the
// collected calls then replace the window's standard input.
void addStandardInputTarget(const char* method, const char* cls, const char* project);
void setStandardInputCalls();
// An accepted argument: `name` of class `cls` (null for none) in `project`
// (null for the project being parsed).
void addAcceptedArg(const char* project, const char* name, const char* cls);

// Columns of a list view: the marks after a column are read before it is
// added. `attr` of class `cls` (null for none); a null alias takes the title
// written after the column.
void setColumnMarks(const char* alias, int aggregate, bool editable);
void addListColumn(const char* attr, const char* cls, const char* alias);
void setEmptyRow(const char* message, const char* row);
void addExcludedName(const char* name);

// The selection condition, read as one flat sequence of comparisons and
// joining signs. A column operand `attr` of class `cls` (null for none)
// titled `alias`:
void readConditionColumn(const char* attr, const char* cls, const char* alias);
// The comparison sign as stored ("> ", "==", ...): the column read so far is
// its left side.
void readCompareSign(const char* sign);
// Right sides: a bare name is an enumeration item when some enumeration has
// it, else a column of the current project; `outerJoin` marks a column
// comparison written with "+". Each completes the comparison.
void compareWithName(const char* name, bool outerJoin);
void compareWithColumn(bool outerJoin);
void compareWithValue(const char* value, Atom::AtomType type);
void joinConditions(const char* sign);
// The end of the condition: 0 for Select, 1 for Manual Select.
void endSelection(int type);

// `returns` [lead] [*] column [trail]: a column the view does not have is
// an error.
int addResultColumn(const char* leading, bool dropDown, const char* attr, const char* cls, const char* trailing);

// For tests only: forgets the window and condition state.
void resetViewDecls();
