// The project's method map: key order, the current entry, argument lists
// made from attribute lists, and lookups by full name.
#include "model/methods_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/list_names.h"

namespace {

Names keys(MethodsMap& map) {
  Names out;
  map.reset();
  while (map.next()) out.push_back(map.IdPair().first.std() + "/" + map.Name().std());
  return out;
}

}  // namespace

TEST(MethodsMap, EntriesAndTheCurrentOne) {
  MethodsMap map;
  EXPECT_TRUE(keys(map).empty());
  map.addInArg("x", "Integer", "", "", "", 0, 0, "");  // no entry yet: nothing happens
  map.addMethod("B", "a", "R", "", "", 0, nullptr);
  map.addMethod("A", "z", "R", "", "", 0, nullptr);
  map.addMethod("AB", "a", "R", "", "", 0, nullptr);
  map.addMethod("A", "b", "R", "", "", 0, nullptr);
  EXPECT_EQ(keys(map), (Names{"A/b", "A/z", "AB/a", "B/a"}));
  EXPECT_THROW(map.Body(), Str);  // the walk ended: no current entry

  map.addMethod("P", "PAdd", "ErrorMessage", "adds", "fix1", 8, nullptr);
  EXPECT_TRUE(map.getInArgs().isEmpty());
  map.addInArg("id", "Integer", "key", "g", "h", 1, 1, "Number");
  map.addOutArg("total", "Money", "", "", "", 0, "Total", 1, "(", ")");
  map.addOutArg("note", "Text", "", "", "", 1, "", 0, "", "");
  const Attributes& in = *map.getInArgs().findAttrib("id");
  EXPECT_EQ(in.Name(), "Number");
  EXPECT_TRUE(in.IsProperty("HIDE") && in.IsProperty("NOT"));
  EXPECT_EQ(ids(map.getOutArgs()), (Names{"total", "note"}));
  EXPECT_EQ(ids(map.getDWPK()), (Names{"total"}));  // only the one added as key
  EXPECT_EQ(map.getOutArgs().findAttrib("total")->Suffix(), ")");

  // Registering the key again resets the entry whole.
  map.addMethod("P", "PAdd", "ItemResult", "", "", 32, nullptr);
  EXPECT_TRUE(map.getInArgs().isEmpty() && map.getOutArgs().isEmpty() && map.getDWPK().isEmpty());
  EXPECT_TRUE(map.Body().isAutomatic());

  // After a deletion the cursor is at the end: arguments go nowhere.
  map.deleteMethod("P", "PAdd");
  map.addInArg("x", "Integer", "", "", "", 0, 0, "");
  EXPECT_EQ(keys(map), (Names{"A/b", "A/z", "AB/a", "B/a"}));
}

TEST(MethodsMap, ArgumentListsFromAttributeLists) {
  AttribList list;
  Attributes x("x", "Integer", "P", "Person", "X label", "NOT", "PK");
  x.setComment("the x");
  list.pushAttrib(x);
  list.pushAttrib(Attributes("y", "Text", "P", "Person", "", "HIDE"));

  MethodsMap map;
  map.addMethod("Person", "M", "R", "", "", 0, nullptr);
  map.addInArgList(list, -1, -1, "");
  const Attributes& ax = *map.getInArgs().findAttrib("x");
  const Attributes& ay = *map.getInArgs().findAttrib("y");
  EXPECT_TRUE(ax.IsProperty("NOT") && !ax.IsProperty("HIDE"));
  EXPECT_TRUE(ay.IsProperty("HIDE") && !ay.IsProperty("NOT"));
  // Texts are carried; class, project and key words are not.
  EXPECT_EQ(ax.Comment(), "the x");
  EXPECT_EQ(ax.Name(), "X label");
  EXPECT_TRUE(ax.CurClass().IsEmpty() && ax.Project().IsEmpty());
  EXPECT_FALSE(ax.IsProperty("PK"));

  map.addMethod("Person", "N", "R", "", "", 0, nullptr);
  map.addInArgList(list, 0, 1, "p_");
  EXPECT_EQ(ids(map.getInArgs()), (Names{"p_x", "p_y"}));
  for (const Attributes& a : map.getInArgs()) EXPECT_TRUE(a.IsProperty("NOT") && !a.IsProperty("HIDE")) << a.Id();

  // An attribute with an empty id ends the list.
  AttribList broken;
  broken.pushAttrib(Attributes("a", "Integer", "P", "C", ""));
  broken.pushAttrib(Attributes());
  broken.pushAttrib(Attributes("b", "Integer", "P", "C", ""));
  map.addMethod("Person", "O", "R", "", "", 0, nullptr);
  map.addInArgList(broken, -1, -1, "");
  map.addOutArgList(broken, -1, "o");
  EXPECT_EQ(ids(map.getInArgs()), (Names{"a"}));
  EXPECT_EQ(ids(map.getOutArgs()), (Names{"oa"}));

  AttribList key;
  key.pushAttrib(x);
  map.updateMethodList("P", "PGet", "ItemResult", "gets", 40, list, list, key);
  EXPECT_EQ(map.Name(), "PGet");
  EXPECT_EQ(map.Body().owner, nullptr);
  EXPECT_TRUE(map.getInArgs().findAttrib("x")->IsProperty("NOT"));
  EXPECT_FALSE(map.getOutArgs().findAttrib("x")->IsProperty("NOT"));  // outputs carry no NOT
  EXPECT_TRUE(map.getOutArgs().findAttrib("y")->IsProperty("HIDE"));
  EXPECT_EQ(ids(map.getDWPK()), (Names{"x"}));
}

