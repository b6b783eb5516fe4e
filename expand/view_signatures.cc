// What the views of a class make of the method map and of themselves: a
// method that fills a view (its standard input) and returns nothing becomes a
// list method with one hidden result per view column; and every view's
// selection condition is rewritten column by column, so that a comparison of
// a multi-column reference becomes one comparison per key column.
#include <list>

#include "expand/signature_lookups.h"
#include "expand/signature_phases.h"
#include "model/methods_map.h"
#include "model/windows.h"

namespace {

// The first view of `cls`, in view order, that names `method` among the calls
// that fill it.
ViewWindow* viewFilledBy(ClassDesc& cls, const Str& method) {
  for (ViewWindow* view = cls.GetFirstView(); view; view = cls.GetNextView()) {
    view->SIReset();
    while (view->SINext())
      if (view->SICStandardInput() == method) return view;
  }
  return nullptr;
}

// The table column a view column shows: a column of the class (through its
// parents), a column of the class a reference attribute of the class points
// to (its own or inherited, in the project that holds that class), or a
// column of another class's table.
Attributes listColumn(Project& project, ClassDesc& owner, ViewWindow& view, const AttrLocator& L) {
  Project& home = projectOr(L.PName, project);
  if (L.SName.IsEmpty()) {
    AttribList generic = home.tables.getGenericList(owner.Id());
    const Attributes* column = generic.findAttrib(L.FName);
    if (!column) throw unwrapperAt(451) + tr(" In window ") + view.Id() + tr(" invalid attribute ") + L.FName;
    return *column;
  }
  const Str notFound = tr(" Attribute ") + L.SName + "." + L.FName + tr(" is not found");
  ClassDesc* inHome = classIn(home, owner.Id());
  AttribList attributes = inHome ? inHome->getFullAttribList() : AttribList();
  const Attributes* a = attributes.findAttrib(L.SName);
  Project& target = a ? projectOr(a->Project(), home) : home;
  if (a && target.tables.haveTable(a->Type())) {
    std::optional<Attributes> column = classColumn(target, a->Type(), L.FName);
    if (!column) throw unwrapperAt(466) + notFound;
    return *column;
  }
  if (!home.tables.haveTable(L.SName))
    throw unwrapperAt(476) + tr(" Class ") + L.SName + tr(" is not found");
  const Attributes* column = tableColumn(home, L.SName, L.FName);
  if (!column) throw unwrapperAt(478) + notFound;
  return *column;
}

// The columns a condition's side resolves to, each a copy.
AttribList single(const Attributes* column) {
  AttribList list;
  if (column) list.pushAttrib(*column);
  return list;
}

// The column `id` of a list, else the columns the reference attribute `id`
// produced there.
AttribList columnOrReferences(const AttribList& list, const Str& id) {
  AttribList copy = list;
  if (const Attributes* column = copy.findAttrib(id)) return single(column);
  return list.findRefAttribs(id, Str(""));
}

bool isVirtualAttribute(ClassDesc* cls, const Str& id) {
  const Attributes* a = cls ? cls->GetAttribute(id) : nullptr;
  return a && a->IsVirtual();
}

// Rewrites the conditions of one view of class K.
class SelectRewriter {
public:
  SelectRewriter(Project& project, ClassDesc& K, ViewWindow& view) : project_(project), K_(K), view_(view) {}

