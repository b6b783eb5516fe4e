// The parser frame, the type declarations and the file directives: what a
// parse leaves in the type registry and the project bookkeeping, and the
// diagnostics of malformed descriptions.
#include <gtest/gtest.h>

#include <chrono>
#include <list>
#include <sstream>
#include <string>
#include <utility>

#include "model/attributes.h"
#include "model/class_desc.h"
#include "model/type_items.h"
#include "model/types_house.h"
#include "tests/frontend/front_end_fixture.h"

namespace {

const char* const typeFile =
    "String : C = \"Str\", LEN = \"30\";\n"
    "Sex : C = \"int\" {\n"
    "  Male = -1 \"male\", Short = \"M\", Long = \"Man\";\n"
    "  Female = 5 \"female\";\n"
    "  Other = -1 \"\";\n"
    "}\n"
    "Color : C = \"Str\" ( \"r\" = \"red\"; \"g\" = \"green\"; )\n"
    "LongString :: String : LEN = \"60\";\n";

using Codes = std::list<std::pair<std::string, int>>;

Codes codesOf(const char* type) {
  Codes codes;
  std::list<ChkLine*>* items = TypesPool.GetInits(type);
  if (items)
    for (const ChkLine* item : *items) codes.emplace_back(item->value.std(), item->code);
  return codes;
}

std::string allTypes() {
  std::ostringstream out;
  TypesPool.printAllTypes(out);
  return out.str();
}

class Grammar : public FrontEnd {};

TEST_F(Grammar, EmptyDescriptionIsAProject) {
  open("\n# nothing but a comment\n");
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_EQ(printed, "");
  EXPECT_TRUE(TypesPool.TypesList().empty());
}

TEST_F(Grammar, TypeDeclarationsFillTheRegistry) {
  write("types.tsk", typeFile);
  open("embed \"types.tsk\"\nMoney : C = \"double\", Name = \"Money\";\n");
  std::string printed;
  ASSERT_EQ(parse(printed), 0);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(TypesPool.findType("Money", "C"), "double");
  EXPECT_EQ(TypesPool.findType("Money", "Name"), "Money");
  EXPECT_EQ(TypesPool.getProject("Money"), "main");
  EXPECT_EQ(TypesPool.getProject("Sex"), "main");
  // A derived type starts with its base's fields.
  EXPECT_EQ(TypesPool.findType("LongString", "C"), "Str");
  EXPECT_EQ(TypesPool.findType("LongString", "LEN"), "60");
  EXPECT_EQ(TypesPool.findType("String", "LEN"), "30");
  EXPECT_EQ(codesOf("Sex"), (Codes{{"Male", 0}, {"Female", 5}, {"Other", 6}}));
  const ChkLine* male = TypesPool.GetInits("Sex")->front();
  EXPECT_EQ(male->comment, "male");
  EXPECT_EQ(male->options, (std::map<Str, Str>{{"Long", "Man"}, {"Short", "M"}}));
  EXPECT_NE(allTypes().find("Color:\nC = \"Str\"\n(\n\t\"r\" = \"red\";\n\t\"g\" = \"green\";\n)\n"), std::string::npos);
  EXPECT_EQ(TypesPool.getCounter("Sex"), 1);
  EXPECT_EQ(mainProjectFiles, (std::list<Str>{"types.tsk"}));
  EXPECT_EQ(main->fileName, "main.tsk");
  EXPECT_EQ(main->input, main->ownFile);
  EXPECT_EQ(Level, 0);
}

TEST_F(Grammar, IdenticalRedeclarationIsAccepted) {
  write("types.tsk", typeFile);
  // Between the two embeds String gains a field: LongString, declared again,
  // must not copy its base a second time.
  open("embed \"types.tsk\"\n"
       "String : C = \"Str\", DBLEN = \"31\";\n"
       "embed \"types.tsk\"\n");
  std::string printed;
  ASSERT_EQ(parse(printed), 0);
  EXPECT_EQ(TypesPool.getCounter("Sex"), 2);
  EXPECT_EQ(TypesPool.getCounter("String"), 3);
  EXPECT_EQ(codesOf("Sex"), (Codes{{"Male", 0}, {"Female", 5}, {"Other", 6}}));
  EXPECT_EQ(TypesPool.findType("String", "DBLEN"), "31");
  EXPECT_EQ(TypesPool.findType("LongString", "DBLEN"), "");
  EXPECT_EQ(TypesPool.findType("LongString", "LEN"), "60");
  // The alias items are not appended again.
  EXPECT_NE(allTypes().find("Color:\nC = \"Str\"\n(\n\t\"r\" = \"red\";\n\t\"g\" = \"green\";\n)\n"), std::string::npos);
  EXPECT_EQ(mainProjectFiles, (std::list<Str>{"types.tsk", "types.tsk"}));
}

TEST_F(Grammar, DifferingRedeclarationIsRefused) {
  write("types.tsk", typeFile);
  write("other.tsk", "\n\nString : C = \"char\";\n");
  open("embed \"types.tsk\"\nembed \"other.tsk\"\n");
  std::string printed;
  try {
    parse(printed);
    FAIL() << "a differing field was accepted";
  } catch (const Str& error) {
    EXPECT_EQ(error, "Error! In the file other.tsk line 3. Attempt to reload Enum value. C of type String.");
  }
}

TEST_F(Grammar, StrayBytesAndHugeTokensEndInASyntaxError) {
  std::string printed;
  // A byte that starts no token is a token of its own, NUL included; no rule
  // accepts one, and the parse ends at the first.
  open(std::string(1, '\0'));
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, std::string("\"main.tsk\", line 1: Error: syntax error before token ") + '\0' + "\n");

