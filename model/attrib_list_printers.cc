// The C++ texts the server generators write for a list of attributes:
// parameter and argument lists, declarations, stream expressions and the
// statements that fill an item result.
#include <set>

#include "model/attrib_list.h"
#include "model/class_desc.h"
#include "model/code_types.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/types_house.h"
#include "model/windows.h"
#include "rt/cpp_literal.h"

namespace {

// Joins one text per attribute: `between` stands between two texts, `before`
// opens every text, the first one's too. Each piece appends its text to the
// joined one, so no attribute costs a text of its own.
template <class Piece>
Str joined(const std::list<Attributes>& list, const char* between, const char* before, Piece piece) {
  Str out("");
  bool first = true;
  for (const Attributes& a : list) {
    if (!first) out << between;
    out << before;
    piece(out, a);
    first = false;
  }
  return out;
}

// Appends the argument as passed in a call: a Str goes where a character
// pointer is expected.
void appendPassed(Str& out, const Str& codeType, const Str& name, const char* suffix) {
  if (isCharPointer(codeType)) out << "(char*)(const char*)";
  out << name << suffix;
}

Str describe(const WinLocator& ref) { return ref.project + "." + ref.cls + "." + ref.window; }

[[noreturn]] void badDefaultReference(const Attributes& a, const WinLocator& ref, const Str& what) {
  throw Str("Attribute ") + a.Id() + " of class " + a.CurClass() + ": its default reference " + describe(ref) +
      " names " + what + ".";
}

// The key column that the view named by the attribute's default reference
// shows first, which completes the label of the value; empty when the view
// shows no key column.
Str keyColumnOfDefaultView(const Attributes& a) {
  const WinLocator& ref = a.getDefRef();
  Str projectName = ref.project.IsEmpty() ? a.Project() : ref.project;
  Project* project = projectMap.find(projectName);
  if (!project) badDefaultReference(a, ref, "the project " + projectName + ", which is not loaded");
  auto found = project->classes.find(ref.cls);
  if (found == project->classes.end() || !found->second)
    badDefaultReference(a, ref, "the class " + ref.cls + ", which project " + projectName + " does not declare");
  ClassDesc* cls = found->second;
  ViewWindow* view = cls->GetView(ref.window);
  if (!view) badDefaultReference(a, ref, "the view " + ref.window + ", which class " + ref.cls + " does not have");
  std::set<Str> keyIds;
  for (const Attributes& k : cls->getPK()) keyIds.insert(k.Id());
  for (AttrLocator* out = view->GetFirstOutputArg(); out; out = view->GetNextOutputArg())
    if (keyIds.count(out->FName)) return out->FName;
  return Str("");
}

Str label(const Attributes& a) {
  Str text = a.IdSOAP();
  if (text.IsEmpty()) text = a.Id() == a.RefAttr() ? a.RefClass() + a.RefAttr() : a.Id();
  if (!a.getDefRef().window.IsEmpty() && !a.IsRef()) text += keyColumnOfDefaultView(a);
  return text;
}

}  // namespace

Str AttribList::printBaseArgs(int mode) const {
  return joined(attributes, ",", "", [mode](Str& out, const Attributes& a) {
    out << " const " << declaredTypeOf(codeTypeOf(a)) << "& " << a.Id();
    if (mode == 'h' && a.IsProperty("FLAG")) out << " = is" << a.CurClass();
  });
}

Str AttribList::printInterfaceArgs() const {
  return joined(attributes, " , ", "", [](Str& out, const Attributes& a) { out << codeTypeOf(a) << " " << a.Id(); });
}

Str AttribList::printInterfaceNullArgs() const {
  return joined(attributes, "", ", ",
                [](Str& out, const Attributes& a) { out << codeTypeOf(a) << " " << a.Id() << "_PK"; });
}

Str AttribList::printInterfaceTypes() const {
  return joined(attributes, " , ", "", [](Str& out, const Attributes& a) { out << codeTypeOf(a); });
}

Str AttribList::printInterfaceNullTypes() const {
  return joined(attributes, "", ", ", [](Str& out, const Attributes& a) {
    const Str& type = codeTypeOf(a);
    // A pointer type has no "T()" form, and "char*=" would read as "char *=".
    if (isCharPointer(type))
      out << type << " =0";
    else
      out << type << "=" << type << "()";
  });
}

Str AttribList::printCDecl() const {
  return joined(attributes, "", "  ", [](Str& out, const Attributes& a) {
    out << declaredTypeOf(codeTypeOf(a)) << " " << a.Id() << ";\n";
  });
}

Str AttribList::printNullCDecl() const {
  return joined(attributes, "", "  ", [](Str& out, const Attributes& a) {
    out << declaredTypeOf(codeTypeOf(a)) << " " << a.Id() << "_PK;\n";
  });
}

Str AttribList::printNotNulls() const {
  return joined(attributes, "", "!", [](Str& out, const Attributes& a) { out << a.Id() << ".IsNull() && "; });
}

Str AttribList::printIntoDP() const {
  return joined(attributes, "", " << ", [](Str& out, const Attributes& a) {
    codeTypeOf(a);  // an undeclared type fails here as in every other printer
    out << a.Id();
  });
}

Str AttribList::printIntoThrow() const {
  return joined(attributes, " << \", \"", " << ", [](Str& out, const Attributes& a) {
    codeTypeOf(a);
    out << a.Id();
  });
}

Str AttribList::printArgs() const {
  return joined(attributes, ", ", "",
                [](Str& out, const Attributes& a) { appendPassed(out, codeTypeOf(a), a.Id(), ""); });
}

Str AttribList::printNullArgs() const {
  return joined(attributes, "", ", ",
                [](Str& out, const Attributes& a) { appendPassed(out, codeTypeOf(a), a.Id(), "_PK"); });
}

Str AttribList::printIRAppend(const Str& var, const Str& prefix, int withArc) const {
  Str out("");
  for (const Attributes& a : attributes) {
    if (withArc == 0 && (a.Id() == "UserArc" || a.Id() == "DateArc")) continue;
    const Str& type = codeTypeOf(a);
    Str valueType = valueTypeOf(a);
    out << prefix << "  r->AppendValue((" << type << ")(i" << var << "." << a.Id()
        << (isCharPointer(type) ? ".GetData()),AC_" : "),AC_") << valueType << ",\"" << cppLiteralText(label(a))
        << "\");\n";
  }
  return out;
}

Str AttribList::joinArgLists(const Str& plain, const Str& keyed) {
  if (plain.IsEmpty() && keyed.startsWith(", ")) return keyed.substr(2);
  return plain + keyed;
}
