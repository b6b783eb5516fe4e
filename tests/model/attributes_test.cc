// Attribute records and the locators that point to attributes and windows.
#include "model/attributes.h"

#include <gtest/gtest.h>

#include "model/locators.h"
#include "model/process_state.h"
#include "model/types_house.h"

TEST(Attributes, ConstructionAndRenamedCopy) {
  Attributes a("owner", "Person", "P", "Order", "Owner", "PK", "", "INDEX");
  EXPECT_TRUE(a.IsProperty("PK") && a.IsProperty("INDEX"));
  EXPECT_FALSE(a.IsProperty(""));  // an empty word is not entered
  EXPECT_TRUE(a.IsNotNull());      // PK counts as not null
  EXPECT_FALSE(Attributes("x", "T", "P", "C", "", "NULL", "HIDE").IsNotNull());

  a.setProjectPatch("fix1");
  a.setSuffix(")");
  Attributes renamed(Str("ownerid"), a);
  EXPECT_EQ(renamed.Id(), "ownerid");
  EXPECT_EQ(renamed.IdSOAP(), "ownerid");
  EXPECT_TRUE(renamed.ProjectPatch().IsEmpty());
  EXPECT_EQ(renamed.Suffix(), ")");
  EXPECT_EQ(renamed.Name(), "Owner");

  a.setDefRef("Picker", "Person", "Shop");  // given window first
  EXPECT_EQ(a.getDefRef().project, "Shop");
  EXPECT_EQ(a.getDefRef().cls, "Person");
  EXPECT_EQ(a.getDefRef().window, "Picker");
}

TEST(Attributes, DefaultValues) {
  resetProcessState();
  TypesPool.AddType("Color", "C", "int");
  TypesPool.AddInit("Color", "red", "", -1);   // code 0
  TypesPool.AddInit("Color", "blue", "", 2);   // code 2
  TypesPool.AddType("Text", "C", "char*");

  Attributes item("tint", "Color", "P", "Car", "");
  item.setDefs("blue", 1, "", 0);
  EXPECT_EQ(item.DefInit(), "blue");
  EXPECT_EQ(item.DefInitValue(), "2");
  Attributes plain("tint", "Color", "P", "Car", "");
  plain.setDefs("blue", 0, "", 0);
  EXPECT_EQ(plain.DefInitValue(), "blue");  // no code: the text itself
  Attributes user("who", "Text", "P", "Car", "");
  user.setDefs("GUserID", 2, "GUserID", 2);  // a type without items keeps no code
  EXPECT_EQ(user.DefInitValue(), "GUserID");
  EXPECT_FALSE(user.isStatic());
  Attributes fixed("x", "Text", "P", "Car", "");
  fixed.setDefs("a", 0, "b", 3);
  EXPECT_TRUE(fixed.isStatic());

  for (auto [initKind, updateKind] : {std::pair{4, 0}, std::pair{0, 4}, std::pair{-2, 0}}) {
    try {
      fixed.setDefs("v", initKind, "u", updateKind);
      ADD_FAILURE() << "kinds " << initKind << "/" << updateKind << " were accepted";
    } catch (const Str& error) {
      EXPECT_EQ(error, "Error! Invalid Type in setDefs");
    }
  }
  resetProcessState();
}

