// Attribute lists: the cursor protocol, copies and assignment, editing,
// lookups and the filtered copies.
#include "model/attrib_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_world.h"
#include "tests/support/list_names.h"

namespace {

Attributes column(const char* id, int number = 0, const char* cls = "C", const char* prop = "") {
  Attributes a(id, "Integer", "P", cls, "", prop);
  a.setNumber(number);
  return a;
}

AttribList listOf(std::initializer_list<const char*> ids) {
  AttribList list;
  for (const char* id : ids) list.pushAttrib(column(id));
  return list;
}

}  // namespace

TEST(AttribList, CursorProtocol) {
  AttribList empty;
  empty.reset();
  EXPECT_FALSE(empty.next());
  EXPECT_FALSE(empty.prev());

  AttribList one = listOf({"a"});
  one.reset();
  EXPECT_TRUE(one.next());
  EXPECT_FALSE(one.next());
  EXPECT_TRUE(one.next());  // from the end back to the first element

  AttribList three = listOf({"a", "b", "c"});
  three.reset();
  EXPECT_TRUE(three.prev());  // from the end to the last element
  EXPECT_EQ(three.getAttrib().Id(), "c");
  three.prev();
  three.prev();
  EXPECT_TRUE(three.atBegin());
  EXPECT_FALSE(three.prev());  // off the first element: to the end
  EXPECT_THROW(three.getAttrib(), Str);  // nothing to hand out at the end
  EXPECT_TRUE(three.next());
  EXPECT_EQ(three.getAttrib().Id(), "a");

  // A copy starts on its first element; an assignment takes the source's place.
  three.next();
  three.next();  // on c
  AttribList copy(three);
  EXPECT_EQ(copy.getAttrib().Id(), "a");
  AttribList assigned;
  assigned = three;
  EXPECT_EQ(assigned.getAttrib().Id(), "c");
  three.reset();
  assigned = three;
  EXPECT_TRUE(assigned.next());  // it was at the end
  EXPECT_EQ(assigned.getAttrib().Id(), "a");

  EXPECT_TRUE(listOf({"a", "b"}) == listOf({"a", "b"}));
  EXPECT_FALSE(listOf({"a", "b"}) == listOf({"b", "a"}));
  EXPECT_FALSE(listOf({"a"}) == listOf({"a", "b"}));
}

TEST(AttribList, Editing) {
  AttribList list = listOf({"a", "b"});
  list.pushList(list);  // appending itself doubles it
  EXPECT_EQ(ids(list), (Names{"a", "b", "a", "b"}));
  EXPECT_EQ(list.getAttrib().Id(), "b");  // on the last one appended
  list.removeRepeats();
  EXPECT_EQ(ids(list), (Names{"a", "b"}));

  AttribList repeats = listOf({"a", "b", "a", "c", "b"});
  repeats.removeRepeats();
  EXPECT_EQ(ids(repeats), (Names{"a", "b", "c"}));
  EXPECT_TRUE(repeats.next());  // the cursor ended at the end
  EXPECT_EQ(repeats.getAttrib().Id(), "a");

  AttribList popping = listOf({"a", "b", "c"});
  popping.reset();
  popping.next();
  popping.next();  // on b
  EXPECT_EQ(popping.popAttrib().Id(), "a");
  EXPECT_EQ(popping.getAttrib().Id(), "b");  // the cursor stays on its element
  popping.reset();
  popping.next();  // on b, now the first
  EXPECT_EQ(popping.popAttrib().Id(), "b");
  ASSERT_TRUE(popping.next());  // the cursor moved to the end: next gives the new first
  EXPECT_EQ(popping.getAttrib().Id(), "c");
  popping.popAttrib();
  EXPECT_TRUE(popping.popAttrib().Id().IsEmpty());  // empty list: empty attribute
  EXPECT_TRUE(popping.isEmpty());

  AttribList edited = listOf({"a", "b", "c"});
  edited.findAttrib("b")->SetVirtual();
  edited.throwVirtuals();
  edited.addPrefix("x");
  EXPECT_EQ(ids(edited), (Names{"xa", "xc"}));
  EXPECT_EQ(edited.findAttrib("xa")->IdSOAP(), "a");
}

TEST(AttribList, Lookups) {
  AttribList list;
  list.pushAttrib(Attributes("a", "Integer", "P", "C", "first"));
  list.pushAttrib(Attributes("b", "Integer", "P", "C", "", "SK"));
  list.pushAttrib(Attributes("a", "Integer", "P", "C", "second"));
  EXPECT_EQ(list.findAttrib("a")->Name(), "first");
  EXPECT_EQ(list.findSK()->Id(), "b");
  list.reset();
  list.next();
  list.next();  // on b
  EXPECT_NE(list.findAttribBeforeCurrPos("a"), nullptr);
  EXPECT_EQ(list.findAttribBeforeCurrPos("b"), nullptr);  // under the cursor, not before it
  list.reset();
  EXPECT_EQ(list.findAttribBeforeCurrPos("b")->Id(), "b");  // at the end: all of them

  // The columns a reference attribute produced: its id followed by the
  // referenced attribute.
  AttribList refs;
  Attributes ownerid("ownerid", "Integer", "P", "Order", "");
  ownerid.setRefAttr("id");
  ownerid.setRefClass("Person");
  refs.pushAttrib(ownerid);
  refs.pushAttrib(Attributes("name", "Text", "P", "Order", ""));
  Attributes buyerid(Str("buyerid"), ownerid);
  refs.pushAttrib(buyerid);
  EXPECT_EQ(ids(refs.findRefAttribs("owner", "")), (Names{"ownerid"}));
  EXPECT_EQ(ids(refs.findRefAttribs("owner", "Person")), (Names{"ownerid"}));
  EXPECT_TRUE(refs.findRefAttribs("owner", "Company").isEmpty());
  EXPECT_EQ(refs.findAttribByRef("id")->Id(), "ownerid");
}

