// The hand-completed parts of the server interface: the empty server's
// i<P>.h and i<P>.cc, the placeholder bodies of bung.cc and the constants of
// auto_consts.h, written from one model.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "model/adict.h"
#include "rt/output_file.h"
#include "servergen/interface_methods_generator.h"
#include "tests/model/model_world.h"

namespace {

using std::string;

// A placeholder of the server class.
string placeholder(const string& head, const string& body) { return head + " {\n  " + body + ";\n}\n\n"; }

}  // namespace

TEST(EmptyServer, InterfaceAndPlaceholdersOfOneModel) {
  ScratchDir work(ScratchDir::enter);
  std::filesystem::create_directory(".src");
  ModelWorld world;
  // "Not implemented" in Russian holds a quote pair and a backslash, which the
  // generated literals must escape.
  work.write("locale.dct", "\"Ne \\\"gotovo\\\" \\\\ eshche\" \"Not implemented\"\n");
  language = ADict::russian;
  dict = new ADict("locale.dct", ADict::english, ADict::russian);
  const string ni = "throw Exc(\"Ne \\\"gotovo\\\" \\\\ eshche\")";
  const string niDot = "throw Exc(\"Ne \\\"gotovo\\\" \\\\ eshche.\")";
  for (auto [type, code] : {std::pair{"Int", "Int"}, {"Name", "char*"}, {"Text", "char *"}})
    TypesPool.AddType(type, "C", code);

  // The base of the server class is the first parent project by name, not
  // the first one brought in.
  world.project("Base")->relation = 1;
  world.project("Aux")->relation = 1;
  world.project("Catalog");
  Project* shop = world.project("Shop");
  ClassDesc* customer = ModelWorld::add(shop, new ClassDesc("Customer", 0, ""));
  ClassDesc* gadget = ModelWorld::add(shop, new ClassDesc("Gadget", 0, ""));
  gadget->beVirtual();
  ClassDesc* order = ModelWorld::add(shop, new ClassDesc("Order", 0, ""));
  ClassDesc* vip = ModelWorld::add(shop, new ClassDesc("VipCustomer", *customer));
  // Customer, Order and VipCustomer have the standard methods of the full
  // server; Gadget has none.
  for (ClassDesc* cls : {customer, order, vip}) {
    cls->setObject(1);
    shop->tables.addTable(cls->Id());
    shop->objects[cls->Id()] = new ObjectDesc(cls->Id(), cls->Id());
  }

  MethodsMap& map = shop->methods;
  MethodArgs arg(map);
  map.addMethod("Customer", "Add", "ErrorMessage", "", "", 0, customer);
  arg.in("id", "Int"), arg.in("title", "Name");
  map.addMethod("Customer", "Get", "ItemResult", "", "", 0, customer);  // without GetForUpdate
  arg.in("id", "Int");
  map.addMethod("Customer", "Import", "ErrorMessage", "", "", 0x80, customer);
  arg.in("id", "Int");
  map.addMethod("Customer", "MoveToArc", "ErrorMessage", "", "", 0, customer);
  arg.in("id", "Int");
  map.addMethod("Customer", "Notify", "ErrorMessage", "", "", 0x100, customer);
  arg.in("id", "Int");
  map.addMethod("Customer", "Recalc", "Int", "", "", 0x1, customer);
  arg.in("id", "Int"), arg.in("note", "Text"), arg.out("total", "Int");
  map.addMethod("Customer", "Rows", "ListResult", "", "", 0, customer);  // no inputs, view key columns
  arg.out("code", "Int", 1);
  map.addMethod("Customer", "Touch", "ErrorMessage", "", "", 0x1, customer);
  map.addMethod("Customer", "Update", "ErrorMessage", "", "", 0, customer);
  arg.in("id", "Int"), arg.in("title", "Name"), arg.out("id", "Int", 1);
  map.addMethod("Gadget", "Tune", "ErrorMessage", "", "", 0x1, gadget);
  arg.in("id", "Int");
  map.addMethod("Order", "Get", "ItemResult", "", "", 0, order);
  arg.in("code", "Text");
  map.addMethod("Order", "GetForUpdate", "ItemResult", "", "", 0, order);
  arg.in("code", "Text");
  map.addMethod("VipCustomer", "Add", "ErrorMessage", "", "", 0, vip);
  map.addMethod("VipCustomer", "Get", "ItemResult", "", "", 0, vip);
  arg.in("id", "Int");
  map.addMethod("VipCustomer", "MoveToArc", "ErrorMessage", "", "", 0, vip);
  arg.in("id", "Int");

  std::ostringstream header, source;
  InterfaceMethodsGenerator generator(header, source, "Shop");
  CaptureStdout printed;
  generator.GenerateBung(false);
  generator.GenerateEmpty();
  EXPECT_EQ(printed.text(), "iShop.{cc,h} ");

  EXPECT_EQ(work.read(".src/bung.cc"),
            "-- bung.cc started -- this string is compilation preventor --\n" +
                placeholder("ErrorMessage * Shop :: CustomerAdd ( Int , char* )", ni) +
                placeholder("ItemResult * Shop :: CustomerGetForUpdate ( Int id )", "return CustomerGet(id)") +
                placeholder("ItemResult * Shop :: CustomerGet ( Int )", ni) +
                placeholder("ErrorMessage * Shop :: Import ( DataPacket* )", ni) +
                placeholder("ErrorMessage * Shop :: CustomerMoveToArc ( Int )", ni) +
                placeholder("ErrorMessage * Shop :: Notify ( Int )", ni) +
                placeholder("Int bCustomer :: Recalc ( const Int& id, const Str& note)", niDot) +
                placeholder("ListResult * Shop :: Rows ( Int )", ni) +
                placeholder("void bCustomer :: Touch ()", niDot) +
                placeholder("ErrorMessage * Shop :: CustomerUpdate ( Int , char*, Int )", ni) +
                placeholder("ItemResult * Shop :: OrderGet ( char * )", ni) +
                placeholder("ItemResult * Shop :: OrderGetForUpdate ( char * code )",
                            "return OrderGet((char*)(const char*)code)") +
                placeholder("ErrorMessage * Shop :: VipCustomerAdd (  )", ni) +
                "// * TRICK :: BroadcastArrived\n#undef DB\n#include \"iShop.h\"\n"
                "void Shop::BroadcastArrived (DataPacket &dp, unsigned raaaa) { \n"
                "  dp.Reset();\n  ServerObject::BroadcastArrived(dp, raaaa);\n}\n\n");

  EXPECT_EQ(source.str(), "#include \"iShop.h\"\n\n\n#include \"impl.cc\"\n\n\n");
  const string statics = "(class Shop *,DataPacket *,unsigned);\n";
  EXPECT_EQ(header.str(),
            "#ifndef _IShop_H_\n#define _IShop_H_\n\n"
            "#include \"comm.h\"\n#include \"comm_dp.h\"\n#include \"errmgr.h\"\n#include \"orvale.h\"\n"
            "#include \"iAux.h\"\n#include \"Auxrpc.h\"\n#include \"iBase.h\"\n#include \"Baserpc.h\"\n"
            "#include \"Catalogrpc.h\"\n#include \"Shoprpc.h\"\n"
            "class Shop : public Aux {\npublic:\n\n"
            "  class Shop* impl;\n"
            "  void RegisterMethods(const char* cnm, const char* onm);\n"
            "  virtual void BroadcastArrived(DataPacket &,unsigned );\n"
            "  ErrorManager* errmgr;\n"
            "  Shop(const char* cnm, const char* onm) : Aux(cnm, onm), errmgr(this) { RegisterMethods(cnm, onm); }\n"
            "  ~Shop() {}\n"
            "  virtual void ClearAll() {}\n"
            "  ErrorMessage * CustomerAdd ( Int , char* );\n"
            "  ItemResult * CustomerGetForUpdate ( Int );\n"
            "  ItemResult * CustomerGet ( Int );\n"
            "  ErrorMessage * Import ( DataPacket* );\n"
            "  ErrorMessage * CustomerMoveToArc ( Int );\n"
            "  ErrorMessage * Notify ( Int );\n"
            "  ListResult * Rows ( Int=Int() );\n"
            "  ErrorMessage * CustomerUpdate ( Int , char*, Int=Int() );\n"
            "  ItemResult * OrderGet ( char * );\n"
            "  ItemResult * OrderGetForUpdate ( char * );\n"
            "  ErrorMessage * VipCustomerAdd (  );\n"
            "  static void* __OrvaleExecutor" + statics +
            "  static void* __OrvaleCompiler" + statics +
            "  static void* __EnumValues" + statics +
            "  static void* CustomerAdd" + statics +
            "  static void* Import" + statics +
            "  static void* Rows" + statics +
            "  static void* CustomerUpdate" + statics +
            "  static void* VipCustomerAdd" + statics +
            "};\n\n#endif\n");
}

TEST(EmptyServer, OneConstantNameWithTwoCodesIsAnError) {
  ScratchDir work(ScratchDir::enter);
  std::filesystem::create_directory(".src");
  ModelWorld world;
  world.project("Shop");
  for (const char* type : {"Colour", "Weight"}) TypesPool.AddType(type, "C", "int");
  TypesPool.AddInit("Colour", "Red", "red", 1);
  TypesPool.AddInit("Weight", "Red", "heavy", 5);
  try {
    InterfaceMethodsGenerator(nullSink(), nullSink(), "Shop").GenerateConsts();
    ADD_FAILURE() << "no error for Red coded 1 and 5";
  } catch (const Str& error) {
    EXPECT_EQ(error, "The enumeration item Red has the code 1 in type Colour and the code 5 in type Weight: "
                     "the constants of both would share one name.");
  }
  EXPECT_FALSE(std::filesystem::exists(".src/auto_consts.h"));
}
