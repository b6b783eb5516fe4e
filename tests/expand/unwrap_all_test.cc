// The expansion of a class model into tables, once and repeated: the columns
// added to the classes, the family enumeration, every table column by
// column, the full lists, the progress line and what a repeated run keeps.
#include <gtest/gtest.h>

#include <string>

#include "model/project.h"
#include "model/types_house.h"
#include "tests/model/model_world.h"
#include "tests/support/list_names.h"

namespace {

// One column in one line: id, type, number, the properties that matter,
// virtual, the referenced class and attribute, and the contributing class.
std::string describe(const Attributes& a) {
  std::string text = a.Id().std() + " " + a.Type().std() + " #" + std::to_string(a.Number());
  for (const char* word : {"PK", "SK", "FK", "HIDE", "INDEX", "FLAG", "Slave", "NOT"})
    if (a.IsProperty(word)) text += std::string(" ") + word;
  if (a.IsVirtual()) text += " virtual";
  if (a.IsRef()) text += " ->" + a.RefClass().std() + "." + a.RefAttr().std();
  return text + " @" + a.CurClass().std();
}

Names described(const AttribList* list) {
  Names out;
  if (list)
    for (const Attributes& a : *list) out.push_back(describe(a));
  return out;
}

Names classOrder(ClassDesc& cls) {
  Names out;
  for (Attributes* a = cls.GetFirstAttribute(); a; a = cls.GetNextAttribute()) out.push_back(a->Id().std());
  return out;
}

Names enumeration(const char* type) {
  Names out;
  for (const ChkLine* item : *TypesPool.GetInits(type))
    out.push_back(item->value.std() + "=" + std::to_string(item->code) + " " + item->comment.std());
  return out;
}

ClassDesc* withObject(Project* project, ClassDesc* cls, const char* alias) {
  ModelWorld::add(project, cls);
  cls->setObject(1);
  cls->setClassAlias(alias);
  project->objects[cls->Id()] = new ObjectDesc(cls->Id().str(), cls->Id().str());
  return cls;
}

// A shop: the family Party > Trader > Outlet (each with an object), orders
// with a two-column key, customers with a hidden key, invoices referring to
// all of them and to a class of the project Bank, and an SQL view of
// invoices.
class Shop : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* type : {"Integer", "Text", "UserID", "Date", "TYPE_Party"}) ModelWorld::type(type);
    Project* bank = world.project("Bank");
    ClassDesc* rate = ModelWorld::add(bank, new ClassDesc("Rate", 0, ""));
    rate->AddAttribute("cur", "Text", "", "PK", "", "");

    shop = world.project("Shop");
    party = withObject(shop, new ClassDesc("Party", 0, ""), "Party");
    party->AddAttribute("id", "Integer", "", "PK", "", "");
    party->AddAttribute("title", "Text", "", "NOT", "", "");
    trader = withObject(shop, new ClassDesc("Trader", *party), "Trader");
    trader->AddAttribute("vat", "Text", "", "", "", "");
    outlet = withObject(shop, new ClassDesc("Outlet", *trader), "Outlet");
    outlet->AddAttribute("city", "Text", "", "", "", "");

    ClassDesc* order = withObject(shop, new ClassDesc("Order", 0, ""), "Order");
    order->AddAttribute("no", "Integer", "", "PK", "", "");
    order->AddAttribute("year", "Integer", "", "PK", "", "");
    ClassDesc* customer = withObject(shop, new ClassDesc("Customer", 0, ""), "Customer");
    customer->AddAttribute("code", "Integer", "", "PK", "SK", "")->setDefs("", -1, "7", -1);
    customer->AddAttribute("name", "Text", "", "", "", "");

    invoice = withObject(shop, new ClassDesc("Invoice", 0, ""), "Invoice");
    invoice->AddAttribute("num", "Integer", "", "PK", "", "");
    invoice->AddAttribute("Order", "Order", "", "", "", "");
    invoice->AddAttribute("seller", "Outlet", "", "", "", "");
    invoice->AttribName("seller", "Seller");
    invoice->AddAttribute("rate", "Rate", "Bank", "", "", "");
    invoice->AddAttribute("buyer", "Customer", "", "", "", "");
    invoice->AddAttribute("note", "Text", "", "", "", "")->SetVirtual();

    view = ModelWorld::add(shop, new ClassDesc("InvoiceView", 0, ""));
    view->setObject(2);
    shop->objects["InvoiceView"] = new ObjectDesc("InvoiceView", "InvoiceView");
    // Columns as a view declares them: one attribute of the class, the class
    // itself under the name of one of its references, and under a name the
    // class does not have.
    view->AddAttribute("num", "Invoice", "", "", "", "")->setRefClass("Invoice");
    view->AddAttribute("Order", "Invoice", "", "", "", "")->setRefClass("Invoice");
    view->AddAttribute("Customer", "Invoice", "", "", "", "")->setRefClass("Invoice");
  }

  std::string expand(bool noAudit = false) {
    CaptureStdout out;
    shop->unwrapAll(noAudit);
    return out.text();
  }

  Names table(const char* name) { return described(shop->tables.getAttribList(name)); }
  Names archive(const char* name) { return described(shop->arcTables.getAttribList(name)); }

  ModelWorld world;
  Project* shop = nullptr;
  ClassDesc* party = nullptr;
  ClassDesc* trader = nullptr;
  ClassDesc* outlet = nullptr;
  ClassDesc* invoice = nullptr;
  ClassDesc* view = nullptr;
};

