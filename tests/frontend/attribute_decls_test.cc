// Attribute declarations: every attribute form with its properties and the
// class bits its keys set, initial and update values with their kinds,
// source windows, labels, hints, comments, group headings, patch names, and
// the errors of an attribute declared again or of an unknown enumeration item.
#include <string>
#include <vector>

#include "frontend/attribute_decls.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

class AttributeDecls : public Declarations {};

std::string where(const WinLocator& w) { return w.project.std() + "," + w.cls.std() + "," + w.window.std(); }

TEST_F(AttributeDecls, TypedAttributesWithValuesAndLabels) {
  parseOk(
      "Class A {\n"
      "  Attributes {\n"
      "    Integer plain;\n"
      "    Text txt = \"a\" -> \"b\";\n"
      "    State st = Open -> Closed;\n"
      "    Text who = GUserID -> GUserTime;\n"
      "    Integer stat = \"0\" Static;\n"
      "    Text labelled \"Label\", \"Hint text\"; /* a \"c\" */\n"
      "    Text named <- other::Person.Card \"Only label\";\n"
      "  }\n"
      "}\n");
  std::vector<std::string> order;
  for (Attributes* a = cls("A")->GetFirstAttribute(); a; a = cls("A")->GetNextAttribute())
    order.push_back(a->Id().std());
  EXPECT_EQ(order, (std::vector<std::string>{"plain", "txt", "st", "who", "stat", "labelled", "named"}));

  Attributes* plain = attr("A", "plain");
  EXPECT_EQ(plain->Type(), "Integer");
  EXPECT_EQ(plain->Project(), "main");
  EXPECT_EQ(plain->CurClass(), "A");
  EXPECT_TRUE(plain->DefInit().IsEmpty() && plain->DefUpdate().IsEmpty() && plain->Name().IsEmpty());
  EXPECT_TRUE(plain->Comment().IsEmpty() && plain->Hint().IsEmpty() && plain->Group().IsEmpty());
  EXPECT_EQ(where(plain->getDefRef()), ",,");
  EXPECT_FALSE(plain->IsVirtual() || plain->IsRef() || plain->isStatic() || plain->IsNotNull());

  EXPECT_EQ(attr("A", "txt")->DefInit(), "a");
  EXPECT_EQ(attr("A", "txt")->DefUpdate(), "b");
  EXPECT_EQ(attr("A", "txt")->DefInitValue(), "a");
  // An enumeration item as initial value carries its code.
  Attributes* st = attr("A", "st");
  EXPECT_EQ(st->DefInit(), "Open");
  EXPECT_EQ(st->DefInitValue(), "1");
  EXPECT_EQ(st->DefUpdate(), "Closed");
  // The keyword written is the value.
  EXPECT_EQ(attr("A", "who")->DefInit(), "GUserID");
  EXPECT_EQ(attr("A", "who")->DefUpdate(), "GUserTime");
  EXPECT_EQ(attr("A", "stat")->DefInit(), "0");
  EXPECT_TRUE(attr("A", "stat")->isStatic());

  Attributes* labelled = attr("A", "labelled");
  EXPECT_EQ(labelled->Name(), "Label");
  EXPECT_EQ(labelled->Hint(), "Hint text");
  EXPECT_EQ(labelled->Comment(), " a ''c'' ");
  Attributes* named = attr("A", "named");
  EXPECT_EQ(named->Name(), "Only label");
  EXPECT_TRUE(named->Hint().IsEmpty());
  // The window is written class first and kept project first.
  EXPECT_EQ(where(named->getDefRef()), "other,Person,Card");
}

TEST_F(AttributeDecls, KeysGivePropertiesAndClassBits) {
  parseOk(
      "Class K {\n"
      "  Attributes {\n"
      "    Integer id, GK;\n"
      "    Integer a, PK, INDEX;\n"
      "    Text u, UNIQUE, NOT NULL = \"x\" \"U\";\n"
      "    Text h, HIDE, NOTAB, NULL <- K.Win;\n"
      "    Integer n, AUTO_INCREMENT;\n"
      "  }\n"
      "}\n"
      "Class S { Attributes { Integer id, SK; Integer n; } }\n"
      "Class P { Attributes { Integer id, PK; } }\n");
  auto props = [&](const char* c, const char* a) {
    std::string out;
    for (const char* word : {"PK", "SK", "GK", "AUTO_INCREMENT", "INDEX", "HIDE", "NOTAB", "UNIQUE", "NOT", "NULL",
                             "Master", "Slave"})
      if (attr(c, a)->IsProperty(word)) out += std::string(out.empty() ? "" : " ") + word;
    return out;
  };
  EXPECT_EQ(props("K", "id"), "PK SK GK");
  EXPECT_EQ(props("K", "a"), "PK INDEX");
  EXPECT_EQ(props("K", "u"), "INDEX UNIQUE NOT");
  EXPECT_EQ(props("K", "h"), "HIDE NOTAB NULL");
  EXPECT_EQ(props("K", "n"), "AUTO_INCREMENT");
  EXPECT_EQ(props("S", "id"), "PK SK");
  EXPECT_EQ(props("S", "n"), "");
  EXPECT_EQ(props("P", "id"), "PK");
  EXPECT_EQ(attr("K", "u")->DefInit(), "x");
  EXPECT_EQ(attr("K", "u")->Name(), "U");
  EXPECT_EQ(where(attr("K", "h")->getDefRef()), ",K,Win");

  EXPECT_TRUE(cls("K")->HasSK() && cls("K")->IsVisibleSK() && cls("K")->IsAutoincremental());
  EXPECT_TRUE(cls("S")->HasSK());
  EXPECT_FALSE(cls("S")->IsVisibleSK() || cls("S")->IsAutoincremental());
  EXPECT_FALSE(cls("P")->HasSK() || cls("P")->IsVisibleSK() || cls("P")->IsAutoincremental());
}

