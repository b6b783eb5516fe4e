// The standard server methods: i<P>.cc and i<P>.h of parsed and expanded
// descriptions compared whole, the method map they leave behind, the
// progress line, and what a second run (the WSDL step after the server step)
// keeps and registers again.
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

#include "model/adict.h"
#include "model/class_desc.h"
#include "servergen/interface_methods_generator.h"
#include "tests/frontend/front_end_fixture.h"
#include "tests/model/model_world.h"

namespace {

using std::string;

// Every entry of the map in map order: key, result, flags, input and output
// ids, and whether the description declared it.
string dump(MethodsMap& map) {
  string out;
  map.reset();
  while (map.next()) {
    const MethodDesc& d = map.Body();
    auto ids = [](const AttribList& list) {
      string text;
      for (const Attributes& a : list) text += (text.empty() ? "" : " ") + a.Id().std();
      return text;
    };
    out += map.IdPair().first.std() + " :: " + map.IdPair().second.std() + " " + d.resultType.std() + " " +
           std::to_string(d.flags) + " (" + ids(d.input) + ") (" + ids(d.output) + ")" +
           (d.owner ? " declared" : "") + "\n";
  }
  return out;
}

// The fixed lines of every server class header around its own part.
string headerHead(const string& P, const string& includes, const string& bases) {
  return "#if !defined(_I" + P + "_H_) && !defined(UNDEFINED_METHOD_SEARCH)\n#define _I" + P + "_H_\n\n#include \"" +
         P + "body.h\"\n#include <kvtracer.h>\n#include <errmgr.h>\n#include <comm.h>\n#include <orvale.h>\n\n" +
         includes + "class " + P + bases + " {\npublic:\n\n  class " + P +
         "* impl;\n  void RegisterMethods(const char* cnm, const char* onm);\n"
         "  virtual void BroadcastArrived(DataPacket &,unsigned );\n  KVSession* session;\n  ErrorManager* errmgr;\n";
}
string headerMiddle(const string& P) {
  return "  " + P + "(const char* cnm, const char* onm);\n  ~" + P + "();\n  virtual void ClearAll();\n";
}
// A static executor per name.
string statics(const string& P, const std::initializer_list<const char*>& names) {
  string out;
  for (const char* name : names)
    out += "  static void* " + string(name) + "(class " + P + " *,DataPacket *,unsigned);\n";
  return out;
}
string executors(const string& P) {
  return statics(P, {"__OrvaleExecutor", "__SQLExecutor", "__OrvaleCompiler", "__EnumValues"});
}

class StandardMethods : public FrontEnd {
protected:
  static constexpr const char* types =
      "Integer : C = \"int\", WS = \"INT\", Name = \"Number\";\n"
      "Text : C = \"Str\", WS = \"STR\";\n"
      "UserID : C = \"int\", WS = \"USER\";\n"
      "Date : C = \"Date\", WS = \"DATE\";\n";

  // Parses and expands the description as `file`.
  void load(const string& description, const string& file) {
    open(types + description, file);
    string printed;
    ASSERT_EQ(parse(printed), 0) << printed;
    CaptureStdout quiet;
    main->unwrapAll(false);
  }
  // Runs the generator on the main project; answers what it printed.
  string generate() {
    CaptureStdout progress;
    InterfaceMethodsGenerator(header, source, main->name).Generate(false);
    return progress.text();
  }

  std::ostringstream header;
  std::ostringstream source;
};

const char* const shop = R"tsk(
Class Customer "Customer \"VIP\"" {
  Attributes {
    Integer id, PK "Id";
    Text name, NOT NULL "Full \"Name\"";
  }
  Methods {
    MoveToArc(id);
  }
}
Class Stock "Stock" {
  Attributes {
    Integer site, PK "Site";
    Integer item, PK, AUTO_INCREMENT;
  }
  Methods {
    Get(site, item) returns item;
    Update(site, item);
    Import(...);
    Internal Recalc(site);
  }
}
Class Invoice "Invoice" {
  Attributes {
    Integer no, GK "No";
    Customer buyer "Buyer";
    Stock stock, NOT NULL "Stock";
    Text memo "Memo";
    Integer total "Total";
  }
  Methods {
    Get(no) returns no;
    GetForUpdate(no);
  }
}
Virtual Class Note "Note" {
  Attributes {
    Integer id, PK;
  }
}
Singular Class Setup "Setup" {
  Attributes {
    Integer id, PK "Id";
    Note note "Note";
  }
}
)tsk";

// The bodies of the shop, class by class. Customer's alias and the name of
// its column hold double quotes, which every literal escapes.
const string customerMethods = R"cc(ErrorMessage * shop :: CustomerAdd ( int id , Str name )
{
  if( oCustomer.checkID(id) ) throw Exc("Table ") << Msg("Customer \"VIP\"").what() << " already contains row with id " << id << ".  ";
  if(name.IsNull()) throw Exc("Field ") << Str("Full \"Name\"") << " must not be empty. ";
  oCustomer.addEntry(id, name);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been successfully added. ").what());
  return r;
}