// Seven classes: a dot before the first and the sixth, one after each of the
// four signature phases.
const std::string sevenClasses = "unwrapping ." + std::string(2 + 4, '.') + ". done\n";

const Names partyTable{"id Integer #1 PK @Party", "title Text #2 NOT @Party", "UserArc UserID #3 @Party",
                       "DateArc Date #4 @Party", "PartyType TYPE_Party #5 FLAG @Party"};
const Names traderTable{"id Integer #1 PK FK INDEX Slave ->Party.id @Trader", "vat Text #2 @Trader",
                        "UserArc UserID #3 @Trader", "DateArc Date #4 @Trader"};
const Names outletTable{"id Integer #1 PK FK INDEX Slave ->Trader.id @Outlet", "city Text #2 @Outlet",
                        "UserArc UserID #3 @Outlet", "DateArc Date #4 @Outlet"};
const Names customerTable{"code Integer #1 PK SK HIDE @Customer", "name Text #2 @Customer",
                          "UserArc UserID #3 @Customer", "DateArc Date #4 @Customer"};
// Every reference counts as many numbers as its key has columns, all of them
// numbered like the first.
const Names invoiceTable{"num Integer #1 PK @Invoice",
                         "no Integer #2 FK INDEX ->Order.no @Invoice",
                         "year Integer #2 FK INDEX ->Order.year @Invoice",
                         "sellerid Integer #4 FK INDEX ->Outlet.id @Invoice",
                         "ratecur Text #5 FK INDEX ->Rate.cur @Invoice",
                         "buyercode Integer #6 FK HIDE INDEX ->Customer.code @Invoice",
                         "UserArc UserID #8 @Invoice",
                         "DateArc Date #9 @Invoice"};
const Names invoiceArchive{"num Integer #1 PK @Invoice",
                           "no Integer #2 INDEX ->Order.no @Invoice",
                           "year Integer #2 INDEX ->Order.year @Invoice",
                           "sellerid Integer #4 INDEX ->Outlet.id @Invoice",
                           "ratecur Text #5 INDEX ->Rate.cur @Invoice",
                           "buyercode Integer #6 HIDE INDEX ->Customer.code @Invoice",
                           "UserArc UserID #8 PK @Invoice",
                           "DateArc Date #9 PK @Invoice"};
const Names viewTable{"num Integer #1 @InvoiceView", "no Integer #2 FK INDEX ->Order.no @InvoiceView",
                      "year Integer #2 FK INDEX ->Order.year @InvoiceView",
                      "code Integer #4 FK HIDE INDEX ->Customer.code @InvoiceView"};

}  // namespace

