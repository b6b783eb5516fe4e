// The access model: the standard methods list, the method lists of a class
// with the names its views and references add, the grant and deny members,
// the record lookups, and the views that other methods take values from.
#include "expand/access_model.h"

#include <gtest/gtest.h>

#include <list>
#include <map>
#include <string>

#include "expand/std_methods.h"
#include "model/methods.h"
#include "model/windows.h"
#include "tests/model/model_world.h"
#include "tests/support/list_names.h"

namespace {

using States = std::map<std::string, int>;

States states(const MethodACL& acl) {
  States out;
  for (const auto& [group, state] : acl.states()) out[group.std()] = state;
  return out;
}

// The class Order with an object and the methods calc and const total.
ClassDesc* order(Project* project) {
  ClassDesc* cls = ModelWorld::add(project, new ClassDesc("Order", 0, ""));
  cls->setObject(1);
  cls->AddMethod("calc", 1024, "");
  cls->AddMethod("total", 8, "");
  return cls;
}

}  // namespace

TEST(StdMethods, EightPairsAndExactNames) {
  ASSERT_EQ(StdMethods.size(), 8u);
  EXPECT_EQ(StdMethods.front(), std::make_pair(Str("Add"), Str("add")));
  EXPECT_EQ(StdMethods.back(), std::make_pair(Str("GetArcList"), Str("GetArcList")));
  EXPECT_TRUE(StdMethods.isStandard("GetForUpdate"));
  for (const char* other : {"view", "add", "get", ""}) EXPECT_FALSE(StdMethods.isStandard(other)) << other;
}

TEST(AccessModel, MethodListsOfOrderAndGrantWritable) {
  ModelWorld world;
  Project* shop = world.project("shop");
  order(shop);
  ClassACL& acl = shop->accessList["Order"];
  EXPECT_EQ(names(acl.getMethodsList()), (Names{"calc", "total", "OrderAdd", "OrderGet", "OrderGetForUpdate",
                                                "OrderUpdate", "OrderMoveToArc", "OrderGetArcList"}));
  EXPECT_EQ(names(acl.getROMethodsList()), (Names{"total", "OrderGet"}));
  EXPECT_EQ(names(acl.getWritableMethodsList()),
            (Names{"calc", "OrderAdd", "OrderUpdate", "OrderGetForUpdate", "OrderMoveToArc"}));
  EXPECT_EQ(names(acl.getArcMethodsList()), (Names{"OrderGetArc", "OrderGetHistList", "OrderGetArcList"}));
  EXPECT_EQ(names(acl.getUpdatableMethodsList()), (Names{"calc", "OrderUpdate", "OrderGetForUpdate"}));
  EXPECT_EQ(names(acl.getRemovableMethodsList()), (Names{"OrderMoveToArc"}));
  EXPECT_EQ(names(acl.getAddableMethodsList()), (Names{"OrderAdd"}));

  acl.grantWritable("g1");
  EXPECT_EQ(states(acl.classLevel()), (States{{"g1", 1}}));
  ASSERT_EQ(acl.methods().size(), 10u);
  for (const auto& [method, record] : acl.methods()) {
    bool archiveReader = method == "OrderGetArc" || method == "OrderGetHistList";
    EXPECT_EQ(states(record), (States{{"g1", archiveReader ? 0 : 1}})) << method;
  }
}