ErrorMessage * shop :: CustomerUpdate ( int id , Str name )
{
  if( !(oCustomer.checkID(id)) ) throw Exc("Table ") << Msg("Customer \"VIP\"").what() << " doesn't contain row with id " << id << ". ";
  if(name.IsNull()) throw Exc("Field ") << Str("Full \"Name\"") << " must not be empty. ";
  oCustomer.updateEntry(id, name);
  ErrorMessage* r=new ErrorMessage(Msg("Your changes have been saved").what());
  return r;
}


ItemResult * shop :: CustomerGet ( int id )
{
  if( !(oCustomer.checkID(id)) ) throw Exc("Table ") << Msg("Customer \"VIP\"").what() << " doesn't contain row with id " << id << ". ";
  ItemResult* r=new ItemResult("Customer \"VIP\"");
  Customer& iCustomer=oCustomer.getEntry(id);
  r->AppendValue((int)(iCustomer.id),AC_INT,"id");
  r->AppendValue((Str)(iCustomer.name),AC_STR,"name");



  return r;
}


ItemResult * shop :: CustomerGetForUpdate ( int id )
{
  return CustomerGet(id);
}


ItemResult * shop :: CustomerGetArc ( int id , int UserArc , Date DateArc )
{
  ItemResult* r=new ItemResult("Customer \"VIP\" (History)");
  CustomerArc& iCustomer=oCustomer.getArcEntry(id, UserArc, DateArc);
  r->AppendValue((int)(iCustomer.id),AC_INT,"id");
  r->AppendValue((Str)(iCustomer.name),AC_STR,"name");


  r->AppendValue((int)(iCustomer.UserArc),AC_USER,"UserArc");
  r->AppendValue((Date)(iCustomer.DateArc),AC_DATE,"DateArc");

  return r;
}


ListResult * shop :: CustomerGetHistList (int id, int SortNo ) {
  KVCursor cursor(rdb);
  CustomerArc pCustomer;

  cursor.Project() << pCustomer->id << pCustomer->UserArc << pCustomer->DateArc << pCustomer->name;
  cursor.Set(pCustomer->id==id);

  ListResult* r=new ListResult("Customer \"VIP\". History.");
  r->AddColumn("Id", AC_INT);
  r->AddColumn("User ID", AC_USER);
  r->AddColumn("Registration Time", AC_DATE);
  r->AddColumn("Full \"Name\"", AC_STR);
  r->AddFooter();
  r->CopyCursor(cursor);
  r->Sort(SortNo);
  return r;
}


)cc";

// A generated key (the reference checks before the NOT checks), a nullable
// reference and a NOT NULL one to a two-column key; the declared Get and
// GetForUpdate get no body; the history projects seven columns at most.
const string invoiceMethods = R"cc(ItemResult * shop :: InvoiceAdd ( int buyerid , int stocksite , int stockitem , Str memo , int total )
{
  if(!buyerid.IsNull() &&  !(oCustomer.checkID(buyerid)) )
    throw Exc("Table ") << Msg("Customer \"VIP\"").what() << " doesn't contain row with ID " << buyerid << ".";
  if( !(oStock.checkID(stocksite, stockitem)) )
    throw Exc("Table ") << Msg("Stock").what() << " doesn't contain row with ID " << stocksite << ", " << stockitem << ".";
  if(stocksite.IsNull()) throw Exc("Field ") << Str("Stock Site") << " must not be empty. ";
  if(stockitem.IsNull()) throw Exc("Field ") << Str("Stock") << " must not be empty. ";
  int sk=oInvoice.addEntry(buyerid, stocksite, stockitem, memo, total);
  ItemResult* ir=new ItemResult();
  ir->BeAsErrorMessage();
  ir->SetWindowID(Msg("Data have been saved. ").what());
  ir->AppendValue(sk, AC_CODE, "SK");
  return ir;
}


ErrorMessage * shop :: InvoiceUpdate ( int no , int buyerid , int stocksite , int stockitem , Str memo , int total )
{
  if( !(oInvoice.checkID(no)) ) throw Exc("Table ") << Msg("Invoice").what() << " doesn't contain row with id " << no << ". ";
  if(stocksite.IsNull()) throw Exc("Field ") << Str("Stock Site") << " must not be empty. ";
  if(stockitem.IsNull()) throw Exc("Field ") << Str("Stock") << " must not be empty. ";
  if(!buyerid.IsNull() &&  !(oCustomer.checkID(buyerid)) )
    throw Exc("Table ") << Msg("Customer \"VIP\"").what() << " doesn't contain row with ID " << buyerid << ".";
  if( !(oStock.checkID(stocksite, stockitem)) )
    throw Exc("Table ") << Msg("Stock").what() << " doesn't contain row with ID " << stocksite << ", " << stockitem << ".";
  oInvoice.updateEntry(no, buyerid, stocksite, stockitem, memo, total);
  ErrorMessage* r=new ErrorMessage(Msg("Your changes have been saved").what());
  return r;
}


