// Groups sections: what each form leaves in the access model, a class named
// again, and every message with the token it is reported before.
#include <map>
#include <string>

#include "expand/access_model.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

using States = std::map<std::string, int>;

class GroupDecls : public Declarations {
protected:
  States states(const char* cls, const char* method) {
    States out;
    for (const auto& [group, state] : main->accessList.at(cls).methods().at(method).states())
      out[group.std()] = state;
    return out;
  }
};

}  // namespace

TEST_F(GroupDecls, FormsWriteTheAccessModel) {
  parseOk(
      "Class Order { Methods { calc(); const total(); adding put(); } }\n"
      "Class Item { }\n"
      "Groups {\n"
      "  admin 1; clerk 2; admin 5;\n"
      "  Order access granted all not_referencible clerk {\n"
      "    calc denied clerk;\n"
      "    total granted all;\n"
      "  }\n"
      "}\n"
      "Groups {\n"
      "  guest 3;\n"
      "  Order access denyed writable all audit guest;\n"
      "  Item access granted readonly clerk { ItemUpdate denied admin; }\n"
      "}\n");
  EXPECT_EQ(main->groups, (std::map<Str, int>{{"admin", 5}, {"clerk", 2}, {"guest", 3}}));

  // Named again, Order starts from a denied class level; the records it
  // does not touch keep their states, and every group may reference it.
  ClassACL& order = main->accessList.at("Order");
  EXPECT_EQ(order.getAcsSource(), "denied");
  EXPECT_EQ(order.getGroupAccess(), (GroupAccessList{{"writable", ""}}));  // `all` alone records nothing
  EXPECT_EQ(order.classLevel().states(), (std::map<Str, int>{{"admin", 0}, {"clerk", 0}, {"guest", 0}}));
  EXPECT_EQ(states("Order", "total"), (States{{"admin", 1}, {"clerk", 1}}));
  EXPECT_EQ(states("Order", "calc"), (States{{"admin", 0}, {"clerk", 0}, {"guest", 0}}));
  EXPECT_EQ(states("Order", "OrderGetArcList"), (States{{"admin", 1}, {"clerk", 1}, {"guest", 0}}));
  EXPECT_EQ(states("Order", "put"), (States{{"admin", 0}, {"clerk", 0}, {"guest", 0}}));
  EXPECT_EQ(main->refsList.at("Order").referencible(),
            (std::map<Str, bool>{{"admin", true}, {"clerk", true}, {"guest", true}}));

  // A hard deny on a method without record starts from the class level.
  EXPECT_EQ(main->accessList.at("Item").getAcsSource(), "granted");
  EXPECT_EQ(states("Item", "ItemUpdate"), (States{{"admin", -1}, {"clerk", 0}, {"guest", 0}}));
  EXPECT_EQ(states("Item", "ItemGet"), (States{{"admin", 0}, {"clerk", 1}, {"guest", 0}}));
}

TEST_F(GroupDecls, EachMessageStopsTheParse) {
  struct Case {
    const char* entry;
    const char* message;
  };
  const Case cases[] = {
      {"Nope access granted;", "Classname unknown before token access"},
      {"Order access granted nobody;", "Group unknown before token nobody"},
      {"Order access granted writable admin nobody;", "Group unknown before token nobody"},
      {"Order access denied audit nobody;", "Group unknown before token nobody"},
      {"Order access granted readonly nobody;", "Group 'nobody' unknown before token nobody"},
      {"Order access denied addable nobody;", "Group 'nobody' unknown before token nobody"},
      {"Order access granted updatable nobody;", "Group 'nobody' unknown before token nobody"},
      {"Order access granted removable nobody;", "Group 'nobody' unknown before token nobody"},
      {"Order access granted not_referencible nobody;", "Group unknown before token nobody"},
      // The method is checked once the first group is seen, or at the end
      // of an `all` entry.
      {"Order access granted { put granted admin; }", "Method not found before token admin"},
      {"Order access granted { nothing denied all; }", "Method not found before token ;"},
      {"Order access granted { calc denied nobody; }", "Group unknown before token nobody"},
      // A group declared only in a later section is not known yet.
      {"Order access granted readonly later; } Groups { later 3; Order access granted;",
       "Group 'later' unknown before token later"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(rerun(std::string("Class Order { Methods { calc(); adding put(); } }\n"
                                "Groups { admin 1;\n") +
                    c.entry + "\n}\n"),
              1);
    EXPECT_EQ(printed, std::string("\"main.tsk\", line 6: Error: ") + c.message + "\n");
  }
  // What the actions did before the failing one stays.
  EXPECT_EQ(rerun("Class Order { Methods { calc(); } }\n"
                  "Groups { admin 1; Order access granted writable admin nobody; }\n"),
            1);
  EXPECT_EQ(states("Order", "calc"), (States{{"admin", 1}}));
}