  restart();
  open("T : C = \"1\";\n\xff;\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: syntax error before token \xff\n");

  // A 10 MB word without a line end: the first 65 characters are a word, and
  // the rest starts the next one, where the grammar expects a colon.
  restart();
  open(std::string(10 * 1024 * 1024, 'w'));
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 1: Error: syntax error before token " + std::string(65, 'w') + "\n");

  // Block comments do not nest: 100,000 openings are one comment up to the
  // first closing, cut after 2,047 characters (682 times " /*" and a blank);
  // the rest starts a second comment where a class body has no place for one.
  restart();
  std::string nested;
  for (int i = 0; i < 100000; ++i) nested += "/* ";
  for (int i = 0; i < 100000; ++i) nested += "*/ ";
  open("Class A {" + nested + "}\n");
  EXPECT_EQ(parse(printed), 1);
  std::string cut;
  for (int i = 0; i < 682; ++i) cut += " /*";
  EXPECT_EQ(printed, "\"main.tsk\", line 1: Error: syntax error before token " + cut + " \n");

  // A string of 2,047 escaped characters is whole; one more is cut there and
  // the rest read as tokens.
  restart();
  std::string escaped;
  for (int i = 0; i < 2047; ++i) escaped += "\\\"";
  open("T : C = \"" + escaped + "\";\nU : C = \"" + escaped + "\\\"\";\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(TypesPool.findType("T", "C"), Str(std::string(2047, '"')));
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: syntax error before token \\\n");
}

TEST_F(Grammar, NulBytesInTextsAreRefused) {
  // A NUL byte would cut a string, a stored comment or a patch name short:
  // each ends the parse with one diagnostic line naming it. A backslash takes
  // a NUL literally, which is no way around the refusal; a NUL in a line
  // comment is dropped with the comment.
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      {"T : C = \"Int\"; # a NUL \0 in a line comment\nU : C = \"Int\0eger\";\n"s,
       "line 2: Error: NUL character in string before token Int\0eger\n"s},
      {"T : C = \"a\\\0b\";\n"s, "line 1: Error: NUL character in string before token a\0b\n"s},
      {"Class Person {\n/* a re\0mark */\n}\n"s,
       "line 2: Error: NUL character in comment before token  a re\0mark \n"s},
      {"\nnopatch \"Fix\0Old\"\nT : C = \"1\";\nendpatch\n"s,
       "line 2: Error: NUL character in patch name before token Fix\0Old\n"s},
  };
  for (const auto& [text, diagnostic] : cases) {
    restart();
    open(text);
    std::string printed;
    EXPECT_EQ(parse(printed), 1);
    EXPECT_EQ(printed, "\"main.tsk\", " + diagnostic);
  }
}

TEST_F(Grammar, TypeSyntaxErrors) {
  std::string printed;
  // The base of a derived type must be a registered type.
  open("Base : C = \"1\";\nD :: Nope : X = \"1\";\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: syntax error before token Nope\n");

  // A header needs at least one field before its body.
  restart();
  open("T : ;\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 1: Error: syntax error before token ;\n");

  // A field named like a registered type lexes as a type name.
  restart();
  open("C : X = \"1\";\nT : C = \"2\";\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: syntax error before token C\n");

  // A block comment has no place among type declarations.
  restart();
  open("/* remark */\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 1: Error: syntax error before token  remark \n");

  // A number cut by the end of an embedded file is lost with the file's end.
  restart();
  write("t.tsk", "E : C = \"1\" { A = 12");
  open("embed \"t.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"t.tsk\", line 1: Error: syntax error before token END OF PROGRAM\n");
}

