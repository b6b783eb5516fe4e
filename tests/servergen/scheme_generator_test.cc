// The scheme files of a parsed and expanded description, whole, as the full
// server's step leaves them: enumeration constants of three projects, a
// remote proxy, domain classes of tables and archive tables with their flags
// and lengths; the enumeration part without any enumeration.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/adict.h"
#include "model/types_house.h"
#include "servergen/dnull.h"
#include "servergen/scheme_generator.h"
#include "tests/frontend/front_end_fixture.h"

namespace {

using std::string;
using Lines = std::vector<string>;

// The declaration of the domain class T; each column is "<kind> <id>".
string declaration(const string& T, const Lines& columns) {
  string attributes, members;
  for (const string& c : columns) {
    attributes += "    KVAttribute " + c.substr(c.find(' ') + 1) + ";\n";
    members += "  KV" + c + ";\n";
  }
  return "class " + T + " : public virtual KVDomain {\npublic :\n  struct " + T + "Domain {\n" + attributes +
         "    KVGroupAttribute Count;\n    " + T + "Domain();\n  } Domain;\n" + members + "  " + T + "();\n  " + T +
         "(const " + T + "&);\n  virtual ~" + T + "() {}\n  " + T + "Domain* operator->() { return &Domain; }\n  " +
         T + "& operator= (const " + T + "& );\n};\n\ntypedef " + T + " " + T + "Key;\n\n";
}

// The four definitions of T: each column's initialiser ("<id>(...)"), and
// the length initialisers of both constructors.
string definitions(const string& T, const Lines& initialisers, const string& lengths) {
  string domain = T + " :: " + T + "Domain :: " + T + "Domain()\n";
  string assign, bind, bindAndCopy;
  for (const string& init : initialisers) {
    string id = init.substr(0, init.find('('));
    domain += (&init == &initialisers.front() ? ": " : ", ") + init + "\n";
    assign += "  " + id + "=copy." + id + ";\n";
    bind += "  push_back(" + id + ".Bind(Domain." + id + ".Register(&" + id + ",this)));\n";
    bindAndCopy += "  push_back(" + id + ".Bind(Domain." + id + ".Register(&" + id + ",this)));\n" + "  " + id +
                   "=copy." + id + ";\n";
  }
  const string count = "  Domain.Count.Register(&Count,this);\n};\n\n";
  return domain + "{};\n\n" + T + "& " + T + " :: operator= (const " + T + "& copy ) {\n" + assign +
         "  return *this;\n};\n\n" + T + " :: " + T + "() : KVDomain(\"" + T + "\", \" \")" + lengths + "\n{\n" +
         bind + count + T + " :: " + T + "(const " + T + "& copy) : KVDomain(\"" + T + "\", \" \")" + lengths +
         "\n{\n" + bindAndCopy + count;
}

Lines without(Lines lines, const string& prefix) {
  std::erase_if(lines, [&](const string& s) { return s.find(prefix) != string::npos; });
  return lines;
}

// The is_enum_main function over the given constants.
string isEnum(const Lines& constants) {
  string text = "int is_enum_main(int i){\n  switch(i){\n";
  for (const string& c : constants) text += "    case AC_" + c + " :\n";
  return text + "      return 1;\n    default:\n      return 0;\n  }\n}\n\n";
}

class Schemes : public FrontEnd {
protected:
  void parseAndExpand(const string& text) {
    open(text);
    string printed;
    ASSERT_EQ(parse(printed), 0) << printed;
    CaptureStdout quiet;
    main->unwrapAll(false);
  }

  // The full server's scheme step.
  void fullServer() {
    SH << "#ifndef _main_SCHEME_H_\n#define _main_SCHEME_H_\n";
    SchemeGenerator scheme("main", SH, SC, DH, DC, dnull);
    scheme.GenerateEnums(false);
    scheme.Generate(main->tables, "", "");
    SchemeGenerator archives("main", SH, SC, dnull, dnull, dnull);
    archives.Generate(main->arcTables, "", "");
    SH << "#endif\n";
  }