// Copies share their fields until one changes: a change to either side must
// never show in the other, and a text set empty stays apart from one never set.
TEST(Attributes, CopiesChangeIndependently) {
  Attributes column("price", "Money", "P", "Book", "Price", "NOT");
  column.setDefRef("Picker", "Book", "P");
  Attributes copy = column;
  Attributes copyOfCopy = copy;

  copy.setName("Cost");
  copy.addProperty("INDEX");
  copy.removeProperty("NOT");
  copy.setDefRef("Other", "Shelf", "Q");
  copy.setComment("");
  EXPECT_EQ(column.Name(), "Price");
  EXPECT_TRUE(column.IsProperty("NOT") && !column.IsProperty("INDEX"));
  EXPECT_EQ(column.getDefRef().window, "Picker");
  EXPECT_TRUE(column.Comment().IsNull());
  EXPECT_FALSE(copy.Comment().IsNull());
  EXPECT_TRUE(copy.Comment().IsEmpty());
  EXPECT_EQ(copyOfCopy.Name(), "Price");

  column.setId("cost");
  column.setNumber(3);
  EXPECT_EQ(copy.Id(), "price");
  EXPECT_EQ(copyOfCopy.Id(), "price");
  EXPECT_EQ(copyOfCopy.Number(), 0);
  // A record given one of its own texts, and a copy's text, keeps its value.
  column.setHint(column.Id());
  copy.setGroup(copyOfCopy.Type());
  EXPECT_EQ(column.Hint(), "cost");
  EXPECT_EQ(copy.Group(), "Money");
  EXPECT_TRUE(copyOfCopy.Group().IsNull());
}

// Equal records may share one; any field that differs, a null text against
// an empty one included, keeps them apart.
TEST(Attributes, SameFieldsSeesEveryField) {
  Attributes a("price", "Money", "", "", "Price", "HIDE");
  Attributes b("price", "Money", "", "", "Price", "HIDE");
  EXPECT_TRUE(a.sameFields(b));
  EXPECT_EQ(a.fieldsHash(), b.fieldsHash());

  Attributes emptyHint = b;
  emptyHint.setHint("");
  Attributes notNull = b;
  notNull.addProperty("NOT");
  Attributes picked = b;
  picked.setDefRef("", "", "");
  Attributes numbered = b;
  numbered.setNumber(2);
  Attributes renamed = b;
  renamed.setName("Cost");
  for (const Attributes* other : {&emptyHint, &notNull, &picked, &numbered, &renamed}) {
    EXPECT_FALSE(a.sameFields(*other));
    EXPECT_FALSE(other->sameFields(a));
  }

  // Texts are held once for the run: a text set null over a held one still
  // reads null, and one set empty afterwards still reads empty.
  Attributes cleared = b;
  cleared.setHint("x");
  cleared.setHint(Str());
  Attributes emptied = b;
  emptied.setHint("x");
  emptied.setHint("");
  EXPECT_TRUE(cleared.Hint().IsNull());
  EXPECT_FALSE(emptied.Hint().IsNull());
  EXPECT_FALSE(cleared.sameFields(emptied));
  // So are default windows.
  cleared.setDefRef("w", Str(), Str());
  emptied.setDefRef("w", "", "");
  EXPECT_TRUE(cleared.getDefRef().cls.IsNull());
  EXPECT_FALSE(emptied.getDefRef().cls.IsNull());
}

TEST(Locators, AttrLocatorComparesTheThreeNamesOnly) {
  AttrLocator plain("P", "id", "Person", "", false, false);
  AttrLocator marked("P", "id", "Person", "Number", true, true);
  marked.editable = true;
  EXPECT_TRUE(plain == marked);
  EXPECT_FALSE(plain < marked || marked < plain);
  EXPECT_FALSE(plain == AttrLocator("P", "id", "Order", "", false, false));
  // Order: project, then attribute, then class.
  EXPECT_TRUE(AttrLocator("A", "z", "z", "", false, false) < AttrLocator("B", "a", "a", "", false, false));
  EXPECT_TRUE(AttrLocator("A", "a", "z", "", false, false) < AttrLocator("A", "b", "a", "", false, false));
  EXPECT_TRUE(AttrLocator("A", "b", "a", "", false, false) < AttrLocator("A", "b", "b", "", false, false));
  // The constructor takes hidden before required.
  AttrLocator args("P", "F", "S", "A", true, false);
  EXPECT_TRUE(args.hidden);
  EXPECT_FALSE(args.required);
}
