#include "servergen/server_names.h"

#include <map>
#include <set>
#include <vector>

#include "model/class_desc.h"
#include "model/methods.h"
#include "model/process_state.h"
#include "model/project.h"
#include "model/windows.h"
#include "servergen/list_method_parts.h"

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isBuildName(const Str& name) {
  if (name.IsEmpty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (std::size_t i = 0; i < name.length(); ++i)
    if (!isAsciiLetter(name[i]) && !(name[i] >= '0' && name[i] <= '9') && name[i] != '_') return false;
  return true;
}

// The keywords of C++20 with the alternative operator names, and "main",
// which the server's main() takes.
bool isReservedInCpp(const Str& name) {
  static const std::set<Str> reserved = {
      "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
      "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval", "constexpr",
      "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete",
      "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
      "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
      "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast",
      "requires", "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct",
      "switch", "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename", "union",
      "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq", "main"};
  return reserved.count(name) != 0;
}

void requireBuildName(const Project& project) {
  if (!isBuildName(project.name))
    throw "The project name '" + project.name + "' of file '" + project.fileName +
          "' cannot be used in generated sources: it may hold only ASCII letters, digits and '_' and may not "
          "begin with a digit.";
}

void requireCppName(const Project& project) {
  requireBuildName(project);
  if (isReservedInCpp(project.name))
    throw "The project name '" + project.name + "' of file '" + project.fileName +
          "' cannot name a server: it is a C++ keyword or 'main'.";
}

// A declared method of one of these names is published under its class's
// name (Add of Order as OrderAdd), in place of the standard one.
bool takesClassName(const Str& method) {
  return method == "Add" || method == "Update" || method == "Get" || method == "GetForUpdate" ||
         method == "MoveToArc";
}

// The server methods a declared method of class C takes: none for an
// internal method, which is a member of C's object-layer class; its name,
// or C followed by it for the names above. A declared GetAbstract is C's own
// read of the abstract record, which the servers publish as <C>GetAbstract,
// while its stub keeps the plain name: it takes both.
std::vector<Str> serverMethodsOf(const Str& C, const Methods& m) {
  if (m.IsInternal()) return {};
  if (takesClassName(m.Id())) return {C + m.Id()};
  if (m.Id() == "GetAbstract") return {m.Id(), C + m.Id()};
  return {m.Id()};
}

// The method a view calls first for its standard input; empty when none.
Str standardInputOf(ViewWindow& view) {
  view.SIReset();
  return view.SINext() ? view.SICStandardInput() : Str("");
}

// A standard method: the class it is written for, and whether a method that
// class declares under the same name takes its place (the history list).
struct StandardMethod {
  Str cls;
  bool replaceable;
};

// The standard methods the interface generator writes for the classes that
// have an object, by name, under the conditions it writes them on: Add but
// for a singular class; GetAbstract for a family root; Get, GetForUpdate,
// GetArc and MoveToArc (not for a singular class) for a class without a
// parent (a derived class's Get has no body, so a declared one is served);
// the archive list beside the view <T>List; a list per view that has a
// standard input, unless the class declares a method of that input's name.
std::map<Str, StandardMethod> standardMethods(Project& project) {
  std::set<Str> parents;
  for (const auto& [id, cls] : project.classes)
    if (cls && !cls->Parent().IsEmpty()) parents.insert(cls->Parent());
  std::map<Str, StandardMethod> names;
  for (const auto& [T, cls] : project.classes) {
    if (!cls || !cls->HaveObject() || !project.objects.count(T)) continue;
    const bool root = cls->Parent().IsEmpty();
    const Str& owner = T;  // clang 14 lets no lambda capture a structured binding
    auto add = [&](const Str& name, bool chosen) {
      if (chosen) names[name] = {owner, false};
    };
    add(T + "Add", !cls->IsSingular());
    add(T + "Update", true);
    add(T + "Get", root);
    add(T + "GetAbstract", root && parents.count(T));
    add(T + "GetForUpdate", root);
    add(T + "GetArc", root);
    add(T + "MoveToArc", root && !cls->IsSingular());
    add(T + "GetArcList", cls->GetView(T + "List") != nullptr);
    names[T + "GetHistList"] = {T, true};
    for (ViewWindow* view = cls->GetFirstView(); view; view = cls->GetNextView()) {
      Str input = standardInputOf(*view);
      add(T + input, !input.IsEmpty() && !cls->checkMethod(input));
    }
  }
  return names;
}

// The key-filtered lists beside the view <T>List, whose filters are the
// foreign-key groups of T's table: the expanded tables give their names.
// As for the view's own list, none where T declares the view's input.
void addKeyFilteredLists(Project& project, std::map<Str, StandardMethod>& names) {
  for (const auto& [T, cls] : project.classes) {
    AttribList* columns = project.tables.getAttribList(T);
    if (!cls || !cls->HaveObject() || !project.objects.count(T) || !columns) continue;
    ViewWindow* view = cls->GetView(T + "List");
    const Str input = view ? standardInputOf(*view) : Str("");
    if (!view || project.methods.findByName(T + " :: " + input)) continue;
    for (const AttribList& filter : keyFiltersOf(project, *cls, *columns))
      names[listMethodName(T, input, filter)] = {T, false};
  }
}

// A declared method of class C named like a standard method is refused,
// unless it takes that method's place.
void refuseStandardName(const std::map<Str, StandardMethod>& standard, const Str& C, const Methods& m) {
  auto same = standard.find(m.Id());
  if (same != standard.end() && !(same->second.replaceable && same->second.cls == C))
    throw "The method " + C + "::" + m.Id() + " is named like the standard method " + m.Id() + " of class " +
        same->second.cls + "; rename it.";
}

// The lists and the history list take their sort number as the argument
// SortNo beside the record keys and the virtual columns their conditions
// compare: a key or virtual attribute of that name would declare one
// parameter twice.
void refuseSortNoAttribute(ClassDesc& cls) {
  for (Attributes* a = cls.GetFirstAttribute(); a; a = cls.GetNextAttribute())
    if (a->Id() == "SortNo" && (a->IsVirtual() || a->IsProperty("PK") || a->IsProperty("SK") || a->IsProperty("GK")))
      throw "The attribute " + cls.Id() + "." + a->Id() +
          " is named like the sort argument SortNo that the server's lists take beside it; rename it.";
}

}  // namespace

