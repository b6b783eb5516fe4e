// Table maps on their own: the cursor, building tables, foreign-key columns
// and the hierarchy queries. The tables an expansion builds are checked in
// unwrap_all_test.cc.
#include "expand/tables_map.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/model/model_world.h"
#include "tests/support/list_names.h"

namespace {

Attributes column(const char* id, const char* prop = "", const char* name = "") {
  return Attributes(id, "Integer", "P", "C", name, prop);
}

AttribList listOf(std::initializer_list<Attributes> columns) {
  AttribList list;
  for (const Attributes& a : columns) list.pushAttrib(a);
  return list;
}

}  // namespace

TEST(TablesMap, CursorAndBuilding) {
  TablesMap map;
  map.reset();
  EXPECT_FALSE(map.next());
  // With the cursor at the end nothing is read past it.
  EXPECT_EQ(map.getTable(), "");
  EXPECT_EQ(map.getAttribList(), nullptr);
  EXPECT_TRUE(map.getPK().isEmpty());
  EXPECT_TRUE(map.getExceptPK("").isEmpty());
  EXPECT_TRUE(map.getGenericList("").isEmpty());

  // A column for a table never added is dropped.
  map.addAttrib("B", column("lost"));
  EXPECT_FALSE(map.haveTable("B"));
  map.addTable("B");
  map.addTable("A");
  map.addAttrib("B", column("id", "PK"));
  map.addAttrib("B", column("name"));
  map.reset();
  ASSERT_TRUE(map.next());
  EXPECT_EQ(map.getTable(), "A");
  ASSERT_TRUE(map.next());
  EXPECT_EQ(map.getTable(), "B");
  EXPECT_EQ(ids(*map.getAttribList()), (Names{"id", "name"}));
  // An empty name means the table under the cursor where the lookups say so.
  EXPECT_EQ(ids(map.getPK()), Names{"id"});
  EXPECT_EQ(ids(map.getExceptPK("")), Names{"name"});
  EXPECT_FALSE(map.next());
  EXPECT_EQ(map.getAttribList(), nullptr);
  EXPECT_EQ(ids(map.getPK("B")), Names{"id"});
  EXPECT_TRUE(map.getPK("Z").isEmpty());

  // Adding a table again starts it afresh; full lists only ever grow.
  AttribList first = *map.getAttribList("B");
  map.addVirtList("B", &first);
  map.addTable("B");
  EXPECT_TRUE(map.getAttribList("B")->isEmpty());
  map.addAttrib("B", column("id", "PK"));
  map.addVirtList("B", map.getAttribList("B"));
  EXPECT_EQ(ids(*map.getVirtList("B")), (Names{"id", "name", "id"}));
  EXPECT_EQ(ids(map.getFullList("B")), (Names{"id", "name", "id", "id"}));
  EXPECT_EQ(ids(map.getFullGenericList("B")), (Names{"id", "name"}));
  EXPECT_TRUE(map.getVirtList("new")->isEmpty());
}

TEST(TablesMap, ForeignKeyColumns) {
  TablesMap map;
  Attributes customer("customer", "Customer", "Shop", "Order", "Buyer", "NOT", "Slave");
  customer.addProperty("FK");
  customer.setDefs("1", -1, "2", -1);
  customer.setComment("who buys");
  customer.SetVirtual();
  Attributes id = column("id", "PK", "Number");
  id.setNumber(3);
  Attributes region = column("region", "SK");  // no display name
  region.setNumber(3);
  // The table is created; the walk stops at the first key column without id.
  map.addFKList("Order", customer, listOf({id, region, column(""), column("never")}));
  const AttribList& fk = *map.getAttribList("Order");
  EXPECT_EQ(ids(fk), (Names{"customerid", "customerregion"}));
  const Attributes& first = *fk.begin();
  EXPECT_EQ(first.Type(), "Integer");
  EXPECT_EQ(first.Project(), "Shop");
  EXPECT_EQ(first.CurClass(), "Order");
  EXPECT_EQ(first.Name(), "Buyer Number");
  EXPECT_EQ(first.RefClass(), "Customer");
  EXPECT_EQ(first.RefAttr(), "id");
  EXPECT_EQ(first.Number(), 3);
  EXPECT_EQ(first.DefInit(), "1");
  EXPECT_EQ(first.DefUpdate(), "2");
  EXPECT_EQ(first.Comment(), "who buys");
  EXPECT_TRUE(first.IsVirtual());
  EXPECT_TRUE(first.IsProperty("FK") && first.IsProperty("NOT") && first.IsProperty("Slave") &&
              first.IsProperty("INDEX"));
  EXPECT_FALSE(first.IsProperty("PK") || first.IsProperty("HIDE") || first.IsProperty("SK"));
  const Attributes& second = *std::next(fk.begin());
  EXPECT_EQ(second.Name(), "Buyer");
  EXPECT_TRUE(second.IsProperty("HIDE"));  // its key column is an SK without GK

  // A reference named like its class keeps the key's ids; without a name of
  // its own it takes the key column's; an SK reference hides every column.
  Attributes named("Customer", "Customer", "Shop", "Bill", "", "SK");
  map.addFKList("Bill", named, listOf({id}));
  const Attributes& billed = *map.getAttribList("Bill")->begin();
  EXPECT_EQ(billed.Id(), "id");
  EXPECT_EQ(billed.Name(), "Number");
  EXPECT_TRUE(billed.IsProperty("HIDE") && billed.IsProperty("INDEX"));
  named.addProperty("GK");
  map.addTable("Bill");
  map.addFKList("Bill", named, listOf({id}));
  EXPECT_FALSE(map.getAttribList("Bill")->begin()->IsProperty("HIDE"));
}

TEST(TablesMap, SubclassQueries) {
  ModelWorld world;
  Project* p = world.project("P");
  ModelWorld::type("Integer");
  ClassDesc* a = ModelWorld::add(p, new ClassDesc("A", 0, ""));
  ClassDesc* b = ModelWorld::add(p, new ClassDesc("B", *a));
  ModelWorld::add(p, new ClassDesc("C", *a));
  ModelWorld::add(p, new ClassDesc("D", *b));
  EXPECT_EQ(names(p->tables.getChildrenList("A")), (Names{"B", "C"}));
  EXPECT_TRUE(p->tables.getChildrenList("C").empty());
  EXPECT_EQ(names(p->tables.getDescendanceList("A")), (Names{"B", "D", "C"}));
}