TEST_F(Shop, OneExpansion) {
  EXPECT_EQ(expand(), sevenClasses);

  // The classes: parent keys in front, audit columns at the end, then the
  // family type column on the top class.
  EXPECT_EQ(classOrder(*outlet), (Names{"Trader", "city", "UserArc", "DateArc"}));
  EXPECT_EQ(classOrder(*party), (Names{"id", "title", "UserArc", "DateArc", "PartyType"}));
  // No object, no audit columns; the column that shows a whole class has lost its id.
  EXPECT_EQ(classOrder(*view), (Names{"num", "Order", ""}));
  const Attributes& parentKey = *outlet->GetAttribute("Trader");
  EXPECT_EQ(describe(parentKey), "Trader Trader #0 PK FK Slave @Outlet");
  EXPECT_EQ(parentKey.Name(), "Trader");
  EXPECT_EQ(parentKey.Project(), "Shop");
  const Attributes& user = *invoice->GetAttribute("UserArc");
  EXPECT_EQ(user.Name(), "User ID");
  EXPECT_EQ(user.DefInit(), "GUserID");
  EXPECT_EQ(user.DefUpdate(), "GUserID");
  const Attributes& time = *invoice->GetAttribute("DateArc");
  EXPECT_EQ(time.Name(), "Registration Time");
  EXPECT_EQ(time.DefInit(), "GUserTime");
  EXPECT_EQ(party->GetAttribute("PartyType")->Name(), "Type");
  // Codes in walk order: Outlet (with its parent Trader) comes before Trader
  // (with its parent Party).
  EXPECT_EQ(enumeration("TYPE_Party"), (Names{"isTrader=0 Trader", "isOutlet=1 Outlet", "isParty=2 Party"}));

  // References without a display name take their class's alias; the view's
  // columns are retyped on the class.
  EXPECT_EQ(invoice->GetAttribute("Order")->Name(), "Order");
  EXPECT_EQ(invoice->GetAttribute("buyer")->Name(), "Customer");
  EXPECT_EQ(describe(*view->GetAttribute("num")), "num Integer #0 ->Invoice. @InvoiceView");
  EXPECT_EQ(describe(*view->GetAttribute("Customer")), " Customer #0 FK ->Invoice. @InvoiceView");

  EXPECT_EQ(table("Party"), partyTable);
  EXPECT_EQ(table("Trader"), traderTable);
  EXPECT_EQ(table("Outlet"), outletTable);
  EXPECT_EQ(table("Customer"), customerTable);
  EXPECT_EQ(table("Invoice"), invoiceTable);
  EXPECT_EQ(table("InvoiceView"), viewTable);
  EXPECT_EQ(table("Order"), (Names{"no Integer #1 PK @Order", "year Integer #2 PK @Order", "UserArc UserID #3 @Order",
                                   "DateArc Date #4 @Order"}));
  EXPECT_EQ(invoiceArchive, archive("InvoiceArc"));
  EXPECT_EQ(archive("OutletArc"), (Names{"id Integer #1 PK INDEX Slave ->Trader.id @Outlet", "city Text #2 @Outlet",
                                         "UserArc UserID #3 PK @Outlet", "DateArc Date #4 PK @Outlet"}));
  EXPECT_FALSE(shop->arcTables.haveTable("InvoiceViewArc"));
  EXPECT_FALSE(shop->tables.haveTable("Rate"));  // another project's class

  // The parts of the columns the table lines leave out.
  AttribList& columns = *shop->tables.getAttribList("Invoice");
  EXPECT_EQ(columns.findAttrib("ratecur")->Project(), "Bank");
  EXPECT_EQ(columns.findAttrib("sellerid")->Name(), "Seller");
  EXPECT_EQ(columns.findAttrib("UserArc")->DefUpdate(), "GUserID");
  EXPECT_EQ(columns.findAttrib("DateArc")->Name(), "Registration Time");

  // The virtual column stays in the full list only.
  EXPECT_EQ(ids(*shop->tables.getVirtList("Invoice")), (Names{"num", "no", "year", "sellerid", "ratecur", "buyercode",
                                                              "note", "UserArc", "DateArc"}));
  EXPECT_EQ(describe(*shop->tables.getVirtList("Invoice")->findAttrib("note")), "note Text #7 virtual @Invoice");
  EXPECT_EQ(ids(*shop->arcTables.getVirtList("InvoiceArc")).size(), 9u);

  // Inherited columns: the parent's first, the own key once, the family type
  // column last and owned by the class asked for.
  AttribList generic = shop->tables.getGenericList("Outlet");
  EXPECT_EQ(ids(generic), (Names{"id", "title", "UserArc", "DateArc", "vat", "city", "PartyType"}));
  EXPECT_EQ(generic.findAttrib("PartyType")->CurClass(), "Outlet");
  EXPECT_EQ(generic.findAttrib("id")->CurClass(), "Party");
  EXPECT_EQ(ids(shop->tables.getUndef("Outlet")), (Names{"id", "title", "vat", "city", "PartyType"}));
  // A hidden key is never asked for when adding, always when updating.
  EXPECT_EQ(ids(shop->tables.getUndef("Customer")), Names{"name"});
  EXPECT_EQ(ids(shop->tables.getManualUpdate("Customer")), (Names{"code", "name"}));
  EXPECT_EQ(names(shop->tables.getDescendanceList("Party")), (Names{"Trader", "Outlet"}));
}