TEST_F(AttributeDecls, ReferencesAndVirtualAttributes) {
  parseOk(
      "Class Person { }\n"
      "Class Order {\n"
      "  Attributes {\n"
      "    Person;\n"
      "    Person buyer Master = \"1\";\n"
      "    other::Cust(c) client Slave, PK <- Person.Card \"Client\", \"Who pays\";\n"
      "    Integer after = \"9\";\n"
      "    Virtual Person.name pname \"Name\";\n"
      "    Virtual other::Cust.code;\n"
      "    Virtual Person seller;\n"
      "    Virtual Integer total, HIDE <- shop::Person.Win \"Total\";\n"
      "    Virtual Text note, NOT NULL;\n"
      "  }\n"
      "}\n"
      "Class Next { Attributes { Integer z; } }\n");
  Attributes* person = attr("Order", "Person");
  ASSERT_NE(person, nullptr);
  EXPECT_EQ(person->Type(), "Person");
  EXPECT_EQ(person->Project(), "main");
  EXPECT_FALSE(person->IsVirtual() || person->IsProperty("Master") || person->IsNotNull());

  Attributes* buyer = attr("Order", "buyer");
  EXPECT_EQ(buyer->Type(), "Person");
  EXPECT_TRUE(buyer->IsProperty("Master"));
  EXPECT_EQ(buyer->DefInit(), "1");

  Attributes* client = attr("Order", "client");
  EXPECT_EQ(client->Type(), "Cust");
  EXPECT_EQ(client->Project(), "other");
  EXPECT_TRUE(client->IsProperty("Slave") && client->IsProperty("PK"));
  EXPECT_EQ(where(client->getDefRef()), ",Person,Card");
  EXPECT_EQ(client->Name(), "Client");
  EXPECT_EQ(client->Hint(), "Who pays");
  // A typed attribute takes the project of the class reference before it.
  EXPECT_EQ(attr("Order", "after")->Project(), "other");
  EXPECT_EQ(attr("Order", "after")->DefInit(), "9");

  Attributes* pname = attr("Order", "pname");
  EXPECT_TRUE(pname->IsVirtual());
  EXPECT_EQ(pname->Type(), "Person");
  EXPECT_EQ(pname->RefClass(), "Person");
  EXPECT_EQ(pname->RefAttr(), "name");
  EXPECT_EQ(pname->Name(), "Name");
  // Virtual attributes have no initial or update values.
  EXPECT_TRUE(pname->DefInit().IsEmpty() && pname->DefUpdate().IsEmpty());
  // Without an id of its own it is named after the referenced class.
  Attributes* code = attr("Order", "Cust");
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->Project(), "other");
  EXPECT_EQ(code->RefClass(), "Cust");
  EXPECT_EQ(code->RefAttr(), "code");

  Attributes* seller = attr("Order", "seller");
  EXPECT_TRUE(seller->IsVirtual());
  EXPECT_EQ(seller->Type(), "Person");
  EXPECT_TRUE(seller->RefAttr().IsEmpty());

  Attributes* total = attr("Order", "total");
  EXPECT_TRUE(total->IsVirtual());
  EXPECT_EQ(total->Type(), "Integer");
  EXPECT_TRUE(total->IsProperty("HIDE"));
  EXPECT_EQ(where(total->getDefRef()), "shop,Person,Win");
  EXPECT_EQ(total->Name(), "Total");
  EXPECT_TRUE(total->DefInit().IsEmpty() && total->DefUpdate().IsEmpty());
  EXPECT_TRUE(attr("Order", "note")->IsProperty("NOT"));

  // Every class starts without a class reference.
  EXPECT_EQ(attr("Next", "z")->Project(), "main");
}

TEST_F(AttributeDecls, ReferenceAliasIsKept) {
  parseOk("Class Order { Attributes { Person(p) buyer; } }\n");
  EXPECT_EQ(refAlias, "p");
  EXPECT_TRUE(refProject.IsEmpty());  // emptied at the end of the class
  // A reference without a name in parentheses clears it.
  EXPECT_EQ(rerun("Class Order { Attributes { Person(p) buyer; Person seller; } }\n"), 0) << printed;
  EXPECT_TRUE(refAlias.IsEmpty());
}

