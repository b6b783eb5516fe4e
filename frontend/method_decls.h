#pragma once
// The actions of the Methods block of a class: each method with its kind
// flags, its input and result arguments (with the windows that supply input
// values) and its dispatchers, and the SQL-view classes declared by `View`.
// The functions that can fail answer 0, or the parse result after reporting
// through yyerror.
#include "rt/str.h"

class ClassDesc;
class Methods;

extern ClassDesc* currentViewClass;  // SQL-view class being declared
extern Methods* currentMethod;       // method being declared
extern int argDirection;             // 1 while input arguments are read, 2 for result arguments
extern bool argRequired;             // the argument being read is marked "*"
extern bool argHidden;               // the argument being read is marked "-"

// The kind flags of a method by the qualifier written before its name.
constexpr int kUnqualifiedMethod = 1024;
constexpr int kConstMethod = 8;
constexpr int kLongMethod = 16;
constexpr int kLongConstMethod = 24;
constexpr int kAddingMethod = 2048;
constexpr int kRemovingMethod = 512;
// An Internal method takes no qualifier; Report and Virtual add a bit to it.
constexpr int kInternalMethod = 1;
constexpr int kReportBit = 2;
constexpr int kVirtualBit = 64;

// A method of the current class. Declared again, it replaces the earlier one
// inside a patch section and is an error elsewhere.
int beginMethod(const char* name, int flags);
// An Internal method: declared again it is an error even inside a patch section.
int beginInternalMethod(const char* name);
// The end of a method: its comment (the raw text of the lexer, null when none).
void endMethod(const char* comment);
// `(...)`: the input arrives as one data packet.
void setDataPacketInput();
void readInputArgs();
void readResultArgs();

// The marks written before an argument; every argument sets both.
void setArgMarkers(bool required, bool hidden);
// An argument naming attribute `fName` of class `sName` (null for none).
void addArgument(const char* fName, const char* sName);
// The same with the window that supplies its value; a null `cls` names the
// current class, a null `project` none.
void addArgumentFromWindow(const char* fName, const char* sName, const char* window, const char* cls,
                           const char* project);
// `dispatched by` class `.` attribute, in the project of the last reference.
void addDispatcher(const char* cls, const char* attr);

// `View` id: an SQL-view class over the current class.
int beginViewClass(const char* id);
// A column of the SQL view: a class (`attr` null) or an attribute of a class.
int addViewColumn(const char* cls, const char* attr);

// For tests only: forgets the method, view class and argument state.
void resetMethodDecls();