ItemResult * shop :: InvoiceGetArc ( int no , int UserArc , Date DateArc )
{
  ItemResult* r=new ItemResult("Invoice (History)");
  InvoiceArc& iInvoice=oInvoice.getArcEntry(no, UserArc, DateArc);
  r->AppendValue((int)(iInvoice.no),AC_INT,"no");
  r->AppendValue((int)(iInvoice.buyerid),AC_INT,"buyerid");
  r->AppendValue((int)(iInvoice.stocksite),AC_INT,"stocksite");
  r->AppendValue((int)(iInvoice.stockitem),AC_INT,"stockitem");
  r->AppendValue((Str)(iInvoice.memo),AC_STR,"memo");
  r->AppendValue((int)(iInvoice.total),AC_INT,"total");


  r->AppendValue((int)(iInvoice.UserArc),AC_USER,"UserArc");
  r->AppendValue((Date)(iInvoice.DateArc),AC_DATE,"DateArc");

  return r;
}


ErrorMessage * shop :: InvoiceMoveToArc ( int no )
{
  oInvoice.removeEntry(no);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been deleted. ").what());
  return r;
}

ListResult * shop :: InvoiceGetHistList (int no, int SortNo ) {
  KVCursor cursor(rdb);
  InvoiceArc pInvoice;

  cursor.Project() << pInvoice->no << pInvoice->UserArc << pInvoice->DateArc << pInvoice->buyerid << pInvoice->stocksite << pInvoice->stockitem << pInvoice->memo;
  cursor.Set(pInvoice->no==no);

  ListResult* r=new ListResult("Invoice. History.");
  r->AddColumn("No", AC_INT);
  r->AddColumn("User ID", AC_USER);
  r->AddColumn("Registration Time", AC_DATE);
  r->AddColumn("Buyer Id", AC_INT);
  r->AddColumn("Stock Site", AC_INT);
  r->AddColumn("Stock", AC_INT);
  r->AddColumn("Memo", AC_STR);
  r->AddFooter();
  r->CopyCursor(cursor);
  r->Sort(SortNo);
  return r;
}


)cc";

// Singular: no Add, no MoveToArc, no existence checks; its reference names
// a class without an object, which is not checked.
const string setupMethods = R"cc(ErrorMessage * shop :: SetupUpdate ( int id , int noteid )
{
  oSetup.updateEntry(id, noteid);
  ErrorMessage* r=new ErrorMessage(Msg("Your changes have been saved").what());
  return r;
}


ItemResult * shop :: SetupGet ( int id )
{
  ItemResult* r=new ItemResult("Setup");
  Setup& iSetup=oSetup.getEntry(id);
  r->AppendValue((int)(iSetup.id),AC_INT,"id");
  r->AppendValue((int)(iSetup.noteid),AC_INT,"noteid");



  return r;
}


ItemResult * shop :: SetupGetForUpdate ( int id )
{
  return SetupGet(id);
}


ItemResult * shop :: SetupGetArc ( int id , int UserArc , Date DateArc )
{
  ItemResult* r=new ItemResult("Setup (History)");
  SetupArc& iSetup=oSetup.getArcEntry(id, UserArc, DateArc);
  r->AppendValue((int)(iSetup.id),AC_INT,"id");
  r->AppendValue((int)(iSetup.noteid),AC_INT,"noteid");


  r->AppendValue((int)(iSetup.UserArc),AC_USER,"UserArc");
  r->AppendValue((Date)(iSetup.DateArc),AC_DATE,"DateArc");

  return r;
}


ListResult * shop :: SetupGetHistList (int id, int SortNo ) {
  KVCursor cursor(rdb);
  SetupArc pSetup;

  cursor.Project() << pSetup->id << pSetup->UserArc << pSetup->DateArc << pSetup->noteid;
  cursor.Set(pSetup->id==id);

  ListResult* r=new ListResult("Setup. History.");
  r->AddColumn("Id", AC_INT);
  r->AddColumn("User ID", AC_USER);
  r->AddColumn("Registration Time", AC_DATE);
  r->AddColumn("Note", AC_INT);
  r->AddFooter();
  r->CopyCursor(cursor);
  r->Sort(SortNo);
  return r;
}


)cc";

// Declared Get and Update; a column without a name takes its type's.
const string stockMethods = R"cc(ErrorMessage * shop :: StockAdd ( int site , int item )
{
  if( oStock.checkID(site, item) ) throw Exc("Table ") << Msg("Stock").what() << " already contains row with id " << site << ", " << item << ".  ";
  oStock.addEntry(site, item);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been successfully added. ").what());
  return r;
}


