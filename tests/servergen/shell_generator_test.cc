// The container of the full server over methods registered the way the
// interface generator registers them, and the argument checks and
// conversions of its stubs.
#include "servergen/shell_generator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

#include "tests/model/model_world.h"

namespace {

using std::string;

// The definition that starts with `head`, up to its closing line.
string definition(const string& source, const string& head) {
  std::size_t begin = source.find(head);
  if (begin == string::npos) return "";
  return source.substr(begin, source.find("\n}\n", begin) + 3 - begin);
}

const string epilogue =
    "  }\n  catch(AException msg){\n    ths->SetError(msg);\n  }\n  catch(CommException &e) {\n"
    "    ths->SetError(Exc(e.what()));\n  }\n  catch(const char* msg){\n    ths->SetError(msg);\n  }\n"
    "  catch(Str msg){\n    ths->SetError(msg);\n  }\n  catch(...){\n"
    "    ths->SetError(AMessage(\"System error. \").what());\n  }\n";

class FullContainer : public ::testing::Test {
protected:
  void SetUp() override {
    for (auto [type, code, comm, ws] : {std::tuple{"Int", "Int", "DP_INT", "CODE"},
                                        {"Name", "char*", "DP_STRING", "LTEXT"},
                                        {"When", "Date", "DP_STRING", "DATE_HOUR"}}) {
      TypesPool.AddType(type, "C", code);
      TypesPool.AddType(type, "COMM", comm);
      TypesPool.AddType(type, "WS", ws);
      TypesPool.AddType(type, "Name", type);
    }
    TypesPool.AddType("Name", "CENSORED", "yes");
    // Enumerations are numbered in type-name order, whatever their codes.
    TypesPool.AddInit("Kind", "say \"hi\"\\", "odd", 7);
    TypesPool.AddInit("Alpha", "First", "first", 90);
    world.project("Base")->relation = 1;
    world.project("Stock");
    shop = world.project("Shop");
  }

  // Registers a method as a generator does: no class record, the lists given.
  void add(const char* cls, const char* name, const char* result, int flags, AttribList in = {}, AttribList out = {},
           AttribList key = {}) {
    shop->methods.updateMethodList(cls, name, result, "", flags, in, out, key);
  }
  static AttribList list(std::initializer_list<std::pair<const char*, const char*>> columns) {
    AttribList l;
    for (auto [id, type] : columns) l.pushAttrib(Attributes(id, type, "Shop", "Order", "", ""));
    return l;
  }

  string header, source;
  void generate(int emptyMode) {
    std::ostringstream h, c;
    ShellGenerator(h, c, "Shop").Generate(emptyMode, false);
    header = h.str();
    source = c.str();
  }

  ModelWorld world;
  Project* shop = nullptr;
};

}  // namespace