// Views add the methods they call for input, a family root its abstract
// reader, a list view the readers of the references; internal, standard and
// archive-bit methods stay out, and so do the standard names of a class
// without an object.
TEST(AccessModel, GeneratedNamesOfViewsFamiliesAndReferences) {
  ModelWorld world;
  Project* shop = world.project("shop");
  ClassDesc* customer = ModelWorld::add(shop, new ClassDesc("Customer", 0, ""));
  customer->AddAttribute("order", "Order", "", "", "", "");

  ClassDesc* cls = order(shop);
  cls->beInFamily();
  cls->AddMethod("check", 1, "");    // internal
  cls->AddMethod("Get", 8, "");      // a standard name
  cls->AddMethod("Add", 2048, "");   // archive bit, standard name
  cls->AddMethod("put", 2048, "");   // archive bit
  cls->AddAttribute("id", "Integer", "", "PK", "", "");
  cls->AddAttribute("buyer", "Customer", "", "", "", "");
  cls->AddAttribute("Customer", "Customer", "", "", "", "");
  TargetList listCalls{{"Fetch", {"Order", ""}},
                                {"calc", {"", ""}},         // declared by the class
                                {"Other", {"Item", ""}},    // another class
                                {"Far", {"", "elsewhere"}},  // another project
                                {Str(), {"", ""}}};
  cls->AddView("OrderList", "", nullptr)->setStandardInput(listCalls);
  cls->AddView("Pick", "", nullptr)->setStandardInput("Lookup", "", "shop");

  ClassACL& acl = shop->accessList["Order"];
  EXPECT_EQ(names(acl.getMethodsList()),
            (Names{"calc", "total", "OrderFetch", "OrderLookup", "OrderGetAbstract", "OrderAdd", "OrderGet",
                   "OrderGetForUpdate", "OrderUpdate", "OrderMoveToArc", "OrderGetArcList",
                   "OrderbuyerCustomer_Fetch", "OrderCustomer_Fetch"}));
  EXPECT_EQ(names(acl.getROMethodsList()), (Names{"total", "OrderFetch", "OrderLookup", "OrderGet",
                                                  "OrderGetAbstract", "OrderbuyerCustomer_Fetch",
                                                  "OrderCustomer_Fetch"}));
  EXPECT_EQ(names(acl.getArcMethodsList()), (Names{"Add", "put", "OrderGetArc", "OrderGetHistList", "OrderGetArcList"}));
  EXPECT_TRUE(acl.methodExists("OrderFetch"));
  EXPECT_FALSE(acl.methodExists("put"));
  EXPECT_FALSE(acl.methodExists("check"));

  // A list view without standard input names the generated list reader.
  cls->AddView("OrderList", "", nullptr);
  EXPECT_EQ(names(acl.getROMethodsList()).back(), "OrderCustomer_GetOrderList");

  ClassACL& plain = shop->accessList["Customer"];
  EXPECT_EQ(names(plain.getMethodsList()), Names{});
  EXPECT_EQ(plain.standardMethod("Add"), nullptr);
  EXPECT_EQ(names(plain.getWritableMethodsList()),
            (Names{"CustomerAdd", "CustomerUpdate", "CustomerGetForUpdate", "CustomerMoveToArc"}));
}

TEST(AccessModel, RecordsAndTheMembersNothingCalls) {
  ModelWorld world;
  Project* shop = world.project("shop");
  order(shop);
  shop->groups = {{"a", 1}, {"b", 2}};
  ClassACL& acl = shop->accessList["Order"];
  EXPECT_EQ(&shop->accessList["Order"], &acl);

  // A record made after a class-level change starts from it; an existing one
  // keeps its states through grantWritable's archive pass.
  acl.grantArchive("a");
  acl["calc"].hardDeny("b");
  acl.grantWritable("b");
  EXPECT_EQ(states(acl["OrderGetArc"]), (States{{"a", 1}}));
  EXPECT_EQ(states(acl["calc"]), (States{{"a", 1}, {"b", 1}}));
  acl.denyWritableAll();
  EXPECT_EQ(states(acl["OrderGetArcList"]), (States{{"a", 1}, {"b", 1}}));  // not a writing method
  EXPECT_EQ(states(acl["OrderAdd"]), (States{{"a", 0}, {"b", 0}}));
  EXPECT_EQ(states(acl["new"]), (States{{"a", 0}, {"b", 0}}));

  ClassACL fresh("Order");
  fresh.setDefaultGranted();
  EXPECT_EQ(fresh.methods().size(), 6u);  // the standard methods but GetArc and GetHistList
  EXPECT_EQ(states(fresh["OrderMoveToArc"]), (States{{"a", 1}, {"b", 1}}));
  fresh.deny("a");
  EXPECT_EQ(states(fresh["OrderGetHistList"]), (States{{"a", 0}, {"b", 1}}));
  EXPECT_EQ(states(fresh["OrderAdd"]), (States{{"a", 0}, {"b", 1}}));
  {
    CaptureStdout out;
    EXPECT_TRUE(fresh.methodAccessible("calc", "b"));
    EXPECT_FALSE(fresh.methodAccessible("calc", "x"));
    EXPECT_TRUE(fresh.methodAccessible("calc", Str()));
    EXPECT_EQ(out.text(), "Method inserted calc\nGroup unknown x\n");
  }

  ClassRefs& refs = shop->refsList["Order"];
  refs.setReferencesAll();
  refs.unsetReferences("b");
  EXPECT_TRUE(refs.classReferencible("a"));
  EXPECT_FALSE(refs.classReferencible("b"));
  EXPECT_TRUE(refs.classReferencible(Str()));
  refs.unsetReferencesAll();
  EXPECT_FALSE(refs.classReferencible("a"));

  // The record is built before the lookup: in a project without the class
  // the lookup throws although the record exists.
  world.project("other");
  Str error;
  try {
    shop->accessList["Order"];
  } catch (const Str& e) {
    error = e;
  }
  EXPECT_EQ(error, "Class not found :Order");
  EXPECT_THROW(shop->refsList["Order"], Str);
}

