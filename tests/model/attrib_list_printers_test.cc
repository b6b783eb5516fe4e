// The C++ argument-list printers of attribute lists: every printer over lists
// of none, one and three attributes, and the item-result statements with
// their labels.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <string>
#include <vector>

#include "model/attrib_list.h"
#include "model/code_types.h"
#include "model/windows.h"
#include "model_world.h"

namespace {

class Printers : public ::testing::Test {
protected:
  Printers() {
    for (auto [type, code, ws] : {std::tuple{"Integer", "Int", "INT"}, {"Name", "char*", "STRING"},
                                  {"Text", "char *", "TEXT"}, {"Color", "Int", ""}}) {
      TypesPool.AddType(type, "C", code);
      TypesPool.AddType(type, "WS", ws);
    }
    TypesPool.AddInit("Color", "Red", "red", -1);
  }

  static AttribList listOf(std::initializer_list<Attributes> attributes) {
    AttribList list;
    for (const Attributes& a : attributes) list.pushAttrib(a);
    return list;
  }

  ModelWorld world;
  Attributes id{"id", "Integer", "P", "Customer", ""};
  Attributes title{"title", "Name", "P", "Customer", ""};
  Attributes note{"note", "Text", "P", "Customer", ""};
};

}  // namespace

TEST_F(Printers, EveryPrinterOverNoneOneAndThreeAttributes) {
  struct Row {
    const char* printer;
    std::function<Str(const AttribList&)> print;
    std::string one, three;
  };
  const std::vector<Row> rows = {
      {"printBaseArgs c", [](const AttribList& l) { return l.printBaseArgs('c'); }, " const Int& id",
       " const Int& id, const Str& title, const Str& note"},
      {"printInterfaceArgs", &AttribList::printInterfaceArgs, "Int id", "Int id , char* title , char * note"},
      {"printInterfaceNullArgs", &AttribList::printInterfaceNullArgs, ", Int id_PK",
       ", Int id_PK, char* title_PK, char * note_PK"},
      {"printInterfaceTypes", &AttribList::printInterfaceTypes, "Int", "Int , char* , char *"},
      {"printInterfaceNullTypes", &AttribList::printInterfaceNullTypes, ", Int=Int()",
       ", Int=Int(), char* =0, char * =0"},
      {"printCDecl", &AttribList::printCDecl, "  Int id;\n", "  Int id;\n  Str title;\n  Str note;\n"},
      {"printNullCDecl", &AttribList::printNullCDecl, "  Int id_PK;\n",
       "  Int id_PK;\n  Str title_PK;\n  Str note_PK;\n"},
      {"printNotNulls", &AttribList::printNotNulls, "!id.IsNull() && ",
       "!id.IsNull() && !title.IsNull() && !note.IsNull() && "},
      {"printIntoDP", &AttribList::printIntoDP, " << id", " << id << title << note"},
      {"printIntoThrow", &AttribList::printIntoThrow, " << id", " << id << \", \" << title << \", \" << note"},
      {"printArgs", &AttribList::printArgs, "id", "id, (char*)(const char*)title, (char*)(const char*)note"},
      {"printNullArgs", &AttribList::printNullArgs, ", id_PK",
       ", id_PK, (char*)(const char*)title_PK, (char*)(const char*)note_PK"},
      {"printIRAppend", [](const AttribList& l) { return l.printIRAppend("Customer", "", 0); },
       "  r->AppendValue((Int)(iCustomer.id),AC_INT,\"id\");\n",
       "  r->AppendValue((Int)(iCustomer.id),AC_INT,\"id\");\n"
       "  r->AppendValue((char*)(iCustomer.title.GetData()),AC_STRING,\"title\");\n"
       "  r->AppendValue((char *)(iCustomer.note.GetData()),AC_TEXT,\"note\");\n"},
  };
  AttribList none, one = listOf({id}), three = listOf({id, title, note});
  three.reset();
  three.next();
  three.next();  // the cursor stands on title and must stay there
  Attributes undeclared("x", "Undeclared", "P", "Customer", "");
  for (const Row& row : rows) {
    EXPECT_EQ(row.print(none).std(), "") << row.printer;
    EXPECT_EQ(row.print(one).std(), row.one) << row.printer;
    EXPECT_EQ(row.print(three).std(), row.three) << row.printer;
    EXPECT_EQ(three.getAttrib().Id(), "title") << row.printer;
    // Every printer but printNotNulls needs the code type of every attribute.
    if (row.printer != std::string("printNotNulls")) {
      EXPECT_THROW(row.print(listOf({id, undeclared})), Str) << row.printer;
    }
  }
  EXPECT_EQ(listOf({id, undeclared}).printNotNulls().std(), "!id.IsNull() && !x.IsNull() && ");
}