TEST_F(Shop, RepeatedExpansion) {
  expand();
  // A second run keeps the class model and rebuilds the same tables; the
  // retyped view columns are not retyped again, and the archive keeps the
  // references without the mark the first run put on the class.
  EXPECT_EQ(expand(), sevenClasses);
  EXPECT_EQ(classOrder(*outlet), (Names{"Trader", "city", "UserArc", "DateArc"}));
  EXPECT_EQ(enumeration("TYPE_Party").size(), 3u);
  EXPECT_EQ(table("Invoice"), invoiceTable);
  EXPECT_EQ(table("InvoiceView"), viewTable);
  EXPECT_EQ(table("Outlet"), outletTable);
  EXPECT_EQ(archive("InvoiceArc"), invoiceArchive);
  EXPECT_EQ(shop->tables.getVirtList("Invoice")->size(), 18);
  EXPECT_EQ(ids(shop->tables.getFullGenericList("Invoice")),
            (Names{"num", "no", "year", "sellerid", "ratecur", "buyercode", "note", "UserArc", "DateArc"}));

  // Without audit columns the tables lose those an earlier run added, while
  // archive tables are still built; a class's own UserArc stays.
  ClassDesc* audited = withObject(shop, new ClassDesc("Visit", 0, ""), "Visit");
  audited->AddAttribute("UserArc", "Text", "", "", "", "");
  expand(true);
  EXPECT_EQ(table("Invoice"), Names(invoiceTable.begin(), invoiceTable.end() - 2));
  EXPECT_EQ(archive("InvoiceArc"), Names(invoiceArchive.begin(), invoiceArchive.end() - 2));
  EXPECT_EQ(table("Visit"), Names{"UserArc Text #1 @Visit"});
  EXPECT_EQ(archive("VisitArc"), Names{"UserArc Text #1 PK @Visit"});
  expand();
  EXPECT_EQ(table("Invoice"), invoiceTable);
  EXPECT_EQ(table("Visit"), (Names{"UserArc Text #1 @Visit", "DateArc Date #2 @Visit"}));
}

TEST_F(Shop, ArchiveIsWholeOrAbsent) {
  // A virtual class derived from one with an object inherits the object but
  // is not among the project's objects: it gets no archive table at all.
  ClassDesc* ghost = ModelWorld::add(shop, new ClassDesc("Ghost", *invoice));
  ghost->beVirtual();
  ghost->AddAttribute("owner", "Customer", "", "", "", "");
  ModelWorld::type("TYPE_Invoice");
  expand();
  EXPECT_FALSE(shop->arcTables.haveTable("GhostArc"));
  EXPECT_EQ(ids(*shop->tables.getAttribList("Ghost")), (Names{"num", "ownercode", "UserArc", "DateArc"}));
}

TEST(Unwrap, ProgressAndUndefinedClass) {
  ModelWorld world;
  Project* p = world.project("P");
  auto progress = [&] {
    CaptureStdout out;
    p->unwrapAll(false);
    return out.text();
  };
  const std::string tail = std::string(4, '.') + ". done\n";
  EXPECT_EQ(progress(), "unwrapping ." + tail);
  p->tables.reset();
  EXPECT_FALSE(p->tables.next());
  for (const char* id : {"A", "B", "C", "D", "E", "F"}) {
    ModelWorld::add(p, new ClassDesc(id, 0, ""));
    std::size_t count = p->classes.size();
    std::string expected = "unwrapping ." + std::string(count <= 5 ? 1 : 2, '.') + tail;
    if (count == 1 || count == 5 || count == 6) {
      EXPECT_EQ(progress(), expected) << count << " classes";
    }
  }

  // A type that is neither registered nor a class of the attribute's project.
  p->classes["B"]->AddAttribute("vendor", "Supplier", "", "", "", "");
  std::string printed;
  try {
    CaptureStdout out(printed);
    p->unwrapAll(false);
    FAIL() << "no error";
  } catch (const Str& error) {
    EXPECT_EQ(error, "unwrapper:124The class P::Supplier isn't defined\n");
  }
  EXPECT_EQ(printed, "unwrapping .");
}
