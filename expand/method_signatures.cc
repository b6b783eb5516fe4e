// The signatures of the methods a class declares: each method enters the
// project's method map with its result type and its arguments resolved to
// table columns (the locator of an argument names a column, a class whose key
// stands for it, a reference, a column reached through a reference attribute,
// or a view whose result columns it returns); then dispatchers and virtual
// methods are linked to the methods they serve.
#include "expand/signature_lookups.h"
#include "expand/signature_phases.h"
#include "model/methods.h"
#include "model/methods_map.h"
#include "model/windows.h"

namespace {

// One method being signed: its class K, the method record m, and the method
// map whose current entry receives the arguments.
class MethodSigner {
public:
  MethodSigner(Project& project, ClassDesc& cls, Methods& method)
      : project_(project), cls_(cls), method_(method), map_(project.methods), K_(cls.Id()) {}

  void sign() {
    // Rewritten on the record itself: later expansions and generators see the
    // rewritten result.
    if (method_.IsReport() && method_.ReturnType() != "ItemResult") method_.SetReturnType("ComplexResult");
    if (method_.IsVirtual()) method_.SetReturnType("ItemResult");
    map_.addMethod(K_, method_.Id(), method_.ReturnType(), method_.getComment(), method_.patch(),
                   method_.getFlag(), &cls_);

    method_.prepInArgs();
    method_.reset();
    while (method_.next())
      input(method_.getPName(), method_.getFName(), method_.getSName(), method_.isHidden(), method_.isRequired());
    if (const Attributes* twice = repeatedColumn(map_.getInArgs()))
      throw "In class " + K_ + " the method " + method_.Id() + " has two arguments for the column " + twice->Id() +
          "; drop one of them.";
    // A virtual method's result locators name the methods it stands for;
    // they are linked with the dispatchers, not returned.
    if (method_.IsVirtual()) return;
    method_.prepOutArgs();
    method_.reset();
    while (method_.next()) output(method_.getPName(), method_.getFName(), method_.getSName(), method_.isHidden());
  }

private:
  // --- Inputs -------------------------------------------------------------

  void input(Str P, const Str& F, const Str& S, int hidden, int required) {
    if (P.IsEmpty()) P = project_.name;
    if (S.IsEmpty())
      plainInput(P, F, hidden, required);
    else if (ClassDesc* source = projectMap.findClass(P, S))
      classInput(P, *projectMap.find(P), *source, F, S, hidden, required);
    else
      throughAttributeInput(P, F, S, hidden, required);
  }

  // A column of K, a class (its key), or a reference attribute of K (the
  // columns it produced).
  void plainInput(const Str& P, const Str& F, int hidden, int required) {
    Project* inP = projectMap.find(P);
    AttribList generic = inP ? inP->tables.getGenericList(K_) : AttribList();
    if (const Attributes* f = generic.findAttrib(F); f && isBaseType(f->Type())) {
      map_.addInArg(F, f->Type(), f->Comment(), f->Group(), f->Hint(), hidden, required, f->Name());
      return;
    }
    if (ClassDesc* keyed = classOrUnnamedReference(P, F)) {
      map_.addInArgList(keyed->getPK(), hidden, required, Str(""));
      return;
    }
    AttribList refs = project_.tables.getGenericList(K_).findRefAttribs(F, Str(""));
    if (refs.isEmpty())
      throw unwrapperAt(188) + " Class " + K_ + " in method " + method_.Id() + " unexpected attribute " + F;
    map_.addInArgList(refs, hidden, required, Str(""));
  }

  // S is an attribute of K referring to another class; the argument is the
  // column F of that class (its own or inherited), named S + F.
  void throughAttributeInput(const Str& P, const Str& F, const Str& S, int hidden, int required) {
    const Attributes* a = cls_.GetAttribute(S);
    if (!a) throw located("Trouble with attr ", P, F, S) + "\n";
    Project* home = projectMap.find(a->Project());
    if (!home) home = projectMap.find(P);
    std::optional<Attributes> column = home ? classColumn(*home, a->Type(), F) : std::nullopt;
    if (!column) throw located("Cannot resolve attribute ", P, F, S) + "\n";
    map_.addInArg(S + F, column->Type(), a->Comment(), a->Group(), a->Hint(), hidden, required, a->Name());
  }