TEST_F(FullContainer, ServedMethodsAndTheirStubs) {
  add("Invoice", "Add", "ErrorMessage", 32, list({{"id", "Int"}}));
  for (const char* unserved : {"Get", "GetAbstract", "GetForUpdate", "MoveToArc"})
    add("Order", unserved, "ItemResult", 32);
  add("Order", "OrderGet", "ItemResult", 8 + 32 + 256);  // no header
  add("Order", "Recount", "ErrorMessage", 1);            // internal
  add("Order", "OrderHist", "ListResult", 32, {}, list({{"when", "When"}}), list({{"when", "When"}}));
  add("Order", "OrderList", "ListResult", 40, list({{"SortNo", "Int"}}), list({{"id", "Int"}, {"name", "Name"}}),
      list({{"id", "Int"}}));
  add("Order", "OrderReport", "ItemResult", 2 + 8, list({{"id", "Int"}}), list({{"id", "Int"}, {"name", "Name"}}));
  generate(0);

  const string entry = "(srvShop_Object *,DataPacket *,unsigned);\n";
  EXPECT_EQ(header, "#ifndef _Shop_CONTAINER_H_\n#define _Shop_CONTAINER_H_\n\n"
                    "#include \"comm.h\"\n#include \"orvale.h\"\n\n#include \"iShop.h\"\n\n"
                    "class srvShop_Object : public Shop {\npublic:\n  Shop* impl;\n"
                    "  srvShop_Object(const char* cnm, const char* onm);\n  ~srvShop_Object();\n"
                    "  virtual void BroadcastArrived(DataPacket &,unsigned );\nprivate:\n"
                    "  static void* __OrvaleExecutor" + entry + "  static void* __SQLExecutor" + entry +
                    "  static void* __OrvaleCompiler" + entry + "  static void* __EnumValues" + entry +
                    "  static void* InvoiceAdd" + entry + "  static void* OrderHist" + entry +
                    "  static void* OrderList" + entry + "  static void* OrderReport" + entry + "};\n\n#endif\n");
  EXPECT_NE(source.find("extern int  debug_level;\n\nStr Base;\n\nvoid Shop::RegisterMethods("), string::npos);
  EXPECT_NE(source.find("  RegisterMethod(\"__OrvaleExecutor\", this,(void *(*)(...))&Shop::__OrvaleExecutor);\n"
                        "  RegisterMethod(\"__SQLExecutor\", this,(void *(*)(...))&Shop::__SQLExecutor);\n"),
            string::npos);
  EXPECT_NE(source.find("    lr->AppendValues((int)33, (int)90, (char*)\"First\");\n"
                        "    lr->AppendValues((int)34, (int)7, (char*)\"say \\\"hi\\\"\\\\\");\n"
                        "    r=(Result*)lr;\n"),
            string::npos);
  // The SQL executor comes right after the enumeration values.
  EXPECT_EQ(definition(source, "void *Shop::__SQLExecutor"),
            "void *Shop::__SQLExecutor(Shop *ths,DataPacket *dp,unsigned a) {\n  ListResult* r=new ListResult();\n"
            "  try {\n    ths->Begin(\"__SQLExecutor\",dp,a,1|2);\n    Str sqltext;\n    int size;\n"
            "    *dp >> sqltext;\n    *dp >> size;\n    for(int i=0; i<size; ++i) {\n      int type;\n"
            "      *dp >> type;\n      r->AddColumn(\" \", type);\n    }\n    KVCursor curs(ths->rdb);\n"
            "    curs.Statement(sqltext);\n    if(size>0) r->CopyCursor(curs);\n" + epilogue +
            "  return ths->Complete(r,EM_NO_ACTION,\"Shop_Object\",\"__SQLExecutor\",dp);\n}\n");
  EXPECT_NE(source.find("}\n\nvoid *Shop::__SQLExecutor"), string::npos);

  // Without inputs the call starts with the old key; the key arrives as text.
  EXPECT_EQ(definition(source, "void *Shop::OrderHist("),
            "void *Shop::OrderHist(Shop *ths,DataPacket *dp,unsigned a){\n  Result* r = 0;\n  Str    s;\n"
            "  int    flag_=0;\n  Date when_PK;\n  try {\n    r = (Result*)ths->Begin(\"OrderHist\",dp,a,1);\n"
            "    if(debug_level>=1) ths->PrintArgs(dp, \"\");\n    if (r) return r;\n    Str error;\n"
            "    if(dp->Size()-dp->Position()>0 && dp->Type(dp->Position())) {\n"
            "    if( dp->Type(dp->Position())==DP_STRING ) {\n      *dp >> s;\n"
            "    when_PK=string_to_datetime(s, FormatDateTimeSec);\n    }\n    else *dp >> when_PK;\n"
            "      if(dp->Size()-dp->Position()==0) flag_=-1;\n      else flag_=-2;\n    }\n"
            "    if(!error.IsNull()) throw error;\n    r = ths->impl->OrderHist(when_PK);\n" + epilogue +
            "  void* rdp=ths->Complete(r,EM_NO_ACTION,\"Shop_Object\",\"OrderHist\",dp, flag_);\n"
            "  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, \"\");\n  return rdp;\n}\n");
  const string list = definition(source, "void *Shop::OrderList(");
  EXPECT_NE(list.find("  int    flag_=0;\n  Int SortNo;\n  Int id_PK;\n  try {\n"
                      "    r = (Result*)ths->Begin(\"OrderList\",dp,a,1|2);\n"),
            string::npos);
  EXPECT_NE(list.find("    *dp >> id_PK;\n"), string::npos);
  EXPECT_NE(list.find("    r = ths->impl->OrderList(SortNo, id_PK);\n"), string::npos);
  // A report with an item result hands it back as a complex one; its trace
  // mask covers the outputs twice, a censored one starred.
  const string report = definition(source, "void *Shop::OrderReport(");
  EXPECT_NE(report.find("    r = (Result*)ths->Begin(\"OrderReport\",dp,a,2);\n"
                        "    if(debug_level>=1) ths->PrintArgs(dp, \" \");\n"),
            string::npos);
  EXPECT_NE(report.find("    r = ths->impl->OrderReport(id);\n    ((ItemResult*)r)->BeAsComplexResult();\n  }\n"),
            string::npos);
  EXPECT_NE(report.find("  void* rdp=ths->Complete(r,EM_NO_ACTION);\n"
                        "  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, \"     * *\");\n"),
            string::npos);
  EXPECT_EQ(report.find("flag_"), string::npos);
  EXPECT_NE(source.find("  RegisterMethod(\"InvoiceAdd\", this,(void *(*)(...)) (void *(*)(class Shop *,DataPacket "
                        "*,unsigned))&Shop::InvoiceAdd);\n  mh = FindMethod(\"InvoiceAdd\");\n  if (mh != 0) {\n"
                        "    mh->AddArgDesc(DP_INT,\"id\",\"Int\");\n\n"
                        "    mh->AddRetDesc( DP_INT, \"ErrorMessage\", \" \" );\n  }\n\n"),
            string::npos);
  EXPECT_TRUE(source.ends_with("  return rdp;\n}\n\n\n"));

  // The empty server leaves out the SQL executor and nothing else.
  string full = header + source;
  generate(1);
  for (const char* line : {"  static void* __SQLExecutor(srvShop_Object *,DataPacket *,unsigned);\n",
                           "  RegisterMethod(\"__SQLExecutor\", this,(void *(*)(...))&Shop::__SQLExecutor);\n"})
    full.erase(full.find(line), std::char_traits<char>::length(line));
  full.erase(full.find("void *Shop::__SQLExecutor"), definition(full, "void *Shop::__SQLExecutor").size() + 1);
  EXPECT_EQ(header + source, full);
}