TEST(AttribList, ForeignKeyGroups) {
  AttribList list;
  list.pushAttrib(column("id", 1, "A"));
  list.pushAttrib(column("bid", 2, "A", "FK"));
  list.pushAttrib(column("bno", 2, "A", "FK"));
  list.pushAttrib(column("cid", 3, "B", "FK"));
  int n = 1;
  EXPECT_EQ(ids(list.findNextFK(n)), (Names{"bid", "bno"}));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(ids(list.findNextFK(n)), (Names{"cid"}));
  EXPECT_EQ(n, 4);
  EXPECT_TRUE(list.findNextFK(n).isEmpty());
  EXPECT_EQ(n, 1);  // nothing examined

  // No FK column at all: n is one past the last number examined.
  AttribList plain;
  plain.pushAttrib(column("a", 1));
  plain.pushAttrib(column("b", 2));
  n = 1;
  EXPECT_TRUE(plain.findNextFK(n).isEmpty());
  EXPECT_EQ(n, 3);

  // A group that begins behind a plain column of the same number and class
  // still ends where the next group begins.
  AttribList mixed;
  mixed.pushAttrib(column("x", 2, "A"));
  mixed.pushAttrib(column("xid", 2, "A", "FK"));
  mixed.pushAttrib(column("yid", 3, "B", "FK"));
  n = 1;
  EXPECT_EQ(ids(mixed.findNextFK(n)), (Names{"xid"}));
  EXPECT_EQ(n, 3);
}

TEST(AttribList, FilteredCopies) {
  AttribList list = listOf({"a", "b", "c"});
  EXPECT_EQ(ids(list.getFromTail(2)), (Names{"b", "c"}));
  EXPECT_EQ(ids(list.getFromTail(5)), (Names{"a", "b", "c"}));
  EXPECT_TRUE(list.getFromTail(0).isEmpty());
  EXPECT_TRUE(list.getFromTail(-1).isEmpty());
  EXPECT_EQ(list.getFromTail(2).getAttrib().Id(), "b");  // a fresh list starts on its first element

  AttribList arcs = listOf({"id", "UserArc", "name", "DateArc"});
  EXPECT_EQ(ids(arcs.removeArcs()), (Names{"id", "name"}));

  list.findAttrib("b")->setDefs("1", 0, "", 0);
  EXPECT_EQ(ids(list.getWithInit()), (Names{"b"}));
  EXPECT_TRUE(list.next());  // its walk left the cursor at the end
  EXPECT_EQ(list.getAttrib().Id(), "a");
}

TEST(AttribList, FamilyDiscriminatorAtTheEnd) {
  ModelWorld world;
  Project* p = world.project("P");
  ClassDesc* person = ModelWorld::add(p, new ClassDesc("Person", 0, ""));
  ModelWorld::add(p, new ClassDesc("Employee", *person));
  auto listOfOwned = [](std::initializer_list<std::pair<const char*, const char*>> columns) {
    AttribList list;
    for (auto [id, cls] : columns) list.pushAttrib(Attributes(id, "Integer", "P", cls, ""));
    return list;
  };

  AttribList root = listOfOwned({{"id", "Person"}, {"PersonType", "Person"}});
  EXPECT_EQ(ids(root.removeLast()), (Names{"id"}));
  EXPECT_EQ(ids(root.getLast()), (Names{"PersonType"}));
  // In a derived class both the root's column and its own name count.
  EXPECT_EQ(ids(listOfOwned({{"id", "Employee"}, {"PersonType", "Employee"}}).removeLast()), (Names{"id"}));
  EXPECT_EQ(ids(listOfOwned({{"id", "Employee"}, {"EmployeeType", "Employee"}}).getLast()),
            (Names{"EmployeeType"}));
  // A single attribute, an unknown class or another name: no discriminator.
  AttribList single = listOfOwned({{"PersonType", "Person"}});
  EXPECT_EQ(ids(single.removeLast()), (Names{"PersonType"}));
  EXPECT_TRUE(single.getLast().isEmpty());
  EXPECT_EQ(ids(listOfOwned({{"id", "Ghost"}, {"GhostType", "Ghost"}}).removeLast()), (Names{"id", "GhostType"}));
  EXPECT_TRUE(listOfOwned({{"id", "Person"}, {"name", "Person"}}).getLast().isEmpty());
}
