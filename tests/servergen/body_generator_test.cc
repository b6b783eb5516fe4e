// The body skeleton of the server class over a class family, and the parent
// projects that are, and are not, bases of the server class.
#include "servergen/body_generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tests/model/model_world.h"

namespace {

// A class of `project` with an object and a table of its own.
ClassDesc* withTable(Project* project, ClassDesc* cls) {
  ModelWorld::add(project, cls)->setObject(1);
  project->tables.addTable(cls->Id());
  return cls;
}

// The same, declared with an object entry.
ClassDesc* withEntry(Project* project, ClassDesc* cls) {
  withTable(project, cls);
  project->objects[cls->Id()] = new ObjectDesc(cls->Id(), cls->Id());
  return cls;
}

Project* nested(ModelWorld& world, const char* name, Project* by, int relation) {
  Project* p = world.project(name);
  p->parent = by;
  p->relation = relation;
  return p;
}

}  // namespace

TEST(BodyGenerator, FamilyAndBaseProjects) {
  ScratchDir work(ScratchDir::enter);
  std::filesystem::create_directory(".src");
  ModelWorld world;
  // Shop inherits Base, which inherits Core; Shop includes Stock, which
  // inherits Extra. Extra is a parent project but no base of Shop.
  Project* shop = world.project("Shop");
  Project* base = nested(world, "Base", shop, 1);
  withEntry(nested(world, "Core", base, 1), new ClassDesc("Rate", 0, ""));
  Project* stock = nested(world, "Stock", shop, 0);
  withTable(stock, new ClassDesc("Bin", 0, ""));
  withEntry(nested(world, "Extra", stock, 1), new ClassDesc("Tax", 0, ""));

  ClassDesc* party = withTable(shop, new ClassDesc("Party", 0, ""));
  ClassDesc* trader = withTable(shop, new ClassDesc("Trader", *party));
  withTable(shop, new ClassDesc("Outlet", *trader));
  ClassDesc missing("Missing", 0, "");
  withTable(shop, new ClassDesc("Lost", missing));  // its parent is not in the project
  ModelWorld::add(shop, new ClassDesc("Note", 0, ""));
  shop->tables.addTable("Note");  // no object
  // Trader, a virtual class, has no object entry: its own server keeps its
  // rows, so it has no access class to include or to hold as a member.
  for (const char* id : {"Party", "Outlet", "Lost", "Note"}) shop->objects[id] = new ObjectDesc(id, id);

  std::ostringstream header, source;
  BodyGenerator(header, source, "Shop").Generate(false);

  EXPECT_EQ(header.str(),
            "#ifndef\t_ShopBODY_H_\n#define\t_ShopBODY_H_\n\n#include \"kvtracer.h\"\n#include \"comm.h\"\n"
            "#include \"comm_dp.h\"\n#include \"ordbms.h\"\n#include \"kvcache.h\"\n#include \"errmgr.h\"\n"
            "#include \"auto_consts.h\"\n#include \"scheme.h\"\n\n#include \"../consts.h\"\nclass Shop;\n\n"
            "extern is_enum_func is_enum_ptr;\nextern enum_to_string_func enum_to_string_ptr;\n\n"
            "extern int is_enum_Shop(int);\nextern const char* enum_to_string_Shop(int, int);\n\n"
            "#include \"bLost.h\"\n"
            "#include \"bParty.h\"\n#include \"bOutlet.h\"\n"
            "#include \"bParty.h\"\n#endif\n");
  EXPECT_EQ(source.str(),
            "#include <stdlib.h>\n#include \"iShop.h\"\n\n"
            "typedef class Base aBase;\ntypedef class Core aCore;\n"
            "Shop::Shop(const char* cnm, const char* onm)\n: aBase(cnm, onm), aCore(cnm, onm),  session(rdb)\n"
            ", errmgr(this)\n, oLost(this)\n, oOutlet(this)\n, oParty(this)\n"
            "{\n  is_enum_ptr = is_enum_Shop;\n  enum_to_string_ptr = enum_to_string_Shop;\n"
            "  RegisterMethods(cnm, onm);\n}\n\nShop::~Shop(){\n}\n\n"
            "void Shop::ClearAll(){\n  Base::ClearAll();\n  oLost.Clear();\n  oOutlet.Clear();\n  oParty.Clear();\n"
            "}\n\n#include \"scheme.cc\"\n");
  EXPECT_EQ(readFile(".src/Shopinternals.h"),
            "#include <iShop.h>\n\n#define key cache\n#define rdb ths->rdb\n#define errmgr ths->errmgr\n\n"
            "#define GUserID ths->GUserID\n#define GUserTime ths->GUserTime\n\n"
            "#define oLost ths->oLost\n#define oOutlet ths->oOutlet\n#define oParty ths->oParty\n"
            "#define oRate ths->oRate\n#define oTax ths->oTax\n");
}

TEST(BodyGenerator, SingleProject) {
  ScratchDir work(ScratchDir::enter);
  std::filesystem::create_directory(".src");
  ModelWorld world;
  world.project("Shop");
  std::ostringstream header, source;
  BodyGenerator(header, source, "Shop").Generate(false);
  EXPECT_NE(source.str().find("Shop::Shop(const char* cnm, const char* onm)\n:  session(rdb)\n, errmgr(this)\n{\n"),
            std::string::npos);
  EXPECT_NE(source.str().find("void Shop::ClearAll(){\n}\n"), std::string::npos);
  EXPECT_TRUE(readFile(".src/Shopinternals.h").ends_with("#define GUserTime ths->GUserTime\n\n"));
}