TEST_F(AttributeDecls, GroupsAndPatchNames) {
  patches.insert("P");
  parseOk(
      "Class G {\n"
      "  Attributes {\n"
      "    Integer a;\n"
      "    \"Main\":\n"
      "    Integer b;\n"
      "    Integer c; /* c */\n"
      "    \"Extra\":\n"
      "    Integer d;\n"
      "patch \"P\"\n"
      "    Integer e;\n"
      "    Integer f;\n"
      "endpatch\n"
      "    Integer g;\n"
      "nopatch \"Q\"\n"
      "    Integer h; /* last */\n"
      "endpatch\n"
      "  }\n"
      "  Attributes { Integer i; }\n"
      "}\n");
  struct Expected {
    const char* id;
    const char* group;
    const char* patch;
  };
  for (const Expected& e : {Expected{"a", "", ""}, Expected{"b", "Main", ""}, Expected{"c", "Main", ""},
                            Expected{"d", "Extra", ""}, Expected{"e", "Extra", "P"}, Expected{"f", "Extra", "P"},
                            Expected{"g", "Extra", ""}, Expected{"h", "Extra", "Q"}, Expected{"i", "", ""}}) {
    SCOPED_TRACE(e.id);
    Attributes* a = attr("G", e.id);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Group(), e.group);
    EXPECT_EQ(a->ProjectPatch(), e.patch);
  }
  EXPECT_EQ(attr("G", "h")->Comment(), " last ");
}

TEST_F(AttributeDecls, AttributeDeclaredAgain) {
  struct Case {
    const char* second;  // declared after "Integer x;" in the same block
    const char* message;
    int result;
  };
  const char* text = "Class Person { }\nClass C {\n  Attributes {\n    Integer x; Person;\n    ";
  for (const Case& c : {
           Case{"Integer x;", "Attribute with such name is already declared 5 before token }", 6},
           Case{"Text x, PK;", "Attribute with such name is already declared 2 before token }", 9},
           Case{"Person x Master;", "Attribute with such name is already declared 0 before token }", 6},
           Case{"Person x, PK;", "Attribute with such name is already declared 1 before token }", 9},
           Case{"Virtual Integer x;", "Attribute with such name is already declared 10 before token }", 6},
           Case{"Virtual Person.name x;", "Attribute with such name is already declared 11 before token }", 6},
           Case{"Virtual Person.name;", "Attribute with such name is already declared 11 before token }", 6},
           Case{"Virtual Person x;", "Attribute with such name is already declared 11 before token }", 6},
           Case{"Person; /* c */", "Attribute with such name is already declared 0 before token  c ", 6},
       }) {
    SCOPED_TRACE(c.second);
    EXPECT_EQ(rerun(std::string(text) + c.second + " }\n}\n"), c.result);
    EXPECT_EQ(printed, std::string("\"main.tsk\", line 8: Error: ") + c.message + "\n");
    // The first attribute stays as it was.
    EXPECT_EQ(attr("C", "x")->Type(), "Integer");
    EXPECT_FALSE(attr("C", "x")->IsVirtual());
  }
}

TEST_F(AttributeDecls, ValuesMustNameEnumerationItems) {
  EXPECT_EQ(run("Class C {\n  Attributes {\n    State s = open;\n  }\n}\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Syntax Error before token open\n");
  EXPECT_EQ(attr("C", "s"), nullptr);

  EXPECT_EQ(rerun("Class C {\n  Attributes {\n    State s = Open -> closed;\n  }\n}\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Syntax Error before token closed\n");

  // A word written directly before the arrow takes the hyphen into it, and
  // no item has that value.
  EXPECT_EQ(rerun("Class C {\n  Attributes {\n    State s = Open-> Closed;\n  }\n}\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Syntax Error before token Open-\n");

  // An item of any enumeration will do, whatever the attribute's type.
  EXPECT_EQ(rerun("Class C { Attributes { Text t = Closed -> Open; } }\n"), 0) << printed;
  EXPECT_EQ(attr("C", "t")->DefInit(), "Closed");
  EXPECT_EQ(attr("C", "t")->DefInitValue(), "Closed");  // Text has no items
  EXPECT_EQ(attr("C", "t")->DefUpdate(), "Open");

  // Only a name is an item: the same text as a string literal is a plain
  // value and gets no code.
  EXPECT_EQ(rerun("Class C { Attributes { State q = \"Closed\"; State r = Closed; } }\n"), 0) << printed;
  EXPECT_EQ(attr("C", "q")->DefInitValue(), "Closed");
  EXPECT_EQ(attr("C", "r")->DefInitValue(), "2");
}

TEST_F(AttributeDecls, MalformedItemsAreSyntaxErrors) {
  // Keys need a comma after the id; a Virtual typed attribute takes no value;
  // the window of a default names its class; an attribute has one update value.
  for (const char* item :
       {"Integer x PK;", "Virtual Integer x = \"1\";", "Integer x <- Win;", "Integer x Static -> \"1\";"}) {
    SCOPED_TRACE(item);
    EXPECT_EQ(rerun(std::string("Class C { Attributes { ") + item + " } }\n"), 1);
    EXPECT_NE(printed.find("Error: syntax error before token"), std::string::npos);
  }
}

}  // namespace