  std::ostringstream SH, SC, DH, DC;
};

const char* const types =
    "Integer : C = \"int\", WS = \"INT\", qorbex = \"Int\", Name = \"Integer\";\n"
    "Text : C = \"Str\", WS = \"STRING\", qorbex = \"String\", LEN = \"40\", DBLEN = \"60\", Name = \"Text\";\n"
    "UserID : C = \"int\", WS = \"INT\", qorbex = \"Int\";\n"
    "Date : C = \"Str\", WS = \"DATE\", qorbex = \"Date\";\n";

TEST_F(Schemes, FullServer) {
  write("more.tsk",
        "Kind : C = \"int\" { Big = 1 \"big\"; Small = 2 \"small\"; }\n"
        "Shade : C = \"int\" { Dark = 2 \"dark\"; }\n");
  write("\xe9\xe9.tsk", "Tone : C = \"int\" { Low = 1 \"low\"; }\n");
  parseAndExpand(string(types) +
                 "Title : C = \"Str\", WS = \"STRING\", qorbex = \"String\", LEN = \"30\", LOCALE = \"yes\", "
                 "Name = \"Title\";\n"
                 "Secret : C = \"Str\", WS = \"STRING\", qorbex = \"String\", LEN = \"16\", ENCRYPT = \"yes\";\n"
                 "Motto : C = \"Str\", WS = \"STRING\", qorbex = \"String\", ENCRYPT = \"yes\", LOCALE = \"yes\", "
                 "Name = \"Motto\";\n"
                 "Tally : C = \"Int\", WS = \"INT\", qorbex = \"Int\", DBLEN = \"6\", Name = \"Visits\";\n"
                 "Amount : C = \"Double\", WS = \"DOUBLE\", qorbex = \"Double\", LEN = \"12\";\n"
                 "State : C = \"int\" { Open = 1 \"open\"; Shut = 2 \"shut\"; Closed = 2 \"closed\"; }\n"
                 "include \"more.tsk\"\n"
                 "include \"\xe9\xe9.tsk\"\n"
                 "Virtual Class Remote \"Remote\" {\n"
                 "  Attributes { Integer id, PK \"Number\"; }\n"
                 "  Methods { Ping(id) returns id; Load(...); }\n"
                 "}\n"
                 "Abstract Class Party \"Party\" {\n"
                 "  Attributes {\n"
                 "    Integer id, PK, AUTO_INCREMENT \"Number\";\n"
                 "    Title title \"Say \\\"hi\\\"\";\n"
                 "  }\n"
                 "  Methods { View Roster(Party.title, Person.first); }\n"
                 "}\n"
                 "Class Person : Party \"Person\" {\n"
                 "  Attributes {\n"
                 "    Secret pin, PK \"PIN\";\n"
                 "    Motto motto;\n"
                 "    Tally visits;\n"
                 "    Amount spent \"Spent\";\n"
                 "    Text first \"First\";\n"
                 "  }\n"
                 "}\n");
  // An item text that needs escaping inside a C++ string literal.
  TypesPool.AddInit("Tone", "a\"b\\c", "", 7);
  write("locale.dct", "\"\" \"Internal error\" \"\" \"Interner Fehler\"\n\"\" \"internal error\" \"\" \"Fehler\"\n");
  dict = new ADict("locale.dct", ADict::english, ADict::german);

  fullServer();

  // Each project counts its own ordinals from 33; "\xe9\xe9" sums to -46.
  const string enums =
      "#ifndef _main_ENUMS__\n#define _main_ENUMS__\n"
      "#define AC_Kind 4350033 // more\n"
      "#define AC_Shade 4350034 // more\n"
      "#define AC_State 4210033 // main\n"
      "#define AC_TYPE_Party 4210034 // main\n"
      "#define AC_Tone -459967 // \xe9\xe9\n"
      "\n\n#endif\n";
  auto cases = [](const string& items) {
    return "      switch(number){\n" + items + "        default : return getTranslation(\"Interner Fehler\");\n      }\n";
  };
  const string functions =
      isEnum({"Kind", "Shade", "State", "TYPE_Party", "Tone"}) +
      "const char* enum_to_string_main(int number, int type){\n  switch(type){\n"
      "    case AC_Kind :\n" +
      cases("        case 1: return getTranslation(\"Big\");\n        case 2: return getTranslation(\"Small\");\n") +
      "    case AC_Shade :\n" + cases("        case 2: return getTranslation(\"Dark\");\n") +
      "    case AC_State :\n" +
      cases("        case 1: return getTranslation(\"Open\");\n        case 2: return getTranslation(\"Shut\");\n") +
      "    case AC_TYPE_Party :\n" +
      cases("        case 0: return getTranslation(\"isParty\");\n"
            "        case 1: return getTranslation(\"isPerson\");\n") +
      "    case AC_Tone :\n" +
      cases("        case 1: return getTranslation(\"Low\");\n"
            "        case 7: return getTranslation(\"a\\\"b\\\\c\");\n") +
      "    default : return getTranslation(\"Fehler\");\n  }\n}\n\n";

  const Lines party = {"Int id", "String title", "Int UserArc", "Date DateArc", "Int PartyType"};
  const Lines partyInits = {"id(\"id\", \"Number\", AC_INT, AUTOINC_PK )",
                            "title(\"title\", \"Say \\\"hi\\\"\", AC_STRING, LOCALE )",
                            "UserArc(\"UserArc\", \"User ID\", AC_INT )",
                            "DateArc(\"DateArc\", \"Registration Time\", AC_DATE )",
                            "PartyType(\"PartyType\", \"Type\", AC_INT )"};
  const Lines partyArcInits = {partyInits[0], partyInits[1], "UserArc(\"UserArc\", \"User ID\", AC_INT, PRIMARY_KEY )",
                               "DateArc(\"DateArc\", \"Registration Time\", AC_DATE, PRIMARY_KEY )", partyInits[4]};
  // The parent's key comes first; a key flag wins over ENCRYPT, ENCRYPT
  // over LOCALE; Int and Double columns get no length.
  const Lines person = {"Int id",      "String pin",   "String motto", "Int visits",
                        "Double spent", "String first", "Int UserArc",  "Date DateArc"};
  const Lines personInits = {"id(\"id\", \"Party Number\", AC_INT, PRIMARY_KEY )",
                             "pin(\"pin\", \"PIN\", AC_STRING, PRIMARY_KEY )",
                             "motto(\"motto\", \"Motto\", AC_STRING, ENCRYPT )",
                             "visits(\"visits\", \"Visits\", AC_INT )",
                             "spent(\"spent\", \"Spent\", AC_DOUBLE )",
                             "first(\"first\", \"First\", AC_STRING )",
                             partyInits[2],
                             partyInits[3]};
  Lines personArcInits = personInits;
  personArcInits[6] = partyArcInits[2];
  personArcInits[7] = partyArcInits[3];
  const Lines roster = {"String title", "String first"};
  const Lines rosterInits = {"title(\"title\", \"Title\", AC_STRING, LOCALE )",
                             "first(\"first\", \"Text\", AC_STRING )"};

  // The virtual class without an object is a proxy and has no domain class;
  // the SQL view has one.
  EXPECT_EQ(SH.str(), "#ifndef _main_SCHEME_H_\n#define _main_SCHEME_H_\n" + enums +
                          "namespace __main{\n"
                          "class Remote {\n Str container;\npublic:\n  Remote(const Str& c) : container(c){}\n"
                          "  ErrorMessage* Load(DataPacket* dp, CommObject* ths=0);\n"
                          "  ItemResult* Ping(int id, CommObject* ths=0);\n};\n}\n" +
                          declaration("Party", party) + declaration("Person", person) +
                          declaration("Roster", roster) + "namespace __main{\n}\n" +
                          declaration("PartyArc", party) + declaration("PersonArc", person) + "#endif\n");
  EXPECT_EQ(SC.str(), functions +
                          "using namespace __main;\n#include \"rresult.h\"\n"
                          "ErrorMessage* Remote::Load(DataPacket* dp, CommObject* ths) {\n  dp->Reset();\n"
                          "  TRObject ro(container+\"_Object\", container+\"_Container\", ths);\n"
                          "  ro[\"Load\"].Arguments().append(*dp);\n  RemoteResult rr(ro);\n"
                          "  return (ErrorMessage*)(rr.GetMethodResult());\n}\n\n"
                          "ItemResult* Remote::Ping(int id, CommObject* ths) {\n"
                          "  TRObject ro(container+\"_Object\", container+\"_Container\", ths);\n"
                          "  ro[\"Ping\"] << id;\n  RemoteResult rr(ro);\n"
                          "  return (ItemResult*)(rr.GetMethodResult());\n}\n\n" +
                          definitions("Party", partyInits, ", title(30)") +
                          definitions("Person", personInits, ", pin(16), first(60)") +
                          definitions("Roster", rosterInits, ", title(30), first(60)") +
                          "using namespace __main;\n" + definitions("PartyArc", partyArcInits, ", title(30)") +
                          definitions("PersonArc", personArcInits, ", pin(16), first(60)"));
  // The second pair: no proxies, no archive tables, no audit columns.
  EXPECT_EQ(DH.str(), enums + declaration("Party", without(party, "Arc")) +
                          declaration("Person", without(person, "Arc")) + declaration("Roster", roster));
  EXPECT_EQ(DC.str(), definitions("Party", without(partyInits, "Arc"), ", title(30)") +
                          definitions("Person", without(personInits, "Arc"), ", pin(16), first(60)") +
                          definitions("Roster", rosterInits, ", title(30), first(60)"));
}

TEST_F(Schemes, NoEnumerations) {
  parseAndExpand(string(types) + "Class Note \"Note\" {\n  Attributes { Text body; }\n}\n");
  SchemeGenerator("main", SH, SC, dnull, dnull, dnull).GenerateEnums(false);

  EXPECT_EQ(SH.str(), "#ifndef _main_ENUMS__\n#define _main_ENUMS__\n\n\n#endif\n");
  EXPECT_EQ(SC.str(), isEnum({}) +
                          "const char* enum_to_string_main(int number, int type){\n  switch(type){\n"
                          "    default : return getTranslation(\"internal error\");\n  }\n}\n\n");
}

// What the model must hold but may lack is an error naming it, not a crash.
TEST_F(Schemes, MissingOwnerOrSignatureIsAnError) {
  parseAndExpand(string(types) +
                 "State : C = \"int\" { Open = 1 \"open\"; }\n"
                 "Virtual Class Remote \"Remote\" {\n"
                 "  Attributes { Integer id, PK; }\n"
                 "  Methods { Ping(id); }\n"
                 "}\n");
  main->methods.deleteMethod("Remote", "Ping");
  auto message = [](auto write) {
    try {
      write();
    } catch (const Str& error) {
      return error.std();
    }
    return string("no error");
  };
  EXPECT_EQ(message([&] { SchemeGenerator("main", SH, SC, DH, DC, dnull).Generate(main->tables, "", ""); }),
            "The method Remote::Ping of the remote class Remote has no signature in the method map, so its "
            "proxy cannot be written.");
  TypesPool.setProject("Loose", "gone");
  TypesPool.AddType("Loose", "C", "int");
  TypesPool.AddInit("Loose", "One", "", 1);
  EXPECT_EQ(message([&] { SchemeGenerator("main", SH, SC, DH, DC, dnull).GenerateEnums(false); }),
            "The enumeration Loose belongs to no loaded project (gone), so its constant AC_Loose has no code.");
}

}  // namespace
