#include "frontend/view_decls.h"

#include "frontend/class_decls.h"
#include "frontend/lexer.h"
#include "model/class_desc.h"
#include "model/process_state.h"
#include "model/project.h"

CommonWindow* currentWindow = nullptr;
DialogWindow* currentDialog = nullptr;
ViewWindow* currentView = nullptr;
TargetList targetList;
Str entryHint;
Str emptyMessage;
Str rowName;
Str columnAlias;
int columnAggregate = 0;
bool columnEditable = false;
std::shared_ptr<ColumnStruct> selOperand;
std::shared_ptr<ColumnStruct> selLeft;
Str selSign;
std::shared_ptr<Atom> selAtom;

namespace {

// Every comparison starts from nothing: a left side or sign left over from an
// earlier comparison, or from another view, must never reach a new condition.
void forgetCondition() {
  selOperand.reset();
  selLeft.reset();
  selSign = Str();
  selAtom.reset();
}

// The condition just built goes to the view; the comparison is complete.
void addCondition() {
  currentView->addAtom(*selAtom);
  forgetCondition();
}

// A comparison's left side is read before its sign and right side, so the
// grammar guarantees it here.
const ColumnStruct& leftSide() { return *selLeft; }

}  // namespace

int beginDialog(const char* id, const char* header, const char* menuItem, bool folder) {
  currentDialog = currentClass->AddWindow(id, header, menuItem);
  if (!currentDialog) {
    yyerror(tr("Window with such name is alredy declared in this class"));
    return menuItem ? 7 : 8;
  }
  currentWindow = currentDialog;
  if (folder) currentDialog->ThisIsFolder();
  currentDialog->SetPatch(patchName);
  return 0;
}

int beginDataWindow(const char* id, const char* header) {
  forgetCondition();
  if (currentClass->checkView(Str(id)) && patchName.IsEmpty()) {
    yyerror(tr("View with such name is already declared"));
    return 16;
  }
  currentView = currentClass->AddView(id, header, nullptr);
  currentWindow = currentView;
  currentView->ThisIsTable();
  return 0;
}

void endDataWindow(const char* comment) {
  currentView->setEmptyMessage(emptyMessage);
  currentView->setRowName(rowName);
  Str remark = commentText(comment);
  if (!remark.IsEmpty()) currentView->SetRemark(remark);
  if (currentView->SICalls() == 0) currentView->setStandardInput(Str("Get") + currentView->Id(), Str(""), Str(""));
  currentView->SetPatch(patchName);
}

const char* readEntryHead(const char* label, const char* hint) {
  entryHint = textOrEmpty(hint);
  return label;
}

void addEntryTarget(const char* method, const char* cls, const char* project) {
  targetList.push_back({Str(method), {cls ? Str(cls) : currentClass->Id(), textOrEmpty(project)}});
}

void addMethodEntry(const char* name, const char* label, const char* text, const char* comment) {
  Str remark = commentText(comment);
  if (!remark.IsEmpty()) entryHint = remark;
  currentWindow->AddMethod(name, label, targetList, Str(text), entryHint);
  targetList.clear();
}

void addStandardInputTarget(const char* method, const char* cls, const char* project) {
  Str owner = textOrEmpty(cls);
  Str home = !cls ? Str("") : project ? Str(project) : currentClass->Container();
  targetList.push_back({Str(method), {owner, home}});
}

void setStandardInputCalls() {
  currentWindow->setStandardInput(targetList);
  targetList.clear();
}

void addAcceptedArg(const char* project, const char* name, const char* cls) {
  currentWindow->addAcceptArg(project ? Str(project) : CP->name, Str(name), textOrEmpty(cls));
}

void setColumnMarks(const char* alias, int aggregate, bool editable) {
  columnAlias = textOrEmpty(alias);
  columnAggregate = aggregate;
  columnEditable = editable;
}

void addListColumn(const char* attr, const char* cls, const char* alias) {
  currentView->AddColumn(refProject, Str(attr), textOrEmpty(cls), alias ? Str(alias) : columnAlias, columnAggregate,
                         columnEditable);
}

void setEmptyRow(const char* message, const char* row) {
  emptyMessage = textOrEmpty(message);
  rowName = textOrEmpty(row);
}

void addExcludedName(const char* name) { currentView->AddExcluded(name); }

void readConditionColumn(const char* attr, const char* cls, const char* alias) {
  selOperand = std::make_shared<ColumnStruct>(refProject, Str(attr), textOrEmpty(cls), textOrEmpty(alias), 0);
}

void readCompareSign(const char* sign) {
  selLeft = selOperand;
  selSign = Str(sign);
}

void compareWithName(const char* name, bool outerJoin) {
  if (!isenum(name)) {
    readConditionColumn(name, nullptr, nullptr);
    compareWithColumn(outerJoin);
    return;
  }
  // An enumeration item compares with its code; an outer join means nothing
  // for a constant.
  selAtom = std::make_shared<Atom>(leftSide(), selSign, getEnumVal(name), Str(name));
  addCondition();
}

void compareWithColumn(bool outerJoin) {
  selAtom = std::make_shared<Atom>(leftSide(), selSign, *selOperand);
  if (outerJoin) selAtom->setOJ();
  addCondition();
}

void compareWithValue(const char* value, Atom::AtomType type) {
  selAtom = std::make_shared<Atom>(leftSide(), selSign, value, type);
  addCondition();
}

void joinConditions(const char* sign) { currentView->addSign(Str(sign)); }

void endSelection(int type) { currentView->setSelectionType(type); }

int addResultColumn(const char* leading, bool dropDown, const char* attr, const char* cls, const char* trailing) {
  AttrLocator column(refProject, Str(attr), textOrEmpty(cls), Str(""), false, false);
  if (!currentView->HaveColumn(column)) {
    yyerror("No such column declared in the view");
    return 1;
  }
  AttrLocator* output = currentView->AddOutputArg(column.PName, column.FName, column.SName);
  output->leading = textOrEmpty(leading);
  output->trailing = textOrEmpty(trailing);
  output->dropDown = dropDown;
  if (dropDown) currentView->setIsDropDown(true);
  return 0;
}

void resetViewDecls() {
  currentWindow = nullptr;
  currentDialog = nullptr;
  currentView = nullptr;
  targetList.clear();
  entryHint = Str();
  emptyMessage = Str();
  rowName = Str();
  columnAlias = Str();
  columnAggregate = 0;
  columnEditable = false;
  forgetCondition();
}