TEST_F(Printers, FlagDefaultsAndJoinedKeyArguments) {
  Attributes active("Active", "Integer", "P", "Customer", "", "FLAG");
  EXPECT_EQ(listOf({id, active}).printBaseArgs('h').std(), " const Int& id, const Int& Active = isCustomer");
  EXPECT_EQ(listOf({id, active}).printBaseArgs('c').std(), " const Int& id, const Int& Active");
  EXPECT_EQ(AttribList::joinArgLists("", ", Int x_PK").std(), "Int x_PK");
  EXPECT_EQ(AttribList::joinArgLists("Int a", ", Int x_PK").std(), "Int a, Int x_PK");
}

TEST_F(Printers, ItemResultLabels) {
  Project* project = world.project("P");
  ClassDesc* city = ModelWorld::add(project, new ClassDesc("City", 0, ""));
  city->AddAttribute("code", "Integer", "", "PK", "", "");
  ViewWindow* view = city->AddView("CityList", "", nullptr);
  view->AddOutputArg("P", "name", "City");
  view->AddOutputArg("P", "code", "City");
  city->AddView("Empty", "", nullptr);

  Attributes ref;  // a reference without SOAP id whose id names the referenced key
  ref.setId("code");
  ref.setType("Color");
  ref.setRefClass("City");
  ref.setRefAttr("code");
  ref.setDefRef("CityList", "City", "P");  // references are not extended
  Attributes town("town", "Integer", "P", "Customer", "");
  town.setDefRef("CityList", "City", "");  // the attribute's own project
  Attributes quoted(Str("a\"b"), town);
  quoted.setDefRef("Empty", "City", "P");  // a view without key column adds nothing
  AttribList list = listOf({ref, town, quoted, Attributes("UserArc", "Name", "P", "Customer", "")});
  EXPECT_EQ(list.printIRAppend("X", "  ", 0).std(),
            "    r->AppendValue((Int)(iX.code),AC_Color,\"Citycode\");\n"
            "    r->AppendValue((Int)(iX.town),AC_INT,\"towncode\");\n"
            "    r->AppendValue((Int)(iX.a\"b),AC_INT,\"a\\\"b\");\n");
  EXPECT_NE(list.printIRAppend("X", "", 1).find("(char*)(iX.UserArc.GetData()),AC_STRING,\"UserArc\")"),
            Str::npos);

  // A default reference to something missing names the attribute and the reference.
  town.setDefRef("CityList", "City", "Nowhere");
  try {
    listOf({town}).printIRAppend("X", "", 0);
    FAIL() << "a reference to a missing project passed";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Attribute town of class Customer: its default reference Nowhere.City.CityList names "
                           "the project Nowhere, which is not loaded.");
  }
  town.setDefRef("CityList", "Town", "P");
  EXPECT_THROW(listOf({town}).printIRAppend("X", "", 0), Str);
  town.setDefRef("Towns", "City", "P");
  EXPECT_THROW(listOf({town}).printIRAppend("X", "", 0), Str);
}

TEST_F(Printers, InitialValuesAsExpressions) {
  TypesPool.AddType("Label", "C", "char *");
  TypesPool.AddType("Word", "C", "Str");
  auto withInit = [](const char* type, const char* init) {
    Attributes a("a", type, "P", "C", "", "");
    a.setDefs(init, 0, "", 0);
    return initialValueOf(a).std();
  };
  EXPECT_EQ(withInit("Label", "no \"name\""), "\"no \\\"name\\\"\"");
  EXPECT_EQ(withInit("Word", "x"), "\"x\"");
  EXPECT_EQ(withInit("Label", "GUserID"), "GUserID");
  EXPECT_EQ(withInit("Integer", "1"), "1");
}
