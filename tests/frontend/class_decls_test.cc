// Class declarations: the class kinds and their objects, headers and
// comments, derived classes with their family type, classes reopened inside
// patch sections, and the errors of class headers.
#include <chrono>
#include <string>

#include "model/types_house.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

class ClassDecls : public Declarations {};

TEST_F(ClassDecls, KindsDecideFlagsAndObjects) {
  parseOk(
      "Class Plain { }\n"
      "Virtual Class Virt { }\n"
      "Abstract Class Abs { }\n"
      "UnArch Abstract Class UAbs { }\n"
      "UnArch Class UA { }\n"
      "Singular Class Single { }\n");
  struct Expected {
    const char* id;
    bool isVirtual, noArc, singular, object;
  };
  for (const Expected& e : {Expected{"Plain", false, false, false, true}, Expected{"Virt", true, false, false, false},
                            Expected{"Abs", true, false, false, true}, Expected{"UAbs", true, true, false, true},
                            Expected{"UA", false, true, false, true}, Expected{"Single", false, false, true, true}}) {
    SCOPED_TRACE(e.id);
    ClassDesc* c = cls(e.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Id(), e.id);
    EXPECT_EQ(c->IsVirtual(), e.isVirtual);
    EXPECT_EQ(c->HasNoArc(), e.noArc);
    EXPECT_EQ(c->IsSingular(), e.singular);
    EXPECT_EQ(c->HaveObject(), e.object);
    EXPECT_FALSE(c->IsSQLView());
    EXPECT_FALSE(c->IsInFamily() || c->IsExternal() || c->HasSK());
    EXPECT_EQ(c->Container(), "main");
    EXPECT_TRUE(c->Parent().IsEmpty());
    ASSERT_EQ(main->objects.count(e.id), e.object ? 1u : 0u);
    if (e.object) {
      EXPECT_EQ(main->objects[e.id]->Class(), e.id);
    }
  }
  EXPECT_EQ(main->classes.size(), 6u);
  EXPECT_TRUE(refProject.IsEmpty());
}

TEST_F(ClassDecls, HeadersIconsAndComments) {
  parseOk(
      "Class Shop \"The shop\" \"SH\" {\n"
      "  /* sells \"things\" */\n"
      "  Icon = \"shop.png\";\n"
      "}\n"
      "Class Named \"Only a name\" { }\n"
      "Singular Class One \"The one\" \"ON\" { /**/ }\n"
      "Class Bare { }\n");
  EXPECT_EQ(cls("Shop")->ClassAlias(), "The shop");
  EXPECT_EQ(cls("Shop")->getWID(), "SH");
  EXPECT_EQ(cls("Shop")->getIcon(), "shop.png");
  EXPECT_EQ(cls("Shop")->getComment(), " sells ''things'' ");
  EXPECT_EQ(cls("Named")->ClassAlias(), "Only a name");
  EXPECT_TRUE(cls("Named")->getWID().IsEmpty());
  EXPECT_EQ(cls("One")->ClassAlias(), "The one");
  EXPECT_EQ(cls("One")->getWID(), "ON");
  EXPECT_FALSE(cls("One")->getComment().IsNull());  // an empty comment is a comment
  EXPECT_TRUE(cls("Bare")->getComment().IsNull());
  EXPECT_TRUE(cls("Bare")->ClassAlias().IsEmpty());
  EXPECT_TRUE(cls("Bare")->getIcon().IsEmpty());
}

TEST_F(ClassDecls, LongCommentsKeepEveryDoubledQuote) {
  // The longest comment the lexer reads whole, all double quotes.
  std::string quotes(2046, '"');
  parseOk("Class Long { /*" + quotes + "*/ Attributes { Integer a; /*" + quotes + "*/ }\n" +
          "Methods { M(); /*" + quotes + "*/ } }\n");
  std::string doubled(2 * 2046, '\'');
  EXPECT_EQ(cls("Long")->getComment().std(), doubled);
  EXPECT_EQ(attr("Long", "a")->Comment().std(), doubled);
  EXPECT_EQ(method("Long", "M")->getComment().std(), doubled);
}

TEST_F(ClassDecls, ViewsBlockHasItsPlace) {
  parseOk("Class V { Views { } Attributes { Integer a; } Views { } }\n");
  EXPECT_NE(attr("V", "a"), nullptr);
}