TEST_F(Grammar, PositionsAfterNestedAndEmbeddedFiles) {
  write("b.tsk", "\n\n\n");
  write("t.tsk", "A : C = \"1\";\n\n");
  open("include \"b.tsk\"\nembed \"t.tsk\"\n\n!\n");
  std::string printed;
  EXPECT_EQ(parse(printed), 1);
  EXPECT_NE(printed.find("\"main.tsk\", line 4: Error: syntax error before token !\n"), std::string::npos);

  restart();
  write("t.tsk", "\n\nA : ;\n");
  open("embed \"t.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"t.tsk\", line 3: Error: syntax error before token ;\n");
}

TEST_F(Grammar, NestedProjects) {
  write("sub/b.tsk", "embed \"bt.tsk\"\ninclude \"d.tsk\"\n");
  write("sub/bt.tsk", "BT : C = \"2\";\n");
  write("sub/d.tsk", "");
  write("c.x.tsk", "");
  open("include \"sub/b.tsk\"\nparent \"c.x.tsk\"\nX : C = \"1\";\n");
  std::string printed;
  ASSERT_EQ(parse(printed), 0);
  Project* b = projectMap.find("b");
  Project* c = projectMap.find("c");
  Project* d = projectMap.find("d");
  ASSERT_TRUE(b && c && d);
  EXPECT_EQ(b->Parent(), main.get());
  EXPECT_EQ(c->Parent(), main.get());
  EXPECT_EQ(d->Parent(), b);
  EXPECT_EQ(b->relation, 0);
  EXPECT_EQ(c->relation, 1);
  EXPECT_EQ(b->dir, "./sub");
  EXPECT_EQ(d->dir, "./sub");
  using Related = std::list<std::pair<Str, Str>>;
  EXPECT_EQ(main->related, (Related{{"b", "include"}, {"c", "parent"}}));
  EXPECT_EQ(b->related, (Related{{"d", "include"}}));
  EXPECT_EQ(projectOut, (std::map<Str, int>{{"b", 1}, {"c", 1}, {"d", 2}}));
  EXPECT_EQ(projectOutTree, (std::map<Str, std::map<Str, int>>{
                                {"main", {{"b", 1}, {"c", 1}}}, {"b", {{"d", 1}}}, {"c", {}}, {"d", {}}}));
  // Types belong to the project being read, embedded files included.
  EXPECT_EQ(TypesPool.getProject("BT"), "b");
  EXPECT_EQ(TypesPool.getProject("X"), "main");
  EXPECT_TRUE(mainProjectFiles.empty());  // embedded by a nested project
  EXPECT_EQ(Level, 0);
  EXPECT_EQ(CP, main.get());
  EXPECT_EQ(printed.find("Project::Project ./sub/b.tsk parent="), 0u);
  EXPECT_NE(printed.find("\nProject::Project ./sub/d.tsk parent="), std::string::npos);
  EXPECT_NE(printed.find("\nProject::Project ./c.x.tsk parent="), std::string::npos);
}

TEST_F(Grammar, IncludeCycles) {
  std::string printed;
  write("a.tsk", "\ninclude \"main.tsk\"\n");
  open("include \"a.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_NE(printed.find("\"./a.tsk\", line 2: Error: Cyclic inclusion of file ./main.tsk before token main.tsk\n"),
            std::string::npos);

  // Through another directory and back, and as parent.
  restart();
  write("sub/a.tsk", "parent \"../main.tsk\"\n");
  open("include \"sub/a.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_NE(printed.find("\"./sub/a.tsk\", line 1: Error: Cyclic inclusion of file ./sub/../main.tsk before token "
                         "../main.tsk\n"),
            std::string::npos);

  // A project that includes itself.
  restart();
  open("include \"main.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 1: Error: Cyclic inclusion of file ./main.tsk before token main.tsk\n");

  // A file that embeds itself.
  restart();
  write("t.tsk", "embed \"t.tsk\"\n");
  open("embed \"t.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"t.tsk\", line 1: Error: Cyclic inclusion of file ./t.tsk before token t.tsk\n");

  // A type file that embeds itself through a second one.
  restart();
  write("t1.tsk", "A : C = \"1\";\nembed \"t2.tsk\"\n");
  write("t2.tsk", "types \"t1.tsk\"\n");
  open("embed \"t1.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed,
            "\"t2.tsk\", line 1: Error: Warning! Using deprecated directive types.  before token t1.tsk\n"
            "\"t2.tsk\", line 1: Error: Cyclic inclusion of file ./t1.tsk before token t1.tsk\n");
}

