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

Names classOrder(ClassDesc& cls) {
  Names out;
  for (Attributes* a = cls.GetFirstAttribute(); a; a = cls.GetNextAttribute()) out.push_back(a->Id().std());
  return out;
}

ClassDesc* withObject(Project* project, ClassDesc* cls, const char* alias) {
  ModelWorld::add(project, cls)->setObject(1);
  cls->setClassAlias(alias);
  project->objects[cls->Id()] = new ObjectDesc(cls->Id().str(), cls->Id().str());
  return cls;
}

// A shop: the family Party > Trader > Outlet, orders with a two-column key,
// customers with a hidden key, invoices referring to all of them and to a
// class of the project Bank, and an SQL view of invoices.
class Shop : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* type : {"Integer", "Text", "UserID", "Date", "TYPE_Party"}) ModelWorld::type(type);
    world.project("Bank");
    ModelWorld::add(CP, new ClassDesc("Rate", 0, ""))->AddAttribute("cur", "Text", "", "PK", "", "");
    shop = world.project("Shop");
    party = withObject(shop, new ClassDesc("Party", 0, ""), "Party");
    party->AddAttribute("id", "Integer", "", "PK", "", "");
    party->AddAttribute("title", "Text", "", "NOT", "", "");
    trader = withObject(shop, new ClassDesc("Trader", *party), "Trader");
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
    // An SQL view with the columns a view declares: an attribute of the
    // class, and the class itself under the name of one of its references
    // and under a name it does not have.
    view = ModelWorld::add(shop, new ClassDesc("InvoiceView", 0, ""));
    view->setObject(2);
    shop->objects["InvoiceView"] = new ObjectDesc("InvoiceView", "InvoiceView");
    for (const char* id : {"num", "Order", "Customer"})
      view->AddAttribute(id, "Invoice", "", "", "", "")->setRefClass("Invoice");
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
  ClassDesc *party = nullptr, *trader = nullptr, *outlet = nullptr, *invoice = nullptr, *view = nullptr;
};

// Seven classes: a dot before the first and the sixth, and one after each of
// the four signature phases.
const std::string sevenClasses = "unwrapping ." + std::string(2 + 4, '.') + ". done\n";