TEST_F(ClassDecls, DerivedClassesRegisterTheFamilyType) {
  parseOk(
      "Class Root { }\n"
      "Class Mid : Root \"Middle\" \"MI\" { /* m */ }\n"
      "Virtual Class Leaf : Mid { }\n"
      "Virtual Class Base { }\n"
      "Class Sub : Base { }\n");
  ClassDesc* root = cls("Root");
  ClassDesc* mid = cls("Mid");
  ClassDesc* leaf = cls("Leaf");
  ASSERT_TRUE(root && mid && leaf);
  EXPECT_EQ(mid->Parent(), "Root");
  EXPECT_EQ(leaf->Parent(), "Mid");
  EXPECT_TRUE(root->IsInFamily() && mid->IsInFamily() && leaf->IsInFamily());
  EXPECT_EQ(mid->ClassAlias(), "Middle");
  EXPECT_EQ(mid->getWID(), "MI");
  EXPECT_EQ(mid->getComment(), " m ");
  EXPECT_TRUE(mid->HaveObject());
  EXPECT_TRUE(leaf->IsVirtual());
  EXPECT_EQ(main->objects.count("Leaf"), 0u);
  // One type for the whole family, named after its top ancestor, built on
  // Integer.
  EXPECT_EQ(TypesPool.findType("TYPE_Root", "C"), "int");
  EXPECT_EQ(TypesPool.findType("TYPE_Root", "RDBMS"), "NUMBER(10)");
  EXPECT_EQ(TypesPool.findType("TYPE_Root", "Name"), "Type");
  EXPECT_EQ(TypesPool.getProject("TYPE_Root"), "main");
  EXPECT_EQ(TypesPool.TypesList().count("TYPE_Mid"), 0u);
  // A class derived from a virtual base is not virtual and has its object.
  EXPECT_TRUE(cls("Base")->IsInFamily());
  EXPECT_FALSE(cls("Sub")->IsVirtual());
  EXPECT_TRUE(cls("Sub")->HaveObject());
  EXPECT_EQ(TypesPool.findType("TYPE_Base", "Name"), "Type");
}

TEST_F(ClassDecls, LongDerivationChainsFindTheirTopAncestor) {
  // Two families derived link by link, side by side, and a branch off the
  // middle of one. Each new link must not walk the chain above it again: with
  // such walks these 10,000 links take minutes.
  const int links = 5000;
  std::string text = "Class A0 { }\nClass B0 { }\n";
  for (int i = 1; i < links; ++i) {
    text += (Str("Class A") << i << " : A" << i - 1 << " { }\n").std();
    text += (Str("Class B") << i << " : B" << i - 1 << " { }\n").std();
  }
  text += "Class Branch : A2500 { }\n";
  auto started = std::chrono::steady_clock::now();
  parseOk(text);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  ASSERT_NE(cls("Branch"), nullptr);
  EXPECT_EQ(cls("Branch")->Parent(), "A2500");
  EXPECT_EQ(cls("B4999")->Parent(), "B4998");
  int familyTypes = 0;
  for (const auto& [type, fields] : TypesPool.TypesList())
    if (type.startsWith("TYPE_")) ++familyTypes;
  EXPECT_EQ(familyTypes, 2);
  EXPECT_EQ(TypesPool.findType("TYPE_A0", "Name"), "Type");
  EXPECT_EQ(TypesPool.findType("TYPE_B0", "C"), "int");
}