void checkAutomakeNames() {
  for (const auto& [name, project] : projectMap) requireBuildName(*project);
}

void checkServerNames(Project& project, bool withStandardMethods) {
  for (const auto& [name, other] : projectMap) requireCppName(*other);
  const std::map<Str, StandardMethod> standard =
      withStandardMethods ? standardMethods(project) : std::map<Str, StandardMethod>();
  std::map<Str, Str> served;  // server method -> "<class>::<method>" that gives it
  for (const auto& [C, cls] : project.classes) {
    if (!cls) continue;
    if (withStandardMethods) refuseSortNoAttribute(*cls);
    for (Methods* m = cls->GetFirstMethod(); m; m = cls->GetNextMethod()) {
      refuseStandardName(standard, C, *m);
      const Str full = C + "::" + m->Id();
      for (const Str& name : serverMethodsOf(C, *m)) {
        auto [earlier, fresh] = served.emplace(name, full);
        if (!fresh)
          throw "The methods " + earlier->second + " and " + full + " both become the server method " + name +
              "; rename one of them.";
      }
    }
  }
}

void checkStandardMethodNames(Project& project) {
  std::map<Str, StandardMethod> standard = standardMethods(project);
  addKeyFilteredLists(project, standard);
  for (const auto& [C, cls] : project.classes)
    if (cls)
      for (Methods* m = cls->GetFirstMethod(); m; m = cls->GetNextMethod()) refuseStandardName(standard, C, *m);
}

void checkWrapperName(const Project& project) { requireCppName(project); }