TEST(MethodsMap, LookupsByFullName) {
  MethodsMap map;
  map.addMethod("P", "PAdd", "R", "", "", 0, nullptr);
  map.addMethod("Q", "Get", "R", "", "", 0x100, nullptr);
  map.reset();
  EXPECT_NE(map.findByName("P :: PAdd"), nullptr);
  EXPECT_TRUE(map.Name().IsEmpty());  // findByName leaves the cursor alone
  EXPECT_EQ(map.findByName("P::PAdd"), nullptr);
  EXPECT_EQ(map.findByName("PPAdd"), nullptr);
  EXPECT_TRUE(map.testByName("PPAdd"));
  EXPECT_FALSE(map.testByName("P :: PAdd"));

  MethodDesc* get = map.getMethod("Q :: Get");
  ASSERT_NE(get, nullptr);
  EXPECT_TRUE(get->isNOHeader());
  EXPECT_EQ(map.Name(), "Get");
  EXPECT_EQ(map.getMethod("Q :: Put"), nullptr);
  EXPECT_EQ(map.Name(), "Get");  // a failed lookup does not move the cursor

  // A full name with the separator twice matches two keys; the first in key
  // order answers, as a walk of the map would find it.
  map.addMethod("A :: B", "C", "second", "", "", 0, nullptr);
  map.addMethod("A", "B :: C", "first", "", "", 0, nullptr);
  EXPECT_EQ(map.findByName("A :: B :: C")->resultType, "first");
  map.deleteMethod("A", "B :: C");
  EXPECT_EQ(map.findByName("A :: B :: C")->resultType, "second");
}

TEST(MethodsMap, RepeatedKeyCopiesAndOneClassRange) {
  MethodsMap map;
  map.addMethod("Order", "Rows", "ListResult", "", "", 0, nullptr);
  // Each key copy becomes a parameter of its own: a repeated id is numbered
  // in the key list, while the outputs keep the ids until they are numbered.
  for (const char* id : {"id", "day", "id", "id"}) map.addOutArg(id, "Integer", "", "", "", 0, "", 1, "", "");
  EXPECT_EQ(ids(map.getDWPK()), (Names{"id", "day", "id1", "id2"}));
  EXPECT_EQ(ids(map.getOutArgs()), (Names{"id", "day", "id", "id"}));
  // Equal outputs, here and in another method, share one record: renaming
  // one of them in place leaves the others as they were.
  map.getOutArgs().reset();
  map.getOutArgs().next();
  map.getOutArgs().getAttrib().setId("id0");
  EXPECT_EQ(ids(map.getOutArgs()), (Names{"id0", "day", "id", "id"}));
  EXPECT_EQ(ids(map.getDWPK()), (Names{"id", "day", "id1", "id2"}));
  map.addMethod("Ord", "Copy", "R", "", "", 0, nullptr);
  map.addOutArg("id", "Integer", "", "", "", 0, "", 1, "", "");
  EXPECT_EQ(ids(map.getOutArgs()), (Names{"id"}));

  map.addMethod("Ord", "z", "R", "", "", 0, nullptr);
  map.addMethod("Order", "Add", "R", "", "", 0, nullptr);
  map.addMethod("Orders", "a", "R", "", "", 0, nullptr);
  Names walked;
  for (bool on = map.seekClass("Order"); on && map.IdPair().first == "Order"; on = map.next())
    walked.push_back(map.Name().std());
  EXPECT_EQ(walked, (Names{"Add", "Rows"}));
  EXPECT_FALSE(map.seekClass("Other"));
  EXPECT_THROW(map.Body(), Str);  // no entry of that class: the cursor is at the end
}