  // S is a class of P: its column F, its own or inherited (a reference F
  // gives the key of the class it refers to) and, when F names a view of S,
  // what identifies S.
  void classInput(const Str& P, Project& inP, ClassDesc& source, const Str& F, const Str& S, int hidden,
                  int required) {
    std::optional<Attributes> column = classColumn(inP, S, F);
    const Attributes* a = column ? &*column : source.GetAttribute(F);
    if (column || (a && inP.tables.getFullList(S).findAttrib(F))) {
      map_.addInArg(F, a->Type(), a->Comment(), a->Group(), a->Hint(), hidden, required, a->Name());
    } else if (a) {
      ClassDesc* target = referencedClass(*a, P);
      if (!target) throw located("Cannot resolve attribute ", P, F, S) + "\n";
      map_.addInArgList(target->getPK(), hidden, required, F == a->Type() ? Str("") : F);
    }
    if (!source.GetView(F)) return;
    if (ClassDesc* own = classIn(project_, S)) {
      map_.addInArgList(own->getPK(), hidden, required, Str(""));
      return;
    }
    AttribList* table = project_.tables.getAttribList(K_);
    AttribList refs = table ? table->findRefAttribs(S, Str("")) : AttribList();
    if (refs.isEmpty())
      throw unwrapperAt(225) + tr(" In Class ") + K_ + tr(" in method ") + method_.Id() +
          tr(" unable to resolve attribute details ") + F;
    map_.addInArgList(refs, hidden, required, Str(""));
  }

  // --- Outputs ------------------------------------------------------------

  void output(const Str& P, const Str& F, const Str& S, int hidden) {
    if (S.IsEmpty()) {
      plainOutput(P, F, hidden);
      return;
    }
    Project& Q = projectOr(P, project_);
    if (ClassDesc* source = classIn(Q, S))
      classOutput(Q, *source, F, S, hidden);
    else
      throughAttributeOutput(F, S, hidden);
  }

  void plainOutput(const Str& P, const Str& F, int hidden) {
    AttribList generic = project_.tables.getGenericList(K_);
    if (const Attributes* f = generic.findAttrib(F); f && isBaseType(f->Type())) {
      columnOutput(F, *f, hidden);
      return;
    }
    // The project as written: a result locator without one finds no class.
    if (ClassDesc* keyed = classOrUnnamedReference(P, F)) {
      map_.addOutArgList(keyed->getPK(), hidden, Str(""));
      return;
    }
    AttribList refs = generic.findRefAttribs(F, Str(""));
    if (refs.isEmpty())
      throw unwrapperAt(269) + tr(" In Class ") + K_ + tr(" in method ") + method_.Id() +
          tr(" unable to resolve attribute details ") + F;
    map_.addOutArgList(refs, hidden, Str(""));
  }

  // S is an attribute of K referring to another class: the column F of that
  // class (its own or inherited), named S + F and labelled with S's name.
  // Anything else named S adds nothing.
  void throughAttributeOutput(const Str& F, const Str& S, int hidden) {
    const Attributes* a = cls_.GetAttribute(S);
    if (!a) return;
    Project& home = projectOr(a->Project(), project_);
    if (!classIn(home, a->Type())) throw cannotFind(home, F, S, K_);
    std::optional<Attributes> column = classColumn(home, a->Type(), F);
    if (!column) throw cannotFind(home, F, S, a->Type());
    map_.addOutArg(S + F, column->Type(), a->Name().trim() + ". " + column->Comment().trim(), column->Group(),
                   column->Hint(), hidden, S + column->Name(), 0, Str(""), Str(""));
  }

  void classOutput(Project& Q, ClassDesc& source, const Str& F, const Str& S, int hidden) {
    AttribList generic = project_.tables.getGenericList(S);
    const Attributes* a = generic.findAttrib(F);
    if (!a) a = source.GetAttribute(F);
    AttribList fullGeneric = Q.tables.getFullGenericList(S);
    const Attributes* listed = fullGeneric.findAttrib(F);
    if (!a) {
      if (listed) columnOutput(F, *listed, hidden);
    } else if (listed) {
      columnOutput(F, *a, hidden);
    } else {
      // A reference: it returns the key of the class it refers to.
      ClassDesc* target = classIn(Q, a->Type());
      if (!target) throw cannotFind(Q, F, S, K_);
      map_.addOutArgList(target->getPK(), hidden, F == a->Type() ? Str("") : F);
    }
    if (ViewWindow* view = source.GetView(F)) viewOutputs(*view, source);
  }