TEST_F(Grammar, SameFileSideBySideIsNoCycle) {
  write("a.tsk", "A : C = \"1\";\n");
  write("t.tsk", "T : C = \"1\";\n");
  open("include \"a.tsk\"\ninclude \"a.tsk\"\nembed \"t.tsk\"\nembed \"t.tsk\"\n");
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_EQ(TypesPool.getCounter("A"), 2);
  EXPECT_EQ(TypesPool.getCounter("T"), 2);
}

TEST_F(Grammar, EmbeddedFilesThatCannotBeOpened) {
  std::string printed;
  open("\nembed \"nowhere.tsk\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: Cannot open type file ./nowhere.tsk.  before token nowhere.tsk\n");

  // A directory reads as nothing and is refused like a missing file.
  restart();
  write("sub/x.tsk", "");
  open("types \"sub\"\n");
  EXPECT_EQ(parse(printed), 1);
  EXPECT_EQ(printed,
            "\"main.tsk\", line 1: Error: Warning! Using deprecated directive types.  before token sub\n"
            "\"main.tsk\", line 1: Error: Cannot open type file ./sub.  before token sub\n");
}

TEST_F(Grammar, EmbedAndTypesDirectives) {
  write("abs/t.tsk", "T : C = \"1\";\n");
  write("u.tsk", "U : C = \"2\";\n");
  std::string absolute = (dir->path() / "abs/t.tsk").string();
  open("embed \"" + absolute + "\"\ntypes \"u.tsk\"\nV : C = \"3\";\n");
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_EQ(printed, "\"main.tsk\", line 2: Error: Warning! Using deprecated directive types.  before token u.tsk\n");
  EXPECT_EQ(TypesPool.findType("T", "C"), "1");
  EXPECT_EQ(TypesPool.findType("U", "C"), "2");
  EXPECT_EQ(TypesPool.findType("V", "C"), "3");
  EXPECT_EQ(mainProjectFiles, (std::list<Str>{Str(absolute.c_str())}));  // types is never recorded
}

TEST_F(Grammar, SkippedPatchSectionEndsWithItsFile) {
  write("t.tsk", "Bare : C = \"1\";\npatch \"P\"\nStill : C = \"2\";\n");
  open("embed \"t.tsk\"\nAfter : C = \"3\";\n");
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_EQ(TypesPool.TypesList().count("Bare"), 1u);
  EXPECT_EQ(TypesPool.TypesList().count("Still"), 0u);
  EXPECT_EQ(TypesPool.TypesList().count("After"), 1u);
}

TEST_F(Grammar, LargeDescriptionKeepsTheStacksShallow) {
  std::ostringstream out;
  for (int i = 0; i < 90000; ++i) out << "T" << i << " : C = \"Str\", Name = \"Type number " << i << "\";\n";
  out << "Big : C = \"int\" {\n";
  for (int i = 0; i < 2000; ++i) out << "  V" << i << " = -1 \"item\", K = \"k\";\n";
  out << "}\nWide : C = \"Str\" (\n";
  for (int i = 0; i < 2000; ++i) out << "  \"a" << i << "\" = \"b\";\n";
  out << ")\n";
  std::string text = out.str();
  ASSERT_GT(text.size(), 4000000u);
  open(text);
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(TypesPool.TypesList().size(), 90002u);
  EXPECT_EQ(TypesPool.numberOfEnumCodes("Big"), 2000);
  EXPECT_EQ(TypesPool.maxEnumCode("Big"), 2000);
}

TEST_F(Grammar, LongEnumerationNamedByManyDefaults) {
  // Every default and update value is looked up among the enumeration items;
  // 20,000 items named by 20,000 attributes must not cost a walk each.
  const int count = 20000;
  std::ostringstream out;
  out << "Big : C = \"int\" {\n";
  for (int i = 0; i < count; ++i) out << "  V" << i << " = " << i << " \"item\";\n";
  out << "}\nClass Holder {\n  Attributes {\n";
  for (int i = 0; i < count; ++i) out << "    Big a" << i << " = V" << count - 1 << " -> V0;\n";
  out << "  }\n}\n";
  open(out.str());
  auto started = std::chrono::steady_clock::now();
  std::string printed;
  EXPECT_EQ(parse(printed), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  EXPECT_EQ(printed, "");
  EXPECT_EQ(TypesPool.numberOfEnumCodes("Big"), count);
  ClassDesc* holder = projectMap.findClass("main", "Holder");
  ASSERT_NE(holder, nullptr);
  Attributes* last = holder->GetAttribute("a19999");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->DefInit(), "V19999");
  EXPECT_EQ(last->DefInitValue(), "19999");
}

}  // namespace