ItemResult * shop :: StockGetArc ( int site , int item , int UserArc , Date DateArc )
{
  ItemResult* r=new ItemResult("Stock (History)");
  StockArc& iStock=oStock.getArcEntry(site, item, UserArc, DateArc);
  r->AppendValue((int)(iStock.site),AC_INT,"site");
  r->AppendValue((int)(iStock.item),AC_INT,"item");


  r->AppendValue((int)(iStock.UserArc),AC_USER,"UserArc");
  r->AppendValue((Date)(iStock.DateArc),AC_DATE,"DateArc");

  return r;
}


ErrorMessage * shop :: StockMoveToArc ( int site , int item )
{
  oStock.removeEntry(site, item);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been deleted. ").what());
  return r;
}

ListResult * shop :: StockGetHistList (int site , int item, int SortNo ) {
  KVCursor cursor(rdb);
  StockArc pStock;

  cursor.Project() << pStock->site << pStock->item << pStock->UserArc << pStock->DateArc;
  cursor.Set(pStock->site==site && pStock->item==item);

  ListResult* r=new ListResult("Stock. History.");
  r->AddColumn("Site", AC_INT);
  r->AddColumn("Number", AC_INT);
  r->AddColumn("User ID", AC_USER);
  r->AddColumn("Registration Time", AC_DATE);
  r->AddFooter();
  r->CopyCursor(cursor);
  r->Sort(SortNo);
  return r;
}


)cc";

const string shopMap =
    "Customer :: CustomerAdd ErrorMessage 32 (id name) ()\n"
    "Customer :: CustomerGet ItemResult 40 (id) (id name)\n"
    "Customer :: CustomerGetArc ItemResult 40 (id UserArc DateArc) (id name UserArc DateArc)\n"
    "Customer :: CustomerGetForUpdate ItemResult 32 (id) (id name)\n"
    "Customer :: CustomerGetHistList ListResult 40 (id SortNo) (id UserArc DateArc name)\n"
    "Customer :: CustomerMoveToArc ErrorMessage 32 (id) ()\n"
    "Customer :: CustomerUpdate ErrorMessage 32 (id name) ()\n"
    "Customer :: MoveToArc ErrorMessage 1024 (id) () declared\n"
    "Invoice :: InvoiceAdd ItemResult 32 (buyerid stocksite stockitem memo total) ()\n"
    "Invoice :: InvoiceGet ItemResult 8 (no) (no)\n"
    "Invoice :: InvoiceGetArc ItemResult 40 (no UserArc DateArc) (no buyerid stocksite stockitem memo total UserArc DateArc)\n"
    "Invoice :: InvoiceGetForUpdate ItemResult 40 (no) (no buyerid stocksite stockitem memo total)\n"
    "Invoice :: InvoiceGetHistList ListResult 40 (no SortNo) (no UserArc DateArc buyerid stocksite stockitem memo)\n"
    "Invoice :: InvoiceMoveToArc ErrorMessage 32 (no) ()\n"
    "Invoice :: InvoiceUpdate ErrorMessage 32 (no buyerid stocksite stockitem memo total) ()\n"
    "Setup :: SetupGet ItemResult 40 (id) (id noteid)\n"
    "Setup :: SetupGetArc ItemResult 40 (id UserArc DateArc) (id noteid UserArc DateArc)\n"
    "Setup :: SetupGetForUpdate ItemResult 32 (id) (id noteid)\n"
    "Setup :: SetupGetHistList ListResult 40 (id SortNo) (id UserArc DateArc noteid)\n"
    "Setup :: SetupUpdate ErrorMessage 32 (id noteid) ()\n"
    "Stock :: Import ErrorMessage 1152 () () declared\n"
    "Stock :: Recalc ErrorMessage 1 (site) () declared\n"
    "Stock :: StockAdd ErrorMessage 32 (site item) ()\n"
    "Stock :: StockGet ItemResult 8 (site item) (item)\n"
    "Stock :: StockGetArc ItemResult 40 (site item UserArc DateArc) (site item UserArc DateArc)\n"
    "Stock :: StockGetForUpdate ItemResult 40 (site item) (site item)\n"
    "Stock :: StockGetHistList ListResult 40 (site item SortNo) (site item UserArc DateArc)\n"
    "Stock :: StockMoveToArc ErrorMessage 32 (site item) ()\n"
    "Stock :: Update ErrorMessage 1024 (site item) () declared\n";

}  // namespace

