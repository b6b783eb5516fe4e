#include "frontend/method_decls.h"

#include "frontend/class_decls.h"
#include "frontend/lexer.h"
#include "model/class_desc.h"
#include "model/methods.h"
#include "model/process_state.h"
#include "model/project.h"

ClassDesc* currentViewClass = nullptr;
Methods* currentMethod = nullptr;
int argDirection = 0;
bool argRequired = false;
bool argHidden = false;

namespace {

int methodAlreadyDeclared() {
  yyerror(tr("Method with such name is already declared"));
  return 6;
}

// The locator of an argument: the attribute and its class in the project of
// the last class reference.
AttrLocator locatorOf(const char* fName, const char* sName) {
  return AttrLocator(refProject, Str(fName), textOrEmpty(sName), Str(""), false, false);
}

}  // namespace

int beginMethod(const char* name, int flags) {
  if (currentClass->checkMethod(Str(name)) && patchName.IsEmpty()) return methodAlreadyDeclared();
  currentMethod = currentClass->AddMethod(name, flags, patchName);
  return 0;
}

int beginInternalMethod(const char* name) {
  if (currentClass->checkMethod(Str(name))) return methodAlreadyDeclared();
  currentMethod = currentClass->AddMethod(name, kInternalMethod, patchName);
  return 0;
}

void endMethod(const char* comment) {
  Str text = commentText(comment);
  if (!text.IsEmpty()) currentMethod->setComment(text);
}

void setDataPacketInput() { currentMethod->SetDPIn(); }

void readInputArgs() { argDirection = 1; }

void readResultArgs() { argDirection = 2; }

void setArgMarkers(bool required, bool hidden) {
  argRequired = required;
  argHidden = hidden;
}

void addArgument(const char* fName, const char* sName) {
  AttrLocator arg = locatorOf(fName, sName);
  if (argDirection == 2) {
    currentMethod->AddOutputArg(arg.PName, arg.FName, arg.SName, Str(""), argHidden, false);
    currentMethod->SetReturnType("ItemResult");
  } else {
    currentMethod->AddInputArg(arg.PName, arg.FName, arg.SName, argHidden, argRequired);
  }
}

void addArgumentFromWindow(const char* fName, const char* sName, const char* window, const char* cls,
                           const char* project) {
  addArgument(fName, sName);
  currentMethod->setInputArgSource(locatorOf(fName, sName), Str(window), cls ? Str(cls) : currentClass->Id(),
                                   textOrEmpty(project));
}

void addDispatcher(const char* cls, const char* attr) { currentMethod->AddDispatcher(refProject, cls, attr); }

int beginViewClass(const char* id) {
  if (CP->classes.count(Str(id))) return classAlreadyDeclared(id);
  currentViewClass = keepForRun(new ClassDesc(Str(id), 0, refProject));
  CP->classes[currentViewClass->Id()] = currentViewClass;
  ObjectDesc*& object = CP->objects[currentViewClass->Id()];
  if (!object) object = keepForRun(new ObjectDesc(id, id));
  currentViewClass->setObject(2);
  currentViewClass->setViewDBClass(currentClass->Id());
  return 0;
}

int addViewColumn(const char* cls, const char* attr) {
  // A class column stands for the current class under the name written; an
  // attribute column is typed by the class it comes from.
  Str id(attr ? attr : cls);
  Str type = attr ? Str(cls) : currentClass->Id();
  Attributes* column = currentViewClass->AddAttribute(id, type, refProject, Str(""), Str(""), Str(""));
  if (!column) {
    yyerror(tr("Attribute with such name is already declared"));
    return 8;
  }
  column->setRefClass(type);
  return 0;
}

void resetMethodDecls() {
  currentViewClass = nullptr;
  currentMethod = nullptr;
  argDirection = 0;
  argRequired = false;
  argHidden = false;
}
