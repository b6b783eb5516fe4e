#include "model/types_house.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "model/adict.h"
#include "model/process_state.h"
#include "model/project.h"
#include "tests/support/scratch_dir.h"

namespace {

class TypesHouseTest : public ::testing::Test {
protected:
  void SetUp() override { resetProcessState(); }
  void TearDown() override { resetProcessState(); }

  // A temporary file with the given content; removed after the test.
  std::string tempFile(const std::string& suffix, const std::string& content) {
    return dir_.write("types" + suffix, content).std();
  }

  // The text a call throws, or "(nothing thrown)".
  template <class Call>
  static std::string thrown(Call call) {
    try {
      call();
    } catch (const Str& error) {
      return error.std();
    }
    return "(nothing thrown)";
  }

  static std::vector<int> codesOf(const TypesHouse& types, const char* type) {
    std::vector<int> codes;
    if (const std::list<ChkLine*>* items = types.GetInits(type))
      for (const ChkLine* item : *items) codes.push_back(item->code);
    return codes;
  }

  TypesHouse types;

private:
  ScratchDir dir_;
};

TEST_F(TypesHouseTest, AddInitGivesNextCodesAndKeepsTheFirstOfAValue) {
  types.AddInit("Color", "Red", "red", -1);
  types.AddInit("Color", "Green", "green", -1);
  types.AddInit("Color", "Blue", "blue", 7);
  types.AddInit("Color", "White", "white", -1);
  EXPECT_EQ(codesOf(types, "Color"), (std::vector<int>{0, 1, 7, 8}));
  EXPECT_EQ(types.numberOfEnumCodes("Color"), 4);
  EXPECT_EQ(types.maxEnumCode("Color"), 9);
  EXPECT_TRUE(types.isEnum("Color"));

  types.AddInit("Color", "Green", "other", 3);
  ASSERT_EQ(types.numberOfEnumCodes("Color"), 4);
  const ChkLine* green = *std::next(types.GetInits("Color")->begin());
  EXPECT_EQ(green->value, "Green");
  EXPECT_EQ(green->code, 1);
  EXPECT_EQ(green->comment, "green");

  // Codes are item codes of a declared type only.
  EXPECT_EQ(types.getEnumValueIfAny("Color", "Blue"), -1);
  types.AddType("Color", "C", "int");
  EXPECT_EQ(types.getEnumValueIfAny("Color", "Blue"), 7);
  EXPECT_EQ(types.getEnumValueIfAny("Color", "Black"), -1);

  types.AddType("Plain", "C", "long");
  EXPECT_FALSE(types.isEnum("Plain"));
  EXPECT_EQ(types.GetInits("Plain"), nullptr);
  EXPECT_EQ(types.numberOfEnumCodes("Plain"), -1);
  EXPECT_EQ(types.maxEnumCode("Plain"), -1);
  EXPECT_EQ(types.getEnumValueIfAny("Plain", "Red"), -1);
  EXPECT_EQ(types.getEnumValueIfAny("Nothing", "Red"), -1);
  // Reading absent types created nothing.
  EXPECT_EQ(types.TypesList().count("Nothing"), 0u);
  EXPECT_EQ(types.InitsList().count("Plain"), 0u);
}

TEST_F(TypesHouseTest, ItemsByValueAndNextCodesAfterAnyCodes) {
  types.AddInit("Sign", "Minus", "minus", -2);
  types.AddInit("Sign", "Zero", "zero", -1);  // one more than -2
  types.AddInit("Sign", "Big", "big", 9);
  types.AddInit("Sign", "Small", "small", 3);
  types.AddInit("Sign", "Next", "next", -1);  // one more than 9, not than 3
  types.AddInit("Sign", "Zero", "again", 5);  // the first item of a value stays
  EXPECT_EQ(codesOf(types, "Sign"), (std::vector<int>{-2, -1, 9, 3, 10}));
  EXPECT_EQ(types.maxEnumCode("Sign"), 11);
  const ChkLine* zero = types.findItem("Sign", "Zero");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->code, -1);
  EXPECT_EQ(zero->comment, "zero");
  EXPECT_EQ(types.findItem("Sign", "zero"), nullptr);
  EXPECT_EQ(types.findItem("Other", "Zero"), nullptr);
  types.AddType("Sign", "C", "int");
  types.AddEnumOption("Sign", "Big", "Color", "red");
  EXPECT_EQ(types.findItem("Sign", "Big")->options.at("Color"), "red");