TEST_F(StandardMethods, KeysReferencesDeclaredMethodsAndASingularClass) {
  load(shop, "shop.tsk");

  EXPECT_EQ(generate(), "ishop.{cc,h} . done\n");
  EXPECT_EQ(source.str(), "#include \"ishop.h\"\n\n\n#include \"impl.cc\"\n\n\n" + customerMethods + invoiceMethods + setupMethods +
                              stockMethods);
  EXPECT_EQ(dump(main->methods), shopMap);
  EXPECT_EQ(main->methods.findByName("Customer :: CustomerAdd")->comment, "Add new record (generic)");

  // The declared MoveToArc, the names Generate publishes under the table's
  // name and the internal method stay out; the declared Update is named
  // after its class; a data-packet method takes the packet.
  EXPECT_EQ(header.str(),
            headerHead("shop", "", " : public virtual ErrorManager") +
                "  bCustomer oCustomer;\n  bInvoice oInvoice;\n  bSetup oSetup;\n  bStock oStock;\n" +
                headerMiddle("shop") +
                "  ErrorMessage * CustomerAdd ( int , Str );\n"
                "  ItemResult * CustomerGet ( int );\n"
                "  ItemResult * CustomerGetArc ( int , int , Date );\n"
                "  ItemResult * CustomerGetForUpdate ( int );\n"
                "  ListResult * CustomerGetHistList ( int , int );\n"
                "  ErrorMessage * CustomerMoveToArc ( int );\n"
                "  ErrorMessage * CustomerUpdate ( int , Str );\n"
                "  ItemResult * InvoiceAdd ( int , int , int , Str , int );\n"
                "  ItemResult * InvoiceGet ( int );\n"
                "  ItemResult * InvoiceGetArc ( int , int , Date );\n"
                "  ItemResult * InvoiceGetForUpdate ( int );\n"
                "  ListResult * InvoiceGetHistList ( int , int );\n"
                "  ErrorMessage * InvoiceMoveToArc ( int );\n"
                "  ErrorMessage * InvoiceUpdate ( int , int , int , int , Str , int );\n"
                "  ItemResult * SetupGet ( int );\n"
                "  ItemResult * SetupGetArc ( int , int , Date );\n"
                "  ItemResult * SetupGetForUpdate ( int );\n"
                "  ListResult * SetupGetHistList ( int , int );\n"
                "  ErrorMessage * SetupUpdate ( int , int );\n"
                "  ErrorMessage * Import ( DataPacket* );\n"
                "  ErrorMessage * StockAdd ( int , int );\n"
                "  ItemResult * StockGet ( int , int );\n"
                "  ItemResult * StockGetArc ( int , int , int , Date );\n"
                "  ItemResult * StockGetForUpdate ( int , int );\n"
                "  ListResult * StockGetHistList ( int , int , int );\n"
                "  ErrorMessage * StockMoveToArc ( int , int );\n"
                "  ErrorMessage * StockUpdate ( int , int );\n" +
                executors("shop") +
                statics("shop", {"CustomerAdd", "CustomerGet", "CustomerGetArc", "CustomerGetForUpdate",
                                 "CustomerGetHistList", "CustomerMoveToArc", "CustomerUpdate", "InvoiceAdd",
                                 "InvoiceGet", "InvoiceGetArc", "InvoiceGetForUpdate", "InvoiceGetHistList",
                                 "InvoiceMoveToArc", "InvoiceUpdate", "SetupGet",
                                 "SetupGetArc", "SetupGetForUpdate", "SetupGetHistList", "SetupUpdate", "Import", "StockAdd",
                                 "StockGet", "StockGetArc", "StockGetForUpdate", "StockGetHistList",
                                 "StockMoveToArc", "StockUpdate"}) +
                "};\n\n#endif\n");
}

// The WSDL step after the server step: it prints its interface line, keeps
// the Get and GetHistList that the server step registered, and registers
// the other methods afresh.
TEST_F(StandardMethods, ALaterRunKeepsGetAndGetHistList) {
  load(shop, "shop.tsk");
  generate();
  MethodsMap& map = main->methods;
  for (const char* name : {"Customer :: CustomerGet", "Customer :: CustomerGetHistList", "Customer :: CustomerAdd"})
    map.findByName(name)->flags = 0;

  std::filesystem::create_directory("wsdl");
  string printed;
  {
    CaptureStdout capture(printed);
    main->generateWSDL(false);
  }
  EXPECT_EQ(printed, "unwrapping ....... done\nishop.{cc,h} . done\n");
  EXPECT_EQ(map.findByName("Customer :: CustomerGet")->flags, 0);
  EXPECT_EQ(map.findByName("Customer :: CustomerGetHistList")->flags, 0);
  EXPECT_EQ(map.findByName("Customer :: CustomerAdd")->flags, 32);
  // The description's Get is declared again by the expansion and published
  // under the table's name once more.
  EXPECT_EQ(map.findByName("Invoice :: Get"), nullptr);
  EXPECT_EQ(map.findByName("Invoice :: InvoiceGet")->flags, 8);
}