  void columnOutput(const Str& id, const Attributes& column, int hidden) {
    map_.addOutArg(id, column.Type(), column.Comment(), column.Group(), column.Hint(), hidden, column.Name(), 0,
                   Str(""), Str(""));
  }

  // The result columns of a view of S, each marked as identifying the
  // returned record.
  void viewOutputs(ViewWindow& view, ClassDesc& source) {
    for (AttrLocator* o = view.GetFirstOutputArg(); o; o = view.GetNextOutputArg()) {
      if (!view.HaveColumn(*o))
        throw unwrapperAt(322) + tr("Columns definition in window do not match with returned result set.");
      ClassDesc* home = &source;
      if (!o->SName.IsEmpty()) {
        home = classIn(project_, o->SName);
        if (!home) home = projectMap.findClass(o->PName, o->SName);
      }
      const Attributes* attr = home ? home->GetAttribute(o->FName) : nullptr;
      if (!attr)
        throw unwrapperAt(323) + tr(" In window ") + view.Id() + tr(" Attribute ") +
            (o->SName.IsEmpty() ? source.Id() : o->SName) + "." + o->FName + tr(" is not found");
      map_.addOutArg(o->FName, attr->Type(), attr->Comment(), attr->Group(), attr->Hint(),
                     attr->IsProperty("HIDE"), attr->Name(), 1, o->leading, o->trailing);
    }
  }

  // --- Shared -------------------------------------------------------------

  // The class F of project P; else, when F is a reference attribute of K
  // named by the class it refers to (`stock::Item;`), that class, which may
  // be another project's: its foreign-key columns in K carry the ids of the
  // key columns, so the key stands for the reference as it does for a class
  // of P.
  ClassDesc* classOrUnnamedReference(const Str& P, const Str& F) {
    if (ClassDesc* found = projectMap.findClass(P, F)) return found;
    const Attributes* a = cls_.GetAttribute(F);
    return a && a->Type() == F ? referencedClass(*a, P) : nullptr;
  }

  // The class a reference attribute refers to: in the attribute's project,
  // else in P.
  ClassDesc* referencedClass(const Attributes& a, const Str& P) {
    if (ClassDesc* found = projectMap.findClass(a.Project(), a.Type())) return found;
    return projectMap.findClass(P, a.Type());
  }

  Str located(const char* what, const Str& P, const Str& F, const Str& S) const {
    return Str(what) + P + "::" + S + "." + F + " in method " + K_ + "." + method_.Id();
  }

  Str cannotFind(Project& in, const Str& F, const Str& S, const Str& cls) const {
    return Str("Cannot find attributes ") + in.name + "::" + S + "." + F + " in the Class " + cls;
  }

  Project& project_;
  ClassDesc& cls_;
  Methods& method_;
  MethodsMap& map_;
  Str K_;
};

// The descriptor of a method of `cls` under the name phase 5 gave it; the
// class id glued to the method name is the older form of that name.
MethodDesc* descriptorOf(MethodsMap& map, const Str& cls, const Str& method) {
  if (MethodDesc* found = map.findByName(cls + " :: " + method)) return found;
  return map.findByName(cls + " :: " + cls + method);
}

}  // namespace

// Methods are taken in the order the class record keeps them (by name).
void signClassMethods(Project& project, ClassDesc& cls) {
  for (Methods* m = cls.GetFirstMethod(); m; m = cls.GetNextMethod()) MethodSigner(project, cls, *m).sign();
}

void linkDispatchers(Project& project) {
  MethodsMap& map = project.methods;
  for (auto& [K, cls] : project.classes) {
    if (!cls) continue;
    for (Methods* m = cls->GetFirstMethod(); m; m = cls->GetNextMethod()) {
      if (!m->getDispatchers().empty()) {
        // Phase 5 registered every method of the class, so D exists.
        if (MethodDesc* D = descriptorOf(map, K, m->Id()))
          for (const AttrLocator& dispatcher : m->getDispatchers()) D->dispatchers.push_back(dispatcher.SName);
      }
      if (!m->IsVirtual()) continue;
      for (const AttrLocator& served : m->Output()) {
        const Str& owner = served.SName.IsEmpty() ? K : served.SName;
        MethodDesc* T = descriptorOf(map, owner, served.FName);
        if (!T)
          throw unwrapperAt(served.SName.IsEmpty() ? 408 : 418) + tr("Wrong function name ") + served.FName +
              tr(". In function definition ") + m->Id() + tr(" of Class ") + owner + ".\n";
        T->dispatchers.push_back(m->Id());
      }
    }
  }
}