  // A long enumeration is declared, checked again and searched without
  // walking its items for every new one: with such walks these 100,000
  // items would take minutes.
  const int count = 100000;
  auto started = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) types.AddInit("Long", (Str("v") << i).str(), "", -1);
  for (int i = 0; i < count; ++i) types.checkInit("Long", (Str("v") << i).str(), "", i);
  EXPECT_EQ(types.maxEnumCode("Long"), count);
  EXPECT_EQ(types.findItem("Long", "v99999")->code, 99999);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

TEST_F(TypesHouseTest, RedeclarationChecksNameTheCurrentFileAndLine) {
  std::string description = tempFile(".tsk", "");
  Project project(options, Str(description), nullptr);
  ASSERT_EQ(CP, &project);
  CP->fileName = "types.def";
  CP->line = 12;

  types.AddType("Int", "C", "int");
  types.checkType("Int", "LEN", "4");  // a new field is added silently
  EXPECT_EQ(types.findType("Int", "LEN"), "4");
  EXPECT_NO_THROW(types.checkType("Int", "C", "int"));
  EXPECT_EQ(thrown([&] { types.checkType("Int", "C", "long"); }),
            "Error! In the file types.def line 12. Attempt to reload Enum value. C of type Int.");
  EXPECT_EQ(types.findType("Int", "C"), "int");
  types.checkType("Undeclared", "C", "int");  // nothing to check against
  EXPECT_EQ(types.TypesList().count("Undeclared"), 0u);

  const std::string reload = "Error! In the file types.def line 12. Attempt to reload Enum value. ";
  types.AddInit("Flag", "Yes", "yes", 1);
  types.AddInit("Flag", "No", "no", -1);
  EXPECT_FALSE(types.checkInit("Flag", "Yes", "yes", 1));
  EXPECT_EQ(thrown([&] { types.checkInit("Flag", "Yes", "yes", 2); }), reload);
  EXPECT_EQ(thrown([&] { types.checkInit("Flag", "Yes", "Yes", 1); }), reload);
  EXPECT_EQ(thrown([&] { types.checkInit("Flag", "Maybe", "maybe", 3); }), reload);
  EXPECT_EQ(thrown([&] { types.checkInit("Int", "Yes", "yes", 1); }), reload);
  // A repeated item written with -1 got its code the first time; it matches.
  EXPECT_FALSE(types.checkInit("Flag", "No", "no", -1));
  EXPECT_EQ(thrown([&] { types.checkInit("Flag", "No", "nein", -1); }), reload);

  // Without a current project the position is empty.
  CP = nullptr;
  EXPECT_EQ(thrown([&] { types.checkType("Int", "C", "char"); }),
            "Error! In the file  line 0. Attempt to reload Enum value. C of type Int.");
}

TEST_F(TypesHouseTest, AbsentTypesAndFieldsInLookups) {
  types.AddType("Int", "C", "int");
  EXPECT_EQ(thrown([&] { types.findType("Nope", "C"); }), "types_str:136Error! Type Nope is not defined.");
  EXPECT_EQ(thrown([&] { types.AddAliasItem("Nope", "a", "b"); }), "types_str:143 Type Nope is not found. ");
  EXPECT_EQ(thrown([&] { types.AddEnumOption("Nope", "v", "k", "t"); }), "types_str:152 Type Nope is not found. ");
  EXPECT_EQ(types.TypesList().count("Nope"), 0u);
  Str missing = types.findType("Int", "LEN");
  EXPECT_TRUE(missing.IsEmpty());

  // Options of items that do not exist change nothing and throw nothing.
  EXPECT_NO_THROW(types.AddEnumOption("Int", "v", "k", "t"));
  EXPECT_FALSE(types.isEnum("Int"));

  // The fixed words of the messages go through the dictionary.
  std::string dictionary = tempFile(".dct",
                                    "\"\" \"Error!\" \"\" \"Fehler!\"\n"
                                    "\"\" \" Type \" \"\" \" Typ \"\n"
                                    "\"\" \" is not defined.\" \"\" \" ist nicht definiert.\"\n");
  dict = new ADict(dictionary.c_str(), ADict::english, ADict::german);
  EXPECT_EQ(thrown([&] { types.findType("Nope", "C"); }), "types_str:136Fehler! Typ Nope ist nicht definiert.");
  EXPECT_EQ(thrown([&] { types.AddAliasItem("Nope", "a", "b"); }), "types_str:143 Typ Nope is not found. ");
}