// A family of three levels with two children of the root: GetAbstract, the
// subclass branches (nested and side by side), derived classes registered
// without header declaration and without bodies of their own, and the
// archive record ending with its audit columns.
TEST_F(StandardMethods, AFamilyOfThreeLevels) {
  load(R"tsk(
Class Party "Party" {
  Attributes {
    Integer id, PK "Id";
  }
}
Class Person : Party "Person" {
  Attributes {
    Text born "Born";
  }
}
Class Client : Person "Client" {
  Attributes {
    Integer rank "Rank";
  }
}
Class Company : Party "Company" {
}
)tsk",
       "firm.tsk");
  EXPECT_EQ(generate(), "ifirm.{cc,h} . done\n");

  const string hist = "  r->AddFooter();\n  r->CopyCursor(cursor);\n  r->Sort(SortNo);\n  return r;\n}\n\n\n";
  // All that a derived class gets: Add, Update and GetHistList, with the
  // inherited columns before its own; its history names its parent's key.
  auto derived = [&](const string& T, const string& params, const string& args, const string& keyName,
                     const string& own = "", const string& ownColumn = "") {
    const string projected = own.empty() ? "" : " << p" + T + "->" + own;
    const string columns = own.empty() ? "" : "  r->AddColumn(" + ownColumn + ");\n";
    return "ErrorMessage * firm :: " + T + "Add ( " + params + " )\n{\n  if( o" + T +
           ".checkID(id) ) throw Exc(\"Table \") << Msg(\"" + T +
           "\").what() << \" already contains row with id \" << id << \".  \";\n  o" + T + ".addEntry(" + args +
           ");\n  ErrorMessage* r=new ErrorMessage(Msg(\"Data have been successfully added. \").what());\n"
           "  return r;\n}\n\n\nErrorMessage * firm :: " + T + "Update ( " + params + " )\n{\n  if( !(o" + T +
           ".checkID(id)) ) throw Exc(\"Table \") << Msg(\"" + T +
           "\").what() << \" doesn't contain row with id \" << id << \". \";\n  o" + T + ".updateEntry(" + args +
           ");\n  ErrorMessage* r=new ErrorMessage(Msg(\"Your changes have been saved\").what());\n  return r;\n}"
           "\n\n\nListResult * firm :: " + T + "GetHistList (int id, int SortNo ) {\n  KVCursor cursor(rdb);\n  " + T +
           "Arc p" + T + ";\n\n  cursor.Project() << p" + T + "->id << p" + T + "->UserArc << p" + T + "->DateArc" +
           projected + ";\n  cursor.Set(p" + T + "->id==id);\n\n  ListResult* r=new ListResult(\"" + T +
           ". History.\");\n  r->AddColumn(\"" + keyName +
           "\", AC_INT);\n  r->AddColumn(\"User ID\", AC_USER);\n  r->AddColumn(\"Registration Time\", AC_DATE);\n" +
           columns + hist;
  };
  // The branches of a read method; `arc` names the archive records.
  auto branches = [](const string& arc, const string& win) {
    return "  if( iParty.PartyType==isCompany ){\n    r->SetWindowID(\"BrevinSW.firm.Company" + win +
           "\");\n\n\n  }  if( iParty.PartyType==isPerson || iParty.PartyType==isClient ){\n    Person" + arc +
           "& iPerson=oPerson.get" + arc +
           "Entry(id" + (arc.empty() ? "" : ", UserArc, DateArc") +
           ");\n    r->AppendValue((Str)(iPerson.born),AC_STR,\"born\");\n    r->SetWindowID(\"BrevinSW.firm.Person" +
           win + "\");\n\n    if( iParty.PartyType==isClient ){\n      Client" + arc + "& iClient=oClient.get" + arc +
           "Entry(id" + (arc.empty() ? "" : ", UserArc, DateArc") +
           ");\n      r->AppendValue((int)(iClient.rank),AC_INT,\"rank\");\n      r->SetWindowID(\"BrevinSW.firm.Client" +
           win + "\");\n\n\n    }\n  }\n";
  };
  const string check =
      "  if( !(oParty.checkID(id)) ) throw Exc(\"Table \") << Msg(\"Party\").what() << \" doesn't contain row with id \" "
      "<< id << \". \";\n";
  const string read = "  ItemResult* r=new ItemResult(\"Party\");\n  Party& iParty=oParty.getEntry(id);\n"
                      "  r->AppendValue((int)(iParty.id),AC_INT,\"id\");\n\n";
  const string type = "  r->AppendValue((int)(iParty.PartyType),AC_TYPE_Party,\"PartyType\");\n";
  EXPECT_EQ(source.str(),
            "#include \"ifirm.h\"\n\n\n#include \"impl.cc\"\n\n\n" +
                derived("Client", "int id , Str born , int rank", "id, born, rank", "Person Id", "rank", "\"Rank\", AC_INT") +
                derived("Company", "int id", "id", "Party Id") +
                R"cc(ErrorMessage * firm :: PartyAdd ( int id )
{
  if( oParty.checkID(id) ) throw Exc("Table ") << Msg("Party").what() << " already contains row with id " << id << ".  ";
  oParty.addEntry(id);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been successfully added. ").what());
  return r;
}


ErrorMessage * firm :: PartyUpdate ( int id )
{
)cc" + check +
                R"cc(  oParty.updateEntry(id);
  ErrorMessage* r=new ErrorMessage(Msg("Your changes have been saved").what());
  return r;
}


