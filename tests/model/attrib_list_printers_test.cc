// The C++ argument-list printers of attribute lists: every printer over lists
// of none, one and three attributes, and the item-result statements with
// their labels.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/attrib_list.h"
#include "model/windows.h"
#include "model_world.h"

namespace {

class Printers : public ::testing::Test {
protected:
  Printers() {
    TypesPool.AddType("Integer", "C", "Int");
    TypesPool.AddType("Integer", "WS", "INT");
    TypesPool.AddType("Name", "C", "char*");
    TypesPool.AddType("Name", "WS", "STRING");
    TypesPool.AddType("Text", "C", "char *");
    TypesPool.AddType("Text", "WS", "TEXT");
    TypesPool.AddType("Color", "C", "Int");
    TypesPool.AddType("Color", "WS", "INT");
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
       ", Int=Int(), char*=char*(), char *=char *()"},
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

TEST_F(Printers, FlagDefaultsOnlyInHeaderMode) {
  Attributes active("Active", "Integer", "P", "Customer", "", "FLAG");
  AttribList list = listOf({id, active});
  EXPECT_EQ(list.printBaseArgs('h').std(), " const Int& id, const Int& Active = isCustomer");
  EXPECT_EQ(list.printBaseArgs('c').std(), " const Int& id, const Int& Active");
}

TEST_F(Printers, JoiningPlainAndKeyArguments) {
  EXPECT_EQ(AttribList::joinArgLists("", ", Int x_PK").std(), "Int x_PK");
  EXPECT_EQ(AttribList::joinArgLists("Int a , Int b", ", Int x_PK").std(), "Int a , Int b, Int x_PK");
  EXPECT_EQ(AttribList::joinArgLists("Int a", "").std(), "Int a");
  EXPECT_EQ(AttribList::joinArgLists("", "").std(), "");
}

TEST_F(Printers, ItemResultStatementsAndTheirLabels) {
  Project* project = world.project("P");
  ClassDesc* city = ModelWorld::add(project, new ClassDesc("City", 0, ""));
  city->AddAttribute("code", "Integer", "", "PK", "", "");
  city->AddAttribute("name", "Name", "", "", "", "");
  ViewWindow* list = city->AddView("CityList", "", nullptr);
  list->AddOutputArg("P", "name", "City");
  list->AddOutputArg("P", "code", "City");
  ViewWindow* names = city->AddView("CityNames", "", nullptr);
  names->AddOutputArg("P", "name", "City");

  Attributes shade("shade", "Color", "P", "Customer", "");
  Attributes owner;  // a reference whose id names the referenced key: no SOAP id
  owner.setId("code");
  owner.setType("Integer");
  owner.setRefClass("City");
  owner.setRefAttr("code");
  owner.setDefRef("CityList", "City", "P");  // references are not extended
  Attributes plain;  // no SOAP id, not a reference
  plain.setId("plain");
  plain.setType("Integer");
  Attributes town("town", "Integer", "P", "Customer", "");
  town.setDefRef("CityList", "City", "");  // the project of the attribute
  Attributes quoted(Str("say\"so"), town);
  quoted.setDefRef("CityNames", "City", "P");  // the view shows no key column
  AttribList withArcs = listOf({shade, owner, plain, town, quoted, id});
  withArcs.pushAttrib(Attributes("UserArc", "Name", "P", "Customer", ""));
  withArcs.pushAttrib(Attributes("DateArc", "Integer", "P", "Customer", ""));

  const std::string body =
      "    r->AppendValue((Int)(iX.shade),AC_Color,\"shade\");\n"
      "    r->AppendValue((Int)(iX.code),AC_INT,\"Citycode\");\n"
      "    r->AppendValue((Int)(iX.plain),AC_INT,\"plain\");\n"
      "    r->AppendValue((Int)(iX.town),AC_INT,\"towncode\");\n"
      "    r->AppendValue((Int)(iX.say\"so),AC_INT,\"say\\\"so\");\n"
      "    r->AppendValue((Int)(iX.id),AC_INT,\"id\");\n";
  EXPECT_EQ(withArcs.printIRAppend("X", "  ", 0).std(), body);
  EXPECT_EQ(withArcs.printIRAppend("X", "  ", 1).std(),
            body + "    r->AppendValue((char*)(iX.UserArc.GetData()),AC_STRING,\"UserArc\");\n"
                   "    r->AppendValue((Int)(iX.DateArc),AC_INT,\"DateArc\");\n");

  // A default reference to something that is not there names the attribute
  // and the reference.
  auto failure = [](const Attributes& a) {
    try {
      listOf({a}).printIRAppend("X", "", 0);
    } catch (const Str& error) {
      return error.std();
    }
    return std::string("no error");
  };
  Attributes lost("lost", "Integer", "P", "Customer", "");
  lost.setDefRef("CityList", "City", "Nowhere");
  EXPECT_EQ(failure(lost), "Attribute lost of class Customer: its default reference Nowhere.City.CityList names "
                           "the project Nowhere, which is not loaded.");
  lost.setDefRef("CityList", "Town", "P");
  EXPECT_NE(failure(lost).find("P.Town.CityList names the class Town"), std::string::npos) << failure(lost);
  lost.setDefRef("Towns", "City", "P");
  EXPECT_NE(failure(lost).find("P.City.Towns names the view Towns"), std::string::npos) << failure(lost);
}
