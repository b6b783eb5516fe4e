// Class and object records: flags, attribute order, keys, methods, views and
// windows, and the walks up the Parent chain.
#include "model/class_desc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/methods.h"
#include "model/windows.h"
#include "model_world.h"
#include "tests/support/list_names.h"

namespace {

Names walk(ClassDesc& cls) {
  Names out;
  for (Attributes* a = cls.GetFirstAttribute(); a; a = cls.GetNextAttribute()) out.push_back(a->Id().std());
  return out;
}

}  // namespace

TEST(ClassDesc, ConstructionAndFlags) {
  ModelWorld world;
  world.project("Shop");
  ClassDesc local("Item", 0, "");
  EXPECT_EQ(local.Container(), "Shop");  // the current project
  EXPECT_FALSE(local.IsExternal());
  ClassDesc foreign("Item", 0, "Stock");
  EXPECT_EQ(foreign.Container(), "Stock");
  EXPECT_TRUE(foreign.IsExternal());

  ClassDesc base("Base", 0x2, "");
  base.beVirtual();
  base.beNoArc();
  base.setType(0x4 | 0x20 | 0x80);
  base.setObject(1);
  base.beInFamily();
  ClassDesc derived("Derived", base);
  EXPECT_FALSE(derived.IsVirtual());  // the only bit not inherited
  EXPECT_TRUE(derived.IsSingular() && derived.HasNoArc() && derived.HasSK() && derived.IsVisibleSK() &&
              derived.IsAutoincremental() && derived.IsInFamily());
  EXPECT_FALSE(derived.IsExternal());
  EXPECT_TRUE(derived.HaveObject());
  EXPECT_EQ(derived.Parent(), "Base");
  EXPECT_EQ(derived.Container(), "Shop");
  // A class derived from an external one is external too, in the base's project.
  foreign.setObject(2);
  ClassDesc derivedForeign("Local", foreign);
  EXPECT_TRUE(derivedForeign.IsExternal());
  EXPECT_TRUE(derivedForeign.IsSQLView());
  EXPECT_EQ(derivedForeign.Container(), "Stock");
}

TEST(ClassDesc, AttributeOrder) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* cls = ModelWorld::add(p, new ClassDesc("Person", 0, ""));
  EXPECT_EQ(cls->GetFirstAttribute(), nullptr);
  EXPECT_EQ(cls->GetFirstAttrName(), nullptr);
  EXPECT_TRUE(cls->getPK().isEmpty());
  EXPECT_TRUE(cls->getFullAttribList().isEmpty());

  Attributes* id = cls->AddAttribute("id", "Integer", "", "PK", "", "");
  ASSERT_NE(id, nullptr);
  EXPECT_EQ(id->Project(), "P");  // an empty project means the container
  EXPECT_EQ(id->CurClass(), "Person");
  cls->AddAttribute("name", "Text", "", "", "", "");
  EXPECT_EQ(cls->AddAttribute("id", "Text", "", "", "", ""), nullptr);
  EXPECT_EQ(cls->GetAttribute("id")->Type(), "Integer");

  cls->AddAttribute(Attributes("masterid", "Integer", "P", "Elsewhere", ""), 1);
  cls->AddAttribute(Attributes("masterid", "Text", "P", "X", ""), 0);  // repeated: nothing changes
  cls->AddAttribute(Attributes("note", "Text", "P", "X", ""), 0);
  EXPECT_EQ(walk(*cls), (Names{"masterid", "id", "name", "note"}));
  EXPECT_EQ(cls->GetAttribute("masterid")->CurClass(), "Person");
  EXPECT_EQ(cls->GetAttribute("masterid")->Type(), "Integer");
  EXPECT_EQ(ids(cls->getFullAttribList()), (Names{"masterid", "id", "name", "note"}));
  EXPECT_EQ(cls->GetNextAttribute(), nullptr);  // stays at the end

  // The name walk has its own cursor.
  EXPECT_EQ(*cls->GetFirstAttrName(), "masterid");
  walk(*cls);
  EXPECT_EQ(*cls->GetNextAttrName(), "id");

  EXPECT_EQ(*cls->AttribName("name", "Full name"), "Full name");
  EXPECT_EQ(*cls->AttribName("name", nullptr), "Full name");
  EXPECT_EQ(cls->AttribName("missing", "x"), nullptr);
}