ItemResult * firm :: PartyGet ( int id )
{
)cc" + check +
                read + "  r->SetWindowID(\"BrevinSW.firm.Party_GetWin\");\n\n" + branches("", "_GetWin") + type +
                "\n  return r;\n}\n\n\nItemResult * firm :: PartyGetAbstract ( int id )\n{\n" + check + read +
                "  r->SetWindowID(\"BrevinSW.firm.Party_GetWin\");\n\n" + type +
                "\n  return r;\n}\n\n\nItemResult * firm :: PartyGetForUpdate ( int id )\n{\n" + check + read +
                "  r->SetWindowID(\"BrevinSW.firm.Party_UpdateWin\");\n\n" + branches("", "_UpdateWin") + type +
                "\n  return r;\n}\n\n\n"
                R"cc(ItemResult * firm :: PartyGetArc ( int id , int UserArc , Date DateArc )
{
  ItemResult* r=new ItemResult("Party (History)");
  PartyArc& iParty=oParty.getArcEntry(id, UserArc, DateArc);
  r->AppendValue((int)(iParty.id),AC_INT,"id");

  r->SetWindowID("BrevinSW.firm.Party_GetArcWin");

)cc" + branches("Arc", "_GetArcWin") +
                type +
                R"cc(  r->AppendValue((int)(iParty.UserArc),AC_USER,"UserArc");
  r->AppendValue((Date)(iParty.DateArc),AC_DATE,"DateArc");

  return r;
}


ErrorMessage * firm :: PartyMoveToArc ( int id )
{
  oParty.removeEntry(id);
  ErrorMessage* r=new ErrorMessage(Msg("Data have been deleted. ").what());
  return r;
}

ListResult * firm :: PartyGetHistList (int id, int SortNo ) {
  KVCursor cursor(rdb);
  PartyArc pParty;

  cursor.Project() << pParty->id << pParty->UserArc << pParty->DateArc << pParty->PartyType;
  cursor.Set(pParty->id==id);

  ListResult* r=new ListResult("Party. History.");
  r->AddColumn("Id", AC_INT);
  r->AddColumn("User ID", AC_USER);
  r->AddColumn("Registration Time", AC_DATE);
  r->AddColumn("Type", AC_TYPE_Party);
)cc" + hist +
                derived("Person", "int id , Str born", "id, born", "Party Id", "born", "\"Born\", AC_STR"));

  EXPECT_EQ(dump(main->methods),
            "Client :: ClientAdd ErrorMessage 32 (id born rank) ()\n"
            "Client :: ClientGet ItemResult 296 (id) (id born rank PartyType)\n"
            "Client :: ClientGetHistList ListResult 40 (id SortNo) (id UserArc DateArc rank)\n"
            "Client :: ClientUpdate ErrorMessage 32 (id born rank) ()\n"
            "Company :: CompanyAdd ErrorMessage 32 (id) ()\n"
            "Company :: CompanyGet ItemResult 296 (id) (id PartyType)\n"
            "Company :: CompanyGetHistList ListResult 40 (id SortNo) (id UserArc DateArc)\n"
            "Company :: CompanyUpdate ErrorMessage 32 (id) ()\n"
            "Party :: PartyAdd ErrorMessage 32 (id) ()\n"
            "Party :: PartyGet ItemResult 40 (id) (id PartyType)\n"
            "Party :: PartyGetAbstract ItemResult 40 (id) (id PartyType)\n"
            "Party :: PartyGetArc ItemResult 40 (id UserArc DateArc) (id UserArc DateArc PartyType)\n"
            "Party :: PartyGetForUpdate ItemResult 32 (id) (id PartyType)\n"
            "Party :: PartyGetHistList ListResult 40 (id SortNo) (id UserArc DateArc PartyType)\n"
            "Party :: PartyMoveToArc ErrorMessage 32 (id) ()\n"
            "Party :: PartyUpdate ErrorMessage 32 (id) ()\n"
            "Person :: PersonAdd ErrorMessage 32 (id born) ()\n"
            "Person :: PersonGet ItemResult 296 (id) (id born PartyType)\n"
            "Person :: PersonGetHistList ListResult 40 (id SortNo) (id UserArc DateArc born)\n"
            "Person :: PersonUpdate ErrorMessage 32 (id born) ()\n");

  // The derived classes' Get is left out of the header.
  EXPECT_EQ(header.str(),
            headerHead("firm", "", " : public virtual ErrorManager") +
                "  bClient oClient;\n  bCompany oCompany;\n  bParty oParty;\n  bPerson oPerson;\n" +
                headerMiddle("firm") +
                "  ErrorMessage * ClientAdd ( int , Str , int );\n"
                "  ListResult * ClientGetHistList ( int , int );\n"
                "  ErrorMessage * ClientUpdate ( int , Str , int );\n"
                "  ErrorMessage * CompanyAdd ( int );\n"
                "  ListResult * CompanyGetHistList ( int , int );\n"
                "  ErrorMessage * CompanyUpdate ( int );\n"
                "  ErrorMessage * PartyAdd ( int );\n"
                "  ItemResult * PartyGet ( int );\n"
                "  ItemResult * PartyGetAbstract ( int );\n"
                "  ItemResult * PartyGetArc ( int , int , Date );\n"
                "  ItemResult * PartyGetForUpdate ( int );\n"
                "  ListResult * PartyGetHistList ( int , int );\n"
                "  ErrorMessage * PartyMoveToArc ( int );\n"
                "  ErrorMessage * PartyUpdate ( int );\n"
                "  ErrorMessage * PersonAdd ( int , Str );\n"
                "  ListResult * PersonGetHistList ( int , int );\n"
                "  ErrorMessage * PersonUpdate ( int , Str );\n" +
                executors("firm") +
                statics("firm", {"ClientAdd", "ClientGetHistList", "ClientUpdate", "CompanyAdd", "CompanyGetHistList",
                                 "CompanyUpdate", "PartyAdd", "PartyGet", "PartyGetAbstract", "PartyGetArc",
                                 "PartyGetForUpdate", "PartyGetHistList", "PartyMoveToArc", "PartyUpdate",
                                 "PersonAdd", "PersonGetHistList", "PersonUpdate"}) +
                "};\n\n#endif\n");
}