// Each reference counts one number per key column, all numbered like the first.
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
  // Parent keys in front, audit columns at the end, the family type last.
  EXPECT_EQ(classOrder(*outlet), (Names{"Trader", "city", "UserArc", "DateArc"}));
  EXPECT_EQ(describe(*outlet->GetAttribute("Trader")), "Trader Trader #0 PK FK Slave @Outlet");
  EXPECT_EQ(classOrder(*party), (Names{"id", "title", "UserArc", "DateArc", "PartyType"}));
  const Attributes& user = *invoice->GetAttribute("UserArc");
  const Attributes& time = *invoice->GetAttribute("DateArc");
  EXPECT_EQ(user.Name() + "/" + user.DefInit() + "/" + user.DefUpdate(), "User ID/GUserID/GUserID");
  EXPECT_EQ(time.Name() + "/" + time.DefInit() + "/" + time.DefUpdate(), "Registration Time/GUserTime/GUserTime");
  // Codes in walk order: Outlet (with its parent Trader) before Trader (with Party).
  Names codes;
  for (const ChkLine* item : *TypesPool.GetInits("TYPE_Party"))
    codes.push_back(item->value.std() + "=" + std::to_string(item->code) + " " + item->comment.std());
  EXPECT_EQ(codes, (Names{"isTrader=0 Trader", "isOutlet=1 Outlet", "isParty=2 Party"}));
  // Unnamed references take their class's alias; the view's columns are
  // retyped, the one showing a whole class loses its id; a view gets no audit.
  EXPECT_EQ(invoice->GetAttribute("buyer")->Name(), "Customer");
  EXPECT_EQ(classOrder(*view), (Names{"num", "Order", ""}));
  EXPECT_EQ(describe(*view->GetAttribute("Customer")), " Customer #0 FK ->Invoice. @InvoiceView");

  EXPECT_EQ(table("Party"), (Names{"id Integer #1 PK @Party", "title Text #2 NOT @Party", "UserArc UserID #3 @Party",
                                   "DateArc Date #4 @Party", "PartyType TYPE_Party #5 FLAG @Party"}));
  EXPECT_EQ(table("Outlet"), (Names{"id Integer #1 PK FK INDEX Slave ->Trader.id @Outlet", "city Text #2 @Outlet",
                                    "UserArc UserID #3 @Outlet", "DateArc Date #4 @Outlet"}));
  EXPECT_EQ(table("Customer"), (Names{"code Integer #1 PK SK HIDE @Customer", "name Text #2 @Customer",
                                      "UserArc UserID #3 @Customer", "DateArc Date #4 @Customer"}));
  EXPECT_EQ(table("Invoice"), invoiceTable);
  EXPECT_EQ(archive("InvoiceArc"), invoiceArchive);
  EXPECT_EQ(table("InvoiceView"), viewTable);
  EXPECT_FALSE(shop->arcTables.haveTable("InvoiceViewArc"));
  AttribList& columns = *shop->tables.getAttribList("Invoice");
  EXPECT_EQ(columns.findAttrib("ratecur")->Project(), "Bank");
  EXPECT_EQ(columns.findAttrib("sellerid")->Name(), "Seller");
  // The virtual column is kept in the full list only.
  EXPECT_EQ(describe(*shop->tables.getVirtList("Invoice")->findAttrib("note")), "note Text #7 virtual @Invoice");

  // Inherited columns: the parent's first, the key once, the family type last
  // and owned by the class asked for.
  AttribList generic = shop->tables.getGenericList("Outlet");
  EXPECT_EQ(ids(generic), (Names{"id", "title", "UserArc", "DateArc", "city", "PartyType"}));
  EXPECT_EQ(generic.findAttrib("PartyType")->CurClass(), "Outlet");
  EXPECT_EQ(ids(shop->tables.getUndef("Outlet")), (Names{"id", "title", "city", "PartyType"}));
  // A hidden key is never asked for when adding, always when updating.
  EXPECT_EQ(ids(shop->tables.getUndef("Customer")), Names{"name"});
  EXPECT_EQ(ids(shop->tables.getManualUpdate("Customer")), (Names{"code", "name"}));
}

TEST_F(Shop, RepeatedExpansion) {
  expand();
  // The same tables again: view columns are not retyped twice, and the
  // archive copies references without the mark the first run set.
  EXPECT_EQ(expand(), sevenClasses);
  EXPECT_EQ(classOrder(*outlet), (Names{"Trader", "city", "UserArc", "DateArc"}));
  EXPECT_EQ(TypesPool.GetInits("TYPE_Party")->size(), 3u);
  EXPECT_EQ(table("Invoice"), invoiceTable);
  EXPECT_EQ(archive("InvoiceArc"), invoiceArchive);
  EXPECT_EQ(table("InvoiceView"), viewTable);
  EXPECT_EQ(shop->tables.getVirtList("Invoice")->size(), 2 * 9);

  // Without audit columns the tables lose those an earlier run added; a
  // class's own UserArc stays, and archive tables are still built.
  ClassDesc* visit = withObject(shop, new ClassDesc("Visit", 0, ""), "Visit");
  visit->AddAttribute("UserArc", "Text", "", "", "", "");
  expand(true);
  EXPECT_EQ(table("Invoice"), Names(invoiceTable.begin(), invoiceTable.end() - 2));
  EXPECT_EQ(archive("VisitArc"), Names{"UserArc Text #1 PK @Visit"});
  expand();
  EXPECT_EQ(table("Visit"), (Names{"UserArc Text #1 @Visit", "DateArc Date #2 @Visit"}));
}

TEST_F(Shop, ArchiveIsWholeOrAbsent) {
  // A virtual class derived from one with an object inherits the object but
  // is not among the project's objects: no archive table at all.
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
    std::size_t count = ModelWorld::add(p, new ClassDesc(id, 0, "")) ? p->classes.size() : 0;
    if (count == 1 || count == 5 || count == 6) {
      EXPECT_EQ(progress(), "unwrapping ." + std::string(count <= 5 ? 1 : 2, '.') + tail) << count;
    }
  }

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