// Records with equal states share them; a change, or handing out the access
// word, touches one record only.
TEST(AccessModel, RecordsShareEqualStatesAndChangeAlone) {
  MethodACL a, c;
  a.grant("g");
  MethodACL b = a;
  c.grant("g");
  EXPECT_EQ(&a.states(), &c.states());
  b.hardDeny("g");
  a.getAcsSource() = "word";
  MethodACL d = a;
  a.deny("h");
  d.grant("g");  // no change
  EXPECT_EQ(states(a), (States{{"g", 1}, {"h", 0}}));
  EXPECT_EQ(states(b), (States{{"g", -1}}));
  EXPECT_EQ(states(c), (States{{"g", 1}}));
  EXPECT_EQ(states(d), (States{{"g", 1}}));
  EXPECT_EQ(a.getAcsSource(), "word");
  EXPECT_EQ(d.getAcsSource(), "word");
  EXPECT_TRUE(c.getAcsSource().IsNull());
}

TEST(AccessModel, StandardInputsOfReferencedViews) {
  ModelWorld world;
  Project* shop = world.project("shop");
  ClassDesc* cls = order(shop);
  ClassDesc* item = ModelWorld::add(shop, new ClassDesc("Item", 0, ""));
  cls->AddView("OrderList", "", nullptr)->setStandardInput("Fetch", "", "");
  cls->AddView("Own", "", nullptr)->setStandardInput("Mine", "", "");
  ViewWindow* pick = cls->AddView("Pick", "", nullptr);
  pick->setStandardInput("Choose", "", "");
  pick->AddMethod("Choose", "Choose", "Choose", "Order", "shop", "", "");
  cls->AddView("Unused", "", nullptr)->setStandardInput("Never", "", "");
  cls->AddView("Empty", "", nullptr);

  // Without a recorded source, an argument of the class's own method reads
  // its list view; a source without class names a view of the own class.
  Methods* calc = cls->FindMethod("calc");
  calc->AddInputArg("", "id", "Order", false, false);
  calc->AddInputArg("", "mine", "Order", false, false);
  calc->setInputArgSource(calc->Input().back(), "Own", "", "");
  Methods* take = item->AddMethod("take", 1024, "");
  take->AddInputArg("", "order", "Order", false, false);
  take->setInputArgSource(take->Input().back(), "Pick", "Order", "");
  take->AddInputArg("", "empty", "Order", false, false);
  take->setInputArgSource(take->Input().back(), "Empty", "Order", "");

  EXPECT_EQ(names(shop->refsList["Order"].getTablesStdInputsIfReferencible()),
            (Names{"OrderFetch", "OrderMine", "Choose"}));
}