TEST(ClassDesc, KeysExpandClassTypedColumns) {
  ModelWorld world;
  Project* p = world.project("P");
  ModelWorld::person(p);
  ClassDesc* order = ModelWorld::add(p, new ClassDesc("Order", 0, ""));
  order->AddAttribute("no", "Integer", "", "PK", "", "");
  order->AddAttribute("owner", "Person", "", "PK", "", "");
  order->AddAttribute("Person", "Person", "", "PK", "", "");
  order->AddAttribute("buyer", "Person", "", "", "", "");  // not a key column
  EXPECT_EQ(ids(order->getPK()), (Names{"no", "ownerid", "id"}));
  // A key of a key: the prefixes pile up.
  ClassDesc* line = ModelWorld::add(p, new ClassDesc("Line", 0, ""));
  line->AddAttribute("of", "Order", "", "PK", "", "");
  EXPECT_EQ(ids(line->getPK()), (Names{"ofno", "ofownerid", "ofid"}));
  // The name walk is not disturbed by the key.
  order->GetFirstAttrName();
  order->getPK();
  EXPECT_EQ(*order->GetNextAttrName(), "owner");

  ClassDesc* broken = ModelWorld::add(p, new ClassDesc("Broken", 0, ""));
  broken->AddAttribute("ghost", "Ghost", "", "PK", "", "");
  try {
    broken->getPK();
    ADD_FAILURE() << "an undeclared key class was accepted";
  } catch (const Str& error) {
    EXPECT_EQ(error, "case_str:419 Class Ghost in the Project P not declared. ");
  }
  // A key that leads back to its own class would expand forever.
  ClassDesc* node = ModelWorld::add(p, new ClassDesc("Node", 0, ""));
  node->AddAttribute("next", "Node", "", "PK", "", "");
  try {
    node->getPK();
    ADD_FAILURE() << "a key referring to its own class was expanded";
  } catch (const Str& error) {
    EXPECT_EQ(error, "case_str:420 Class Node in the Project P has a key that refers to itself. ");
  }
}

TEST(ClassDesc, AncestorWalks) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* a = ModelWorld::add(p, new ClassDesc("A", 0, ""));
  ClassDesc* b = ModelWorld::add(p, new ClassDesc("B", *a));
  ClassDesc* c = ModelWorld::add(p, new ClassDesc("C", *b));
  ClassDesc ghost("Ghost", 0, "");  // never registered
  ClassDesc* orphan = ModelWorld::add(p, new ClassDesc("Orphan", ghost));

  a->AddAttribute("id", "Integer", "", "PK", "", "");
  b->AddAttribute("b1", "Integer", "", "", "", "");
  c->AddAttribute("c1", "Integer", "", "", "", "");
  EXPECT_EQ(ids(c->getFullAttribList()), (Names{"id", "b1", "c1"}));
  EXPECT_EQ(c->GetAttribute("id"), a->GetAttribute("id"));
  EXPECT_EQ(c->Granny(), a);
  EXPECT_EQ(a->Granny(), nullptr);
  EXPECT_EQ(a->Top(), a);
  EXPECT_TRUE(c->HaveParent("A") && c->HaveParent("B"));
  EXPECT_FALSE(c->HaveParent("C"));
  // A parent that cannot be found ends the walk; its name alone still
  // answers HaveParent.
  EXPECT_TRUE(orphan->HaveParent("Ghost"));
  EXPECT_FALSE(orphan->HaveParent("A"));
  EXPECT_EQ(orphan->Granny(), nullptr);
  EXPECT_EQ(orphan->Top(), orphan);
  EXPECT_TRUE(orphan->getFullAttribList().isEmpty());
  EXPECT_EQ(p->findChildClasses("A"), (std::list<ClassDesc*>{a, b, c}));

  Methods* run = a->AddMethod("Run", 1024, "");
  c->AddMethod("Stop", 1024, "");
  Str owner = "unchanged";
  EXPECT_EQ(c->FindMethod("Run", owner), run);
  EXPECT_EQ(owner, "A");
  c->FindMethod("Stop", owner);
  EXPECT_EQ(owner, "C");
  owner = "unchanged";
  EXPECT_EQ(c->FindMethod("Walk", owner), nullptr);
  EXPECT_EQ(owner, "unchanged");
  EXPECT_FALSE(c->checkMethod("Run"));  // own methods only

  // Other classes of the family that define the method themselves.
  b->AddMethod("Stop", 1024, "");
  EXPECT_EQ(c->isReloadedMethod("Stop"), 1);       // B
  EXPECT_EQ(a->isReloadedMethod("Stop"), 2);       // B and C
  EXPECT_EQ(a->isReloadedMethod("Run"), 0);        // only A itself
  EXPECT_EQ(orphan->isReloadedMethod("Stop"), 0);  // another family
}