// A dot before the 1st, 6th, 11th ... class with an object; classes without
// one are not counted.
TEST_F(StandardMethods, ProgressLine) {
  for (auto [classes, line] : {std::pair{0, "ip.{cc,h}  done\n"}, {1, "ip.{cc,h} . done\n"},
                               {5, "ip.{cc,h} . done\n"}, {6, "ip.{cc,h} .. done\n"}, {11, "ip.{cc,h} ... done\n"}}) {
    string description = "Virtual Class Plain \"Plain\" {\n  Attributes {\n    Integer id, PK;\n  }\n}\n";
    for (int i = 0; i < classes; ++i)
      description += "Class C" + std::to_string(i) + " \"C\" {\n  Attributes {\n    Integer id, PK;\n  }\n}\n";
    restart();
    load(description, "p.tsk");
    EXPECT_EQ(generate(), line) << classes << " classes";
  }
}

// Without classes the header still declares the class; the projects of the
// run are included, and those this one brought in as parents are its bases.
TEST(StandardMethodsHeader, NoClassesWithRelatedProjects) {
  ModelWorld world;
  Project* shop = world.project("shop");
  for (auto [name, relation, parent] : {std::tuple{"lib", 0, shop}, {"base", 1, shop}, {"core", 1, shop},
                                        {"far", 1, nullptr}}) {
    Project* other = world.project(name);
    other->relation = relation;
    other->parent = parent;
  }
  std::ostringstream header, source;
  string printed;
  {
    CaptureStdout capture(printed);
    InterfaceMethodsGenerator(header, source, "shop").Generate(true);
  }
  EXPECT_EQ(printed, "ishop.{cc,h}  done\n");
  EXPECT_EQ(source.str(),
            "#include <windef.h>\n#include <errno.h>\n#include <blobstore.h>\n\n"
            "#include \"ishop.h\"\n\n\n#include \"impl.cc\"\n\n\n");
  EXPECT_EQ(header.str(), headerHead("shop",
                                     "#include \"ibase.h\"\n#include \"baserpc.h\"\n#include \"icore.h\"\n"
                                     "#include \"corerpc.h\"\n#include \"ifar.h\"\n#include \"farrpc.h\"\n"
                                     "#include \"librpc.h\"\n",
                                     " : public virtual base, public virtual core") +
                              headerMiddle("shop") + executors("shop") + "};\n\n#endif\n");
}

// Comments are stored translated; translated texts inside literals are
// escaped.
TEST_F(StandardMethods, TranslatedTexts) {
  write("locale.dct", "\"Ge\\\"schichte\" \"History\" \"\"\n\"Neu\" \"Add new record (generic)\" \"\"\n");
  dict = new ADict("locale.dct", ADict::english, ADict::russian);
  load("Class A \"A\" {\n  Attributes {\n    Integer id, PK;\n  }\n}\n", "p.tsk");
  generate();
  EXPECT_NE(source.str().find("  ItemResult* r=new ItemResult(\"A (Ge\\\"schichte)\");\n"), string::npos);
  EXPECT_EQ(main->methods.findByName("A :: AAdd")->comment, "Neu");
}