TEST_F(TypesHouseTest, CopyTypeReplacesTheWholeFieldMap) {
  types.AddType("Integer", "C", "int");
  types.AddType("Integer", "RDBMS", "NUMBER(10)");
  types.AddType("Kind", "Name", "Old name");
  types.CopyType("Kind", "Integer");
  EXPECT_EQ(types.findType("Kind", "C"), "int");
  EXPECT_EQ(types.findType("Kind", "RDBMS"), "NUMBER(10)");
  EXPECT_TRUE(types.findType("Kind", "Name").IsEmpty());
  // A copy, not a share.
  types.AddType("Kind", "C", "long");
  EXPECT_EQ(types.findType("Integer", "C"), "int");

  types.CopyType("Other", "Undeclared");
  EXPECT_EQ(types.TypesList().count("Other"), 0u);
}

TEST_F(TypesHouseTest, PrintAllTypesWritesEveryDeclaredTypeInNameOrder) {
  types.AddType("Plain", "LEN", "10");
  types.AddType("Plain", "C", "long");
  types.AddType("Flag", "Name", "Flag \"x\"");
  types.AddType("Flag", "C", "int");
  types.AddInit("Flag", "Yes", "yes", 1);
  types.AddInit("Flag", "No", "no", -1);
  types.AddEnumOption("Flag", "Yes", "b", "2");
  types.AddEnumOption("Flag", "Yes", "a", "1");
  types.AddType("Alias", "C", "char*");
  types.AddAliasItem("Alias", "a1", "v1");
  types.AddAliasItem("Alias", "a2", "v2");
  types.AddInit("Alias", "Extra", "extra", -1);  // the alias block wins
  types.AddInit("Orphan", "Lost", "lost", 5);    // items without fields are not written

  std::ostringstream out;
  types.printAllTypes(out);
  EXPECT_EQ(out.str(),
            "Alias:\n"
            "C = \"char*\"\n"
            "(\n"
            "\t\"a1\" = \"v1\";\n"
            "\t\"a2\" = \"v2\";\n"
            ")\n"
            "Flag:\n"
            "C = \"int\"\n"
            ", Name = \"Flag \\\"x\\\"\"\n"
            "{\n"
            "\tYes = 1 \"yes\", a = \"1\", b = \"2\";\n"
            "\tNo = 2 \"no\";\n"
            "}\n"
            "Plain:\n"
            "C = \"long\"\n"
            ", LEN = \"10\"\n"
            ";\n");

  std::ostringstream consts;
  types.printEnumsAsConsts(consts);
  EXPECT_EQ(consts.str(),
            "\n// Alias\n"
            "#ifndef _CONST_Extra_\n#define _CONST_Extra_\nconst int Extra = 0;// extra\n#endif\n"
            "\n// Flag\n"
            "#ifndef _CONST_Yes_\n#define _CONST_Yes_\nconst int Yes = 1;// yes\n#endif\n"
            "#ifndef _CONST_No_\n#define _CONST_No_\nconst int No = 2;// no\n#endif\n");
}

TEST_F(TypesHouseTest, OwnersCountersAndReset) {
  types.setProject("Int", "first");
  types.setProject("Int", "second");
  EXPECT_EQ(types.getProject("Int"), "first");
  EXPECT_TRUE(types.getProject("Other").IsEmpty());

  EXPECT_EQ(types.getCounter("Int"), 0);
  types.setCounter("Int", types.getCounter("Int") + 1);
  types.setCounter("Int", types.getCounter("Int") + 1);
  EXPECT_EQ(types.getCounter("Int"), 2);

  // Item lists stay where they are when the registry moves.
  types.AddInit("Flag", "Yes", "yes", 1);
  std::list<ChkLine*>* items = types.GetInits("Flag");
  TypesHouse moved(std::move(types));
  EXPECT_EQ(moved.GetInits("Flag"), items);
  EXPECT_EQ(items->front()->value, "Yes");

  TypesPool = std::move(moved);
  TypesPool.AddType("Int", "C", "int");
  resetProcessState();
  EXPECT_TRUE(TypesPool.TypesList().empty());
  EXPECT_TRUE(TypesPool.InitsList().empty());
  EXPECT_EQ(TypesPool.getCounter("Int"), 0);
}

}  // namespace