TEST(ClassDesc, ParentChainThatLoopsIsAnError) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc seed("A", 0, "");
  ClassDesc* b = ModelWorld::add(p, new ClassDesc("B", seed));  // B's parent is A
  ClassDesc* a = ModelWorld::add(p, new ClassDesc("A", *b));    // A's parent is B
  ClassDesc* c = ModelWorld::add(p, new ClassDesc("C", *a));    // C hangs below the loop
  auto expectLoop = [](auto walk, const char* what, const char* expected) {
    try {
      walk();
      ADD_FAILURE() << what << " ended without an error";
    } catch (const Str& error) {
      EXPECT_EQ(error, expected) << what;
    }
  };
  const char* loopAtA = "case_str:421 Class A in the Project P is its own ancestor. ";
  expectLoop([&] { a->Top(); }, "Top", loopAtA);
  expectLoop([&] { c->Granny(); }, "Granny", loopAtA);
  expectLoop([&] { ClassRoots().Granny(c); }, "ClassRoots", loopAtA);
  expectLoop([&] { a->GetAttribute("none"); }, "GetAttribute", loopAtA);
  expectLoop([&] { c->FindMethod("none"); }, "FindMethod", loopAtA);
  expectLoop([&] { a->HaveParent("none"); }, "HaveParent", loopAtA);
  expectLoop([&] { a->getFullAttribList(); }, "getFullAttribList", loopAtA);
  expectLoop([&] { a->isReloadedMethod("none"); }, "isReloadedMethod", loopAtA);
  expectLoop([&] { b->Top(); }, "Top of B", "case_str:421 Class B in the Project P is its own ancestor. ");
  EXPECT_TRUE(a->HaveParent("B"));  // found before going round
}

TEST(ClassDesc, MethodsViewsAndWindows) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* cls = ModelWorld::add(p, new ClassDesc("Person", 0, ""));
  cls->AddMethod("Zap", 1024, "");
  cls->AddMethod("Add", 1024, "")->AddInputArg("P", "id", "", false, false);
  Methods* second = cls->AddMethod("Add", 8, "fix1");  // replaces the first
  EXPECT_TRUE(second->Input().empty());
  Names methods;
  for (Methods* m = cls->GetFirstMethod(); m; m = cls->GetNextMethod()) methods.push_back(m->Id().std());
  EXPECT_EQ(methods, (Names{"Add", "Zap"}));
  EXPECT_EQ(cls->FindMethod("Add"), second);

  DialogWindow* edit = cls->AddWindow("Edit", "Edit person", "Person");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(cls->AddWindow("Edit", "Other title", nullptr), nullptr);
  EXPECT_EQ(cls->GetWindow("Edit")->Header(), "Edit person");
  cls->AddWindow("Browse", "Browse", nullptr);
  EXPECT_EQ(cls->GetFirstWindow()->Id(), "Browse");
  EXPECT_EQ(cls->GetNextWindow(), edit);
  EXPECT_EQ(cls->GetNextWindow(), nullptr);

  ViewWindow* list = cls->AddView("List", "People", nullptr);
  ViewWindow* again = cls->AddView("List", "All people", nullptr);
  EXPECT_EQ(cls->GetView("List"), again);
  EXPECT_EQ(list->Header(), "People");  // the replaced view stays readable
  cls->AddView("Cards", "Cards", nullptr);
  Names views;
  for (ViewWindow* v = cls->GetFirstView(); v; v = cls->GetNextView()) views.push_back(v->Header().std());
  EXPECT_EQ(views, (Names{"Cards", "All people"}));
}