  void rewrite() {
    // Copies: the view's own lists are replaced at the end.
    const AtomList declared = view_.declaredAtoms();
    const std::list<Str> signs = view_.declaredSigns();
    auto sign = signs.begin();
    for (const Atom& atom : declared) {
      int copies = rewriteAtom(atom);
      // The copies of one comparison stay one conjunction; the sign that
      // joined the comparison to the next one follows them.
      for (int i = 1; i < copies; ++i) signs_.push_back("&&");
      if (sign != signs.end()) signs_.push_back(*sign++);
    }
    view_.setRewrittenConditions(atoms_, signs_);
  }

private:
  // Appends the rewritten copies of `declared` and answers how many.
  int rewriteAtom(Atom atom) {
    const Str F1 = atom.getFirstAttr().column().FName, S1 = atom.getFirstAttr().column().SName;
    const Str F2 = atom.getSecondAttr().column().FName, S2 = atom.getSecondAttr().column().SName;
    Project& p1 = projectOr(atom.getFirstAttr().column().PName, project_);
    Project& p2 = projectOr(atom.getSecondAttr().column().PName, project_);

    // A family type value: "is" + a class id of the family of S2 (or K).
    if (ClassDesc* family = classIn(p2, S2.IsEmpty() ? K_.Id() : S2)) {
      int code = TypesPool.getEnumValueIfAny("TYPE_" + family->Top()->Id(), F2);
      if (code >= 0) atom.makeEnum(code);
    }

    bool leftByReference = false;
    AttribList left = leftColumns(p1, F1, S1, leftByReference);
    // A virtual attribute has no column that a list could read; it stands
    // only on the right, where the list takes it as an argument.
    for (const Attributes& l : left)
      if (l.IsVirtual())
        throw unwrapperAt(637) + tr(" In window select statement ") + view_.Id() + tr(" the attribute ") +
            (S1.IsEmpty() ? F1 : S1 + "." + F1) +
            tr(" is virtual: it has no column to compare, and may stand only on the right side.");
    if (!atom.isAttrib()) {
      if (left.size() != 1)
        throw unwrapperAt(655) + tr(" In window select statement ") + view_.Id() +
            tr(" number of fields is not equal to 1.");
      atom.getFirstAttr().setColName(left.begin()->Id());
      atoms_.push_back(atom);
      return 1;
    }
    // A condition whose left side names nothing would vanish from the select
    // and shift every later condition onto the wrong sign.
    if (left.isEmpty())
      throw unwrapperAt(636) + tr(" In window select statement ") + view_.Id() +
          tr(" unable to resolve attribute ") + (S1.IsEmpty() ? F1 : S1 + "." + F1);

    bool isVirtual = false, byReference = false;
    AttribList right = rightColumns(p2, F2, S2, isVirtual, byReference);
    // A class named alone compares with the key of its table: the copies
    // name that table, so that the list reads the key there and not in K.
    const bool keyOfClass = S2.IsEmpty() && classIn(p2, F2);
    if (left.size() != right.size())
      throw unwrapperAt(635) + tr(" In window select statement ") + view_.Id() +
          tr(" number of columns do not match.") + left.size() + "!=" + right.size() + "\n";
    auto r = right.begin();
    for (const Attributes& l : left) {
      Atom copy = atom;
      if (isVirtual) copy.setVirtual();
      copy.getFirstAttr().setColName(l.Id());
      // A column reached through a reference attribute keeps the attribute
      // as its source: the list reads it in the referenced row the attribute
      // joins, not in some row of the column's class.
      copy.getFirstAttr().setColType(leftByReference ? S1 : l.CurClass());
      copy.getSecondAttr().setColName(byReference && !r->RefAttr().IsEmpty() ? r->RefAttr() : r->Id());
      if (keyOfClass) copy.getSecondAttr().setColType(F2);
      atoms_.push_back(copy);
      ++r;
    }
    return left.size();
  }

  // The columns the left side (F1, S1) names in project 1, the first way that
  // finds any; `byReference` tells that they are columns of the class the
  // reference attribute S1 points to.
  AttribList leftColumns(Project& p1, const Str& F1, const Str& S1, bool& byReference) {
    ClassDesc* named = classIn(p1, S1.IsEmpty() ? F1 : S1);
    ClassDesc* D = named ? named : &K_;
    AttribList* table = p1.tables.getAttribList(D->Id());
    AttribList generic = p1.tables.getGenericList(D->Id());
    AttribList attributes = D->getFullAttribList();
    const Attributes* through = S1.IsEmpty() ? nullptr : attributes.findAttrib(S1);
    // S1.F1 through a reference attribute S1 names F1 of the referenced
    // class, not a column F1 of D's own (which would read the wrong row, or
    // a virtual attribute no table holds); only the foreign-key column S1 + F1
    // is D's.
    const bool ownF1 = S1.IsEmpty() || named || !through;
    const Str joined = S1 + F1;
    AttribList found = single(table ? table->findAttrib(joined) : nullptr);
    if (found.isEmpty()) found = single(generic.findAttrib(joined));
    if (found.isEmpty() && ownF1) found = single(generic.findAttrib(F1));
    if (found.isEmpty() && ownF1 && table) found = table->findRefAttribs(F1, Str(""));
    // A reference D inherits: the columns it produced in its ancestor's
    // table. A reference attribute S1 leads to F1 instead, in its class.
    if (found.isEmpty() && (S1.IsEmpty() || named)) found = generic.findRefAttribs(F1, Str(""));
    if (!found.isEmpty()) return found;
    // Through the attribute S1 of D, or among D's attributes.
    // The class a reference attribute points to may be another project's.
    AttribList X = through ? projectOr(through->Project(), p1).tables.getGenericList(through->Type()) : attributes;
    found = X.findRefAttribs(F1, Str(""));
    if (found.isEmpty()) found = single(X.findAttrib(F1));
    byReference = through != nullptr && !found.isEmpty();
    if (found.isEmpty()) found = p1.tables.getPK(F1);
    return found;
  }

