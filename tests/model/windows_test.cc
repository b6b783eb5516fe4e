// Window and view records: method entries, standard-input calls, kinds,
// conditions, key columns and copies of views.
#include "model/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_world.h"
#include "tests/support/list_names.h"

namespace {

Names entryNames(CommonWindow& window) {
  Names out;
  for (MethodStruct* m = window.GetFirstMethod(); m; m = window.GetNextMethod()) out.push_back(m->name.std());
  return out;
}

}  // namespace

TEST(Windows, MethodEntriesAndStandardInput) {
  DialogWindow w("Edit", "Edit person", "Person");
  EXPECT_EQ(w.WhoAmI(), "DialogWindow");
  w.ThisIsFolder();
  EXPECT_EQ(w.WhoAmI(), "Folder");
  EXPECT_EQ(w.GetNextMethod(), nullptr);
  w.AddMethod("Save", "Save", "Update", "Person", "P", "", "");
  TargetList targets{{"Print", {"Person", "P"}}, {"Mail", {"Person", "P"}}};
  w.AddMethod("Send", "Send", targets, "text", "hint");
  w.AddMethod("Save", "Store", "Add", "Person", "P", "", "");
  // The second Save replaces the first and goes to the end.
  EXPECT_EQ(entryNames(w), (Names{"Send", "Save"}));
  EXPECT_EQ(w.GetMethod("Save")->label, "Store");
  EXPECT_EQ(w.GetMethod("Send")->targets.size(), 2u);
  EXPECT_EQ(w.GetNextMethod(), nullptr);  // past the end it stays null
  // Replacing the entry under the cursor leaves the walk at its end.
  w.GetFirstMethod();
  w.GetNextMethod();  // on Save
  w.AddMethod("Save", "Again", "Add", "Person", "P", "", "");
  EXPECT_EQ(w.GetNextMethod(), nullptr);

  w.SIReset();
  EXPECT_FALSE(w.SINext());
  TargetList calls{{"GetA", {"A", "P"}}, {"GetB", {"B", "Q"}}};
  w.setStandardInput(calls);
  Names seen;
  w.SIReset();
  while (w.SINext()) seen.push_back((w.SICStandardInput() + "@" + w.SICClass() + "@" + w.SICProject()).std());
  EXPECT_EQ(seen, (Names{"GetA@A@P", "GetB@B@Q"}));
  EXPECT_TRUE(w.SICStandardInput().IsEmpty());  // at the end
  w.setStandardInput("Get", "C", "R");
  EXPECT_EQ(w.SICalls(), 1);
  w.SIReset();
  ASSERT_TRUE(w.SINext());
  EXPECT_EQ(w.SICStandardInput() + w.SICClass() + w.SICProject(), "GetCR");
}

TEST(Windows, Atoms) {
  ColumnStruct left("P", "kind", "Person", "", 0);
  Atom item(left, "==", 3, "isEmployee");
  EXPECT_TRUE(item.isLiteral());
  EXPECT_EQ(item.getLiteral(), "3");
  try {
    item.getGlobal();
    ADD_FAILURE() << "getGlobal answered for a literal";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Error! Atom::getGlobal\n");
  }
  Atom text(left, "!=", "NULL", Atom::literal);
  EXPECT_TRUE(text.isLiteral() && !text.isGlobal() && !text.isAttrib());
  EXPECT_EQ(text.getLiteral(), "NULL");
  EXPECT_TRUE(text.getSecondAttr().column().FName.IsEmpty());  // no right column
  Atom user(left, "==", "GUserID", Atom::global);
  EXPECT_EQ(user.getGlobal(), "GUserID");
  try {
    user.getLiteral();
    ADD_FAILURE() << "getLiteral answered for a global";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Error! Atom::getLiteral\n");
  }

  ColumnStruct right("P", "id", "Company", "", 0);
  Atom join(left, "==", right);
  EXPECT_TRUE(join.isAttrib());
  AtomList atoms;
  atoms.push_back(Atom(left, "==", ColumnStruct("P", "id", "Other", "", 0)));
  atoms.push_back(Atom(left, "<=", right));
  EXPECT_EQ(atoms.findBySecond("id", "Company")->getSign(), "<=");
  EXPECT_EQ(atoms.findBySecond("id", "Nobody"), nullptr);
  join.makeEnum(-2);
  EXPECT_TRUE(join.isLiteral());
  EXPECT_EQ(join.getLiteral(), "-2");
  EXPECT_TRUE(join.getSecondAttr().column().FName.IsEmpty());
}