TEST_F(FullContainer, ArgumentOfAnUndeclaredTypeIsTheRegistrysError) {
  add("Order", "Ship", "ErrorMessage", 32, list({{"box", "Crate"}}));
  EXPECT_THROW(
      {
        try {
          generate(0);
        } catch (const Str& e) {
          EXPECT_EQ(e, "types_str:136Error! Type Crate is not defined.");
          throw;
        }
      },
      Str);
}

TEST(ShellGenerator, ChecksAndConversions) {
  std::ostringstream sink;
  ShellGenerator gen(sink, sink, "Shop");
  EXPECT_EQ(gen.printValidation("", "x", true), "");
  // A backslash takes the next character literally; one at the end is dropped.
  EXPECT_EQ(gen.printValidation("in(%, \"5\\%\")\\", "x", true),
            "    if(!x.IsNull()) {\n      try { in(x, \"5%\"); }\n      catch(Str msg) { error << msg; }\n    }\n");
  EXPECT_EQ(gen.printValidation("ok(%)", "s", false),
            "    else { \n      try { ok(s); }\n      catch(Str msg) { error << msg; }\n    }\n");
  EXPECT_EQ(gen.Convert("TIME_MIN", "s") + gen.Convert("DATE_MIN", "s") + gen.Convert("CURRENCY", "s") +
                gen.Convert("PERCENT", "s"),
            "string_to_datetime(s, FormatTime)string_to_datetime(s, FormatDateTime)string_to_money(s)"
            "string_to_double(s)");
  EXPECT_TRUE(gen.NeedConvert("WORD_MONEY") && gen.NeedConvert("HOUR"));
  EXPECT_FALSE(gen.NeedConvert("CODE") || gen.NeedConvert("date"));
  EXPECT_EQ(gen.Convert("CODE", "s"), "");
}