  // The columns the right side (F2, S2) names, by the kind of its locator.
  // `byReference` tells that they are foreign-key columns of K named by the
  // reference attribute S2: the list reads them in the referenced table,
  // under the names of the key columns they refer to. Every other column is
  // read, under its own id, in the table the side names.
  AttribList rightColumns(Project& p2, const Str& F2, const Str& S2, bool& isVirtual, bool& byReference) {
    AttribList generic = project_.tables.getGenericList(K_.Id());
    if (S2.IsEmpty()) {
      if (classIn(p2, F2)) return p2.tables.getPK(F2);
      isVirtual = isVirtualAttribute(&K_, F2);
      return columnOrReferences(generic, F2);
    }
    if (ClassDesc* source = classIn(p2, S2)) {
      isVirtual = isVirtualAttribute(source, F2);
      return columnOrReferences(p2.tables.getGenericList(S2), F2);
    }
    // S2 is a reference attribute of K: the column it produced for F2, else
    // the column F2 of the class it refers to. The list reads the referenced
    // table under the name S2, so a column K produced is named there by the
    // column it refers to; a column of the referenced class by its own id.
    AttribList refs = generic.findRefAttribs(S2, Str(""));
    if (const Attributes* column = refs.findAttribByRef(F2)) {
      byReference = true;
      return single(column);
    }
    const Attributes* a = K_.GetAttribute(S2);
    if (!a)
      throw unwrapperAt(603) + " In window " + view_.Id() + " unable to resolve attribute " + S2 + " in Class " +
          K_.Id();
    Project& home = projectOr(a->Project(), project_);
    isVirtual = isVirtualAttribute(classIn(home, a->Type()), F2);
    return columnOrReferences(home.tables.getGenericList(a->Type()), F2);
  }

  Project& project_;
  ClassDesc& K_;
  ViewWindow& view_;
  AtomList atoms_;
  std::list<Str> signs_;
};

}  // namespace

void addStandardInputs(Project& project) {
  MethodsMap& map = project.methods;
  map.reset();
  while (map.next()) {
    MethodDesc& desc = map.Body();
    // A method registered by a generator has no class and so no views.
    if (!desc.output.isEmpty() || !desc.owner) continue;
    ViewWindow* view = viewFilledBy(*desc.owner, desc.name);
    if (!view) continue;
    // The list's sort number is an argument of its own: a method argument
    // of that name would declare one parameter twice.
    if (desc.input.findAttrib("SortNo"))
      throw "The method " + desc.owner->Id() + "::" + desc.name + " fills the view " + view->Id() +
          ", which gives it the sort argument SortNo, and has an argument SortNo of its own; rename or drop that "
          "one.";
    desc.resultType = "ListResult";
    map.addInArg("SortNo", "Integer", "", "", "", 0, 0, "");
    const AttrLocator* first = view->GetFirstOutputArg();
    for (AttrLocator* L = view->GetFirstColumn(); L; L = view->GetNextColumn()) {
      Attributes column = listColumn(project, *desc.owner, *view, *L);
      map.addOutArg(L->FName, column.Type(), column.Comment(), column.Group(), column.Hint(), -1, column.Name(),
                    first && *first == *L, "", "");
    }
  }
}

void rewriteViewSelects(Project& project) {
  // The names first: resolving the conditions reads the tables.
  std::list<Str> tables;
  project.tables.reset();
  while (project.tables.next()) tables.push_back(project.tables.getTable());
  for (const Str& name : tables) {
    ClassDesc* K = classIn(project, name);
    if (!K) continue;
    for (ViewWindow* view = K->GetFirstView(); view; view = K->GetNextView())
      SelectRewriter(project, *K, *view).rewrite();
  }
}