TEST_F(ClassDecls, ReopenedInPatchKeepsWhatItHad) {
  patches.insert("P");
  parseOk(
      "Virtual Class Kept \"Alias\" { /* first */ Attributes { Integer a; } Methods { M(a); } }\n"
      "Class Obj { /* obj */ }\n"
      "Class Host { Methods { View Sql(Host); } }\n"
      "patch \"P\"\n"
      "Class Kept { Attributes { Integer b; } Methods { M(b); N(); } }\n"
      "Class Obj { /* replaced */ }\n"
      "Class Sql { Attributes { Integer c; } }\n"
      "endpatch\n");
  ClassDesc* kept = cls("Kept");
  EXPECT_TRUE(kept->IsVirtual());
  EXPECT_FALSE(kept->HaveObject());
  EXPECT_EQ(main->objects.count("Kept"), 0u);
  EXPECT_EQ(kept->getComment(), " first ");
  EXPECT_EQ(kept->ClassAlias(), "Alias");
  EXPECT_EQ(attr("Kept", "a")->ProjectPatch(), "");
  EXPECT_EQ(attr("Kept", "b")->ProjectPatch(), "P");
  // The method declared again replaces the first one.
  Methods* m = method("Kept", "M");
  EXPECT_EQ(m->patch(), "P");
  ASSERT_EQ(m->Input().size(), 1u);
  EXPECT_EQ(m->Input().front().FName, "b");
  EXPECT_EQ(method("Kept", "N")->patch(), "P");

  EXPECT_EQ(cls("Obj")->getComment(), " replaced ");
  EXPECT_TRUE(cls("Obj")->HaveObject());
  EXPECT_TRUE(cls("Sql")->IsSQLView());
  EXPECT_NE(attr("Sql", "c"), nullptr);
  EXPECT_EQ(main->classes.size(), 4u);
}

TEST_F(ClassDecls, SkippedPatchSectionDeclaresNothing) {
  parseOk(
      "Class A { }\n"
      "patch \"Absent\"\n"
      "Class A { Attributes { Integer b; } }\n"
      "endpatch\n"
      "nopatch \"Absent\"\n"
      "Class B { }\n"
      "endpatch\n");
  EXPECT_EQ(attr("A", "b"), nullptr);
  EXPECT_NE(cls("B"), nullptr);
}

TEST_F(ClassDecls, HeaderErrors) {
  // Outside a patch section a class is declared once.
  EXPECT_EQ(run("Class A { }\nClass A { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: Class A already declared before token {\n");

  EXPECT_EQ(rerun("Class A { }\nSingular Class A { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: Class A already declared before token A\n");

  // A singular class is new even inside a patch section, and so is a derived one.
  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class A { }\npatch \"P\"\nSingular Class A { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Class A already declared before token A\n");

  EXPECT_EQ(rerun("Class A { }\nClass B : A { }\nClass B : A { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Class B already declared before token A\n");
  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class A { }\nClass B : A { }\npatch \"P\"\nClass B : A { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 7: Error: Class B already declared before token A\n");

  EXPECT_EQ(rerun("Class B : Nowhere { }\n"), 3);
  EXPECT_EQ(printed, "\"main.tsk\", line 4: Error: Class Nowhere not declared before token Nowhere\n");
  EXPECT_EQ(TypesPool.TypesList().count("TYPE_Nowhere"), 0u);

  // The class declared first keeps its alias.
  EXPECT_EQ(rerun("Virtual Class A { }\n\nClass A \"Again\" { }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Class A already declared before token Again\n");
  EXPECT_TRUE(cls("A")->ClassAlias().IsEmpty());
}

TEST_F(ClassDecls, ClassNamedLikeItsProjectThrows) {
  open(std::string(types) + "Class MAIN { }\n");
  try {
    parse(printed);
    FAIL() << "a class named like its project was accepted";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Class MAIN in the Project main match in Windows");
  }
  restart();
  open(std::string(types) + "Class A { }\nClass Main : A { }\n");
  try {
    parse(printed);
    FAIL() << "a derived class named like its project was accepted";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Class Main in the Project main match in Windows");
  }
  // A singular class is only checked against the classes declared.
  restart();
  open(std::string(types) + "Singular Class Main { }\n");
  EXPECT_EQ(parse(printed), 0) << printed;
  EXPECT_TRUE(cls("Main")->IsSingular());
}

TEST_F(ClassDecls, ClassesFollowTheProjectBeingRead) {
  write("part.tsk", "Class Piece { }\n");
  write("body.tsk", "Class Embedded { }\n");
  ASSERT_EQ(run("include \"part.tsk\"\nembed \"body.tsk\"\nClass Own { }\n"), 0) << printed;
  Project* part = projectMap.find("part");
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->classes.count("Piece"), 1u);
  EXPECT_EQ(part->classes["Piece"]->Container(), "part");
  EXPECT_EQ(part->objects.count("Piece"), 1u);
  EXPECT_EQ(main->classes.count("Piece"), 0u);
  EXPECT_EQ(cls("Embedded")->Container(), "main");
  EXPECT_NE(cls("Own"), nullptr);
}

}  // namespace
