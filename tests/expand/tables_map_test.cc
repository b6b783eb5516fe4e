// Table maps on their own: the cursor, building tables, foreign-key columns,
// subclass queries and the generic lists of a deep family. The tables an expansion builds are checked in
// unwrap_all_test.cc.
#include "expand/tables_map.h"

#include <gtest/gtest.h>

#include <chrono>

#include "tests/model/model_world.h"
#include "tests/support/list_names.h"

namespace {

Attributes column(const char* id, const char* prop = "", const char* name = "", int number = 0) {
  Attributes a(id, "Integer", "P", "C", name, prop);
  a.setNumber(number);
  return a;
}

}  // namespace

TEST(TablesMap, CursorAndBuilding) {
  TablesMap map;
  map.reset();
  EXPECT_FALSE(map.next());
  // With the cursor at the end nothing is read past it.
  EXPECT_EQ(map.getAttribList(), nullptr);
  EXPECT_TRUE(map.getPK().isEmpty() && map.getExceptPK("").isEmpty() && map.getGenericList("").isEmpty());

  map.addAttrib("B", column("lost"));  // no such table: dropped
  EXPECT_FALSE(map.haveTable("B"));
  map.addTable("B");
  map.addTable("A");
  map.addAttrib("B", column("id", "PK"));
  map.addAttrib("B", column("name"));
  map.reset();
  ASSERT_TRUE(map.next());
  EXPECT_EQ(map.getTable(), "A");
  ASSERT_TRUE(map.next());
  EXPECT_EQ(ids(map.getPK()), Names{"id"});
  EXPECT_EQ(ids(map.getExceptPK("")), Names{"name"});  // the table under the cursor
  EXPECT_FALSE(map.next());
  EXPECT_EQ(map.getTable(), "");

  // Adding a table again starts it afresh; full lists only ever grow.
  map.addVirtList("B", map.getAttribList("B"));
  map.addTable("B");
  EXPECT_TRUE(map.getAttribList("B")->isEmpty());
  map.addAttrib("B", column("id", "PK"));
  map.addVirtList("B", map.getAttribList("B"));
  EXPECT_EQ(ids(map.getFullList("B")), (Names{"id", "name", "id", "id"}));
  EXPECT_EQ(ids(map.getFullGenericList("B")), (Names{"id", "name"}));
}

TEST(TablesMap, ForeignKeyColumns) {
  TablesMap map;
  Attributes customer("customer", "Customer", "Shop", "Order", "Buyer", "NOT", "Slave");
  customer.setDefs("1", -1, "2", -1);
  customer.SetVirtual();
  AttribList key;
  key.pushAttrib(column("id", "PK", "Number", 3));
  key.pushAttrib(column("region", "SK", "", 3));
  key.pushAttrib(column(""));  // the walk stops here
  key.pushAttrib(column("never"));
  map.addFKList("Order", customer, key);  // creates the table
  EXPECT_EQ(described(map.getAttribList("Order")),
            (Names{"customerid Integer #3 INDEX Slave NOT virtual ->Customer.id @Order",
                   "customerregion Integer #3 HIDE INDEX Slave NOT virtual ->Customer.region @Order"}));
  const Attributes& first = *map.getAttribList("Order")->begin();
  EXPECT_EQ(first.Name(), "Buyer Number");
  EXPECT_EQ(first.Project(), "Shop");
  EXPECT_EQ(first.DefInit() + "/" + first.DefUpdate(), "1/2");
  EXPECT_EQ(std::next(map.getAttribList("Order")->begin())->Name(), "Buyer");

  // Named like its class, the reference keeps the key's ids; without a name
  // it takes the key column's; an SK without GK hides every column.
  Attributes named("Customer", "Customer", "Shop", "Bill", "", "SK");
  map.addFKList("Bill", named, key);
  EXPECT_EQ(describe(*map.getAttribList("Bill")->begin()), "id Integer #3 HIDE INDEX ->Customer.id @Bill");
  EXPECT_EQ(map.getAttribList("Bill")->begin()->Name(), "Number");
}

TEST(TablesMap, SubclassQueries) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* a = ModelWorld::add(p, new ClassDesc("A", 0, ""));
  ClassDesc* b = ModelWorld::add(p, new ClassDesc("B", *a));
  ModelWorld::add(p, new ClassDesc("C", *a));
  ModelWorld::add(p, new ClassDesc("D", *b));
  EXPECT_EQ(names(p->tables.getChildrenList("A")), (Names{"B", "C"}));
  EXPECT_TRUE(p->tables.getChildrenList("C").empty());
  EXPECT_EQ(names(p->tables.getDescendanceList("A")), (Names{"B", "D", "C"}));
  // Classes declared after a query are found by the next one.
  ModelWorld::add(p, new ClassDesc("BB", *a));
  ModelWorld::add(p, new ClassDesc("E", *ModelWorld::add(p, new ClassDesc("CC", 0, ""))));
  EXPECT_EQ(names(p->tables.getDescendanceList("A")), (Names{"B", "D", "BB", "C"}));
  EXPECT_EQ(names(p->tables.getChildrenList("CC")), (Names{"E"}));
}

TEST(TablesMap, GenericListsOfADeepFamily) {
  // 1,000 classes, each derived from the one before; every table has the
  // key "id" and a column of its own, and the root's ends with the family's
  // discriminator. A class's generic list is its parent's, then its own
  // columns with an id met before left out, then the discriminator. Built
  // anew down the whole chain for every level of every class, these lists
  // took minutes.
  const int depth = 1000;
  ModelWorld world;
  Project* p = world.project("P");
  TablesMap& map = p->tables;
  Names expected{"id"};
  for (int i = 0; i < depth; ++i) {
    Str id = Str("C") << i;
    ClassDesc* cls = i == 0 ? new ClassDesc(id, 0, "") : new ClassDesc(id.str(), *p->classes[Str("C") << (i - 1)]);
    ModelWorld::add(p, cls);
    map.addTable(id);
    map.addAttrib(id, Attributes("id", "Integer", "P", id, "", "PK"));
    map.addAttrib(id, Attributes(Str("a") << i, "Integer", "P", id, ""));
    expected.push_back((Str("a") << i).std());
  }
  map.addAttrib("C0", Attributes("C0Type", "TYPE_C0", "P", "C0", ""));
  expected.push_back("C0Type");
  map.rememberGenericLists();

  auto started = std::chrono::steady_clock::now();
  for (int i = depth - 1; i >= 0; --i) map.getGenericList(Str("C") << i);
  AttribList leaf = map.getGenericList("C999");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_EQ(ids(leaf), expected);
  EXPECT_EQ(leaf.findAttrib("C0Type")->CurClass(), "C999");
  EXPECT_EQ(map.getGenericList("C1").size(), 4);  // id a0 a1 C0Type

  // A change of the tables is seen by the next list.
  map.addAttrib("C500", Attributes("late", "Integer", "P", "C500", ""));
  expected.insert(expected.begin() + 502, "late");
  EXPECT_EQ(ids(map.getGenericList("C999")), expected);
}
