// The declared method names the servers take: the full server refuses only
// the names of standard methods it really writes; the empty server, which
// writes none, only a server method given twice.
#include <string>

#include "servergen/server_names.h"
#include "tests/frontend/front_end_fixture.h"

namespace {

class ServerNames : public FrontEnd {
protected:
  // The refusal of `methods` declared in the class `holder` of a family
  // Party > Company and a singular class Config; empty when accepted.
  std::string refusal(const std::string& holder, const std::string& methods, bool withStandardMethods = true) {
    restart();
    auto cls = [&](const std::string& head, const std::string& name, const std::string& column) {
      return head + " \"" + name + "\" {\n  Attributes {\n    Integer " + column + ";\n  }\n" +
             (name == holder ? "  Methods {\n" + methods + "  }\n" : "") + "}\n";
    };
    open("Integer : C = \"int\", WS = \"INT\";\n" + cls("Class Party", "Party", "no, PK") +
             cls("Class Company : Party", "Company", "staff") + cls("Singular Class Config", "Config", "no, PK"),
         "desk.tsk");
    std::string printed;
    EXPECT_EQ(parse(printed), 0) << printed;
    try {
      checkServerNames(*main, withStandardMethods);
    } catch (const Str& error) {
      return error.std();
    }
    return "";
  }
};

TEST_F(ServerNames, RefusesOnlyNamesOfStandardMethodsTheServerWrites) {
  // A singular class has no standard Add: a declared ConfigAdd is served.
  EXPECT_EQ(refusal("Config", "    ConfigAdd(no);\n"), "");
  EXPECT_EQ(refusal("Party", "    PartyGetAbstract(no);\n"),
            "The method Party::PartyGetAbstract is named like the standard method PartyGetAbstract of class Party; "
            "rename it.");
  EXPECT_EQ(refusal("Config", "    PartyGetHistList(no);\n"),
            "The method Config::PartyGetHistList is named like the standard method PartyGetHistList of class "
            "Party; rename it.");
  // The empty server writes no standard method.
  EXPECT_EQ(refusal("Party", "    PartyGet(no);\n", false), "");
  EXPECT_EQ(refusal("Party", "    Get(no);\n    PartyGet(no);\n", false),
            "The methods Party::Get and Party::PartyGet both become the server method PartyGet; rename one of "
            "them.");
}

}  // namespace