TEST(Windows, ViewColumnsAndKeys) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* person = ModelWorld::person(p);
  ClassDesc* order = ModelWorld::add(p, new ClassDesc("Order", 0, ""));
  order->AddAttribute("owner", "Person", "", "PK", "", "");
  ClassDesc* rush = ModelWorld::add(p, new ClassDesc("Rush", *order));

  ViewWindow* people = person->AddView("List", "People", nullptr);
  EXPECT_EQ(people->WhoAmI(), "TableWindow");
  people->ThisIsTable();
  EXPECT_EQ(people->WhoAmI(), "Table");
  people->AddColumn("P", "name", "", "Name", 0, true);
  people->AddColumn("P", "total", "Order", "", 1, false);
  EXPECT_TRUE(people->GetFirstColumn()->editable);
  people->GetNextColumn();
  EXPECT_EQ(people->GetAggregate(), 1);
  EXPECT_EQ(people->GetNextColumn(), nullptr);
  EXPECT_EQ(people->GetColumnAlias(), nullptr);  // nothing to read at the end
  EXPECT_TRUE(people->HaveColumn(AttrLocator("P", "total", "Order", "any alias", true, true)));
  EXPECT_FALSE(people->HaveColumn(AttrLocator("P", "total", "", "", false, false)));

  EXPECT_TRUE(people->isPK({"id", ""}));
  EXPECT_TRUE(people->isPK({"id", "Person"}));
  EXPECT_FALSE(people->isPK({"id", "Order"}));  // another class, though id is a key here
  EXPECT_FALSE(people->isPK({"name", ""}));
  ViewWindow* orders = order->AddView("List", "Orders", nullptr);
  EXPECT_TRUE(orders->isPK({"owner", ""}));    // the declared key attribute
  EXPECT_TRUE(orders->isPK({"ownerid", ""}));  // a column of the expanded key
  EXPECT_FALSE(orders->isPK({"id", ""}));
  EXPECT_TRUE(rush->AddView("List", "Rush", nullptr)->isPK({"owner", ""}));  // found in the ancestor
}

TEST(Windows, CopiedViewKeepsItsCursors) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* person = ModelWorld::add(p, new ClassDesc("Person", 0, ""));
  ClassDesc* other = ModelWorld::add(p, new ClassDesc("Other", 0, ""));
  ViewWindow* proto = person->AddView("List", "People", nullptr);
  proto->ThisIsTable();
  for (const char* name : {"a", "b", "c"}) proto->AddColumn("P", name, "", "", 0, false);
  proto->AddExcluded("x");
  proto->AddExcluded("y");
  TargetList calls{{"GetList", {"Person", "P"}}, {"GetMore", {"Person", "P"}}};
  proto->setStandardInput(calls);
  proto->addSign("&&");
  proto->AddMethod("Open", "Open", "Get", "Person", "P", "", "");
  proto->AddMethod("Print", "Print", "Report", "Person", "P", "", "");
  proto->addLeftParam("from", "1");
  proto->addLeftParam("to", "9");
  proto->AddOutputArg("P", "id", "Person");
  proto->GetFirstColumn();
  proto->GetNextColumn();  // on b
  proto->GetFirstExcluded();
  proto->GetNextExcluded();  // on y
  proto->SIReset();
  proto->SINext();          // on GetList
  proto->GetFirstMethod();  // on Open
  proto->getFirstLP();
  proto->getNextLP();  // on "to"

  ViewWindow* copy = other->AddView("Short", "Short list", proto);
  EXPECT_EQ(copy->Id(), "Short");
  EXPECT_EQ(copy->Header(), "Short list");
  EXPECT_EQ(copy->WhoAmI(), "Table");
  EXPECT_EQ(copy->class_desc(), person);  // the prototype's class stays
  AttrLocator* afterB = copy->GetNextColumn();
  ASSERT_NE(afterB, nullptr);
  EXPECT_EQ(afterB->FName, "c");
  EXPECT_EQ(copy->GetNextExcluded(), nullptr);  // was on the last one
  EXPECT_EQ(copy->SICalls(), 2);
  EXPECT_EQ(copy->SICStandardInput(), "GetList");
  ASSERT_TRUE(copy->SINext());
  EXPECT_EQ(copy->SICStandardInput(), "GetMore");
  ASSERT_NE(copy->GetNextMethod(), nullptr);
  EXPECT_EQ(copy->GetNextMethod(), nullptr);     // it was on Open, the first of two
  EXPECT_EQ(copy->getNextLP(), nullptr);         // was on the last parameter
  EXPECT_EQ(copy->GetNextOutputArg(), nullptr);  // never walked: at the end
  EXPECT_EQ(copy->GetFirstOutputArg()->FName, "id");
  EXPECT_EQ(copy->getSigns().front(), "&&");
  // The copy's lists are its own, and the prototype's cursor did not move.
  copy->AddColumn("P", "d", "", "", 0, false);
  EXPECT_FALSE(proto->HaveColumn(AttrLocator("P", "d", "", "", false, false)));
  ASSERT_NE(proto->GetNextColumn(), nullptr);
  EXPECT_EQ(proto->GetNextColumn(), nullptr);
}
