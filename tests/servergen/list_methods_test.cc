// List methods and archive lists written for the views of a parsed and
// expanded description: whole method texts and the entries they register.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "frontend/class_decls.h"
#include "model/class_desc.h"
#include "model/windows.h"
#include "servergen/interface_methods_generator.h"
#include "tests/frontend/front_end_fixture.h"

namespace {

const char* const shop =
    "Integer : C = \"int\", WS = \"Int\", Name = \"Integer\";\n"
    "Text : C = \"Str\", WS = \"Str\", Name = \"Text\";\n"
    "UserID : C = \"int\", WS = \"Int\", Name = \"User\";\n"
    "Date : C = \"Str\", WS = \"Date\", Name = \"Date\";\n"
    "Code : C = \"char*\", WS = \"Str\", Name = \"Code\";\n"
    "Class Customer \"Customer\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Text name \"Name\"; Code tag \"Tag\"; }\n"
    "  Methods { Fetch(id); }\n"
    "  Views {\n"
    "    DataWindow CustomerList \"Customers\" { name; }\n"
    "    DataWindow Pick \"Pick\" { id, name; } returns id;\n"
    "    DataWindow ByTag \"By tag\" { id, tag; } returns tag;\n"
    "    DataWindow Named \"Named \\\"best\\\"\" { id, name; Select name = \"B\\\"ob\"; } returns id;\n"
    "    DataWindow Fetched \"Fetched\" { name; StandardInput: Fetch; }\n"
    "    DataWindow Wrong \"Wrong\" { nosuch; }\n"
    "    DataWindow Far \"Far\" { Customer.nosuch; }\n"
    "    DataWindow Lost \"Lost\" { Nosuch.id; } returns Nosuch.id;\n"
    "  }\n"
    "}\n"
    "Class Order \"Order\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Customer buyer \"Buyer\"; Integer qty \"Qty\";\n"
    "    Virtual Integer since \"Since\"; }\n"
    "  Views {\n"
    "    DataWindow OrderList \"Orders\" { id, qty, buyer.name; Select qty = \"1\" | qty = \"2\"; }\n"
    "    DataWindow Recent \"Recent\" { qty, buyer.name, Customer.name;\n"
    "      Select qty > since | qty = since & buyer = + Customer & qty != \"NULL\" & qty = GUserID; }\n"
    "    DataWindow ByBuyer \"By buyer\" { qty, buyer.name; Select buyer = buyer.id; }\n"
    "    DataWindow Through \"Through\" { qty; Select buyer.name = \"x\"; }\n"
    "    DataWindow Deep \"Deep\" { buyer.nosuch; }\n"
    "  }\n"
    "}\n"
    "Class Party \"Party\" { Attributes { Text title \"Title\"; Integer id, PK \"Number\"; } }\n"
    "Class Person : Party \"Person\" {\n"
    "  Attributes { Text given \"Given\"; }\n"
    "  Views { DataWindow Titles \"Titles\" { title; } DataWindow People \"People\" { id, given; } }\n"
    "}\n"
    "Class Member \"Member\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Person person \"Person\"; }\n"
    "  Views {\n"
    "    DataWindow MemberList \"Members\" { id, Person.title; Manual Select person = Person; }\n"
    "    DataWindow Joined \"Joined\" { id, Person.title; Select person = Person; }\n"
    "  }\n"
    "}\n"
    "Class Club \"Club\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Person head \"Head\"; }\n"
    "  Views { DataWindow ClubList \"Clubs\" { id, head.title; } }\n"
    "}\n"
    "Class Visit \"Visit\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Virtual Integer since \"Since\"; }\n"
    "  Views { DataWindow VisitList \"Visits\" { id; Select id > since; } }\n"
    "}\n"
    "Class Note \"Note\" {\n"
    "  Attributes { Integer id, PK \"Number\"; Person writer \"Writer\"; Text text \"Text\"; }\n"
    "  Views { DataWindow Signed \"Signed\" { id, writer.given; Select writer.given = text | writer.title = text; } }\n"
    "}\n"
    "Class Purchase \"Purchase\" {\n"
    "  Attributes { Integer id, PK \"Number\"; }\n"
    "  Methods { View Listing(Purchase.id); }\n"
    "  Views { DataWindow PurchaseList \"Purchases\" { id, Listing.id; } }\n"
    "}\n";

// The end that every list and archive list shares.
const std::string tail =
    "  r->AddFooter();\n"
    "  r->CopyCursor(cursor);\n"
    "\n"
    "  r->Sort(SortNo);\n"
    "\n"
    "  return r;\n"
    "}\n"
    "\n"
    "\n";

std::string idsOf(const AttribList& list) {
  std::string text;
  for (const Attributes& a : list) text += " " + a.Id().std() + ":" + a.Type().std();
  return text;
}

class ListMethods : public FrontEnd {
protected:
  void SetUp() override {
    FrontEnd::SetUp();
    open(shop);
    std::string printed;
    ASSERT_EQ(parse(printed), 0) << printed;
    CaptureStdout quiet;
    main->unwrapAll(false);
  }

  ClassDesc* cls(const char* id) { return main->classes.at(id); }

  // The list method of a view with the given filter; the descriptor it
  // answers is kept for the archive list.
  std::string list(const char* cls, const char* view, AttribList filter = AttribList()) {
    std::ostringstream header, source;
    InterfaceMethodsGenerator generator(header, source, "main");
    desc = generator.GenerateListMethod(this->cls(cls), this->cls(cls)->GetView(view), filter);
    lastFilter = filter;
    return source.str();
  }
  std::string archive(const char* cls) {
    std::ostringstream header, source;
    InterfaceMethodsGenerator generator(header, source, "main");
    generator.GenerateArcListMethod(this->cls(cls), *desc);
    return source.str();
  }
  // The error that writing the list of a view raises.
  std::string error(const char* cls, const char* view) {
    try {
      list(cls, view);
    } catch (const Str& e) {
      return e.std();
    }
    return "no error";
  }
  // A registered method: flags, description and argument lists.
  std::string registered(const char* cls, const char* method) {
    MethodDesc* d = main->methods.findByName(Str(cls) + " :: " + method);
    if (!d) return "none";
    return d->resultType.std() + " " + std::to_string(d->flags) + " \"" + d->comment.std() + "\" in" +
           idsOf(d->input) + " out" + idsOf(d->output) + " key" + idsOf(d->dwpk);
  }

  std::unique_ptr<TableDesc> desc;
  AttribList lastFilter;
};

TEST_F(ListMethods, OwnColumnsWithAndWithoutKey) {
  // No condition, join, type restriction or key: an empty line alone.
  EXPECT_EQ(list("Customer", "CustomerList"),
            "ListResult * main :: CustomerGetCustomerList ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Customers\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Customer pCustomer;\n"
            "\n"
            "  cursor.Project() << pCustomer->name;\n"
            "\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);

  // A key without conditions: one selection that a null key makes true.
  EXPECT_EQ(list("Customer", "Pick"),
            "ListResult * main :: CustomerGetPick ( int SortNo, int id_PK ) {\n"
            "  ListResult* r=new ListResult(\"Pick\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Customer pCustomer;\n"
            "\n"
            "  cursor.Project() << pCustomer->id << pCustomer->name;\n"
            "  cursor.Set((id_PK.IsNull()) ? KVComparison(Str(\"1=1\")) : pCustomer->id==id_PK);\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);

  // A key that is not the first column selects by its own column; a text
  // key passed as a character pointer is tested for null as a text.
  EXPECT_EQ(list("Customer", "ByTag"),
            "ListResult * main :: CustomerGetByTag ( int SortNo, char* tag_PK ) {\n"
            "  ListResult* r=new ListResult(\"By tag\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Customer pCustomer;\n"
            "\n"
            "  cursor.Project() << pCustomer->id << pCustomer->tag;\n"
            "  cursor.Set((Str(tag_PK).IsNull()) ? KVComparison(Str(\"1=1\")) : pCustomer->tag==tag_PK);\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Tag\",AC_Str);\n" +
                tail);

  // A key with conditions joins them in the same selection; the title and
  // the literal keep their quotes inside the generated literals.
  EXPECT_EQ(list("Customer", "Named"),
            "ListResult * main :: CustomerGetNamed ( int SortNo, int id_PK ) {\n"
            "  ListResult* r=new ListResult(\"Named \\\"best\\\"\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Customer pCustomer;\n"
            "\n"
            "  cursor.Project() << pCustomer->id << pCustomer->name;\n"
            "  cursor.Set((pCustomer->name==\"B\\\"ob\") && ( ((id_PK.IsNull()) ? KVComparison() : "
            "pCustomer->id==id_PK)));\n"
            "\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);
  EXPECT_EQ(registered("Customer", "CustomerGetNamed"),
            "ListResult 40 \"Named \"best\"\" in SortNo:Integer out id:Integer name:Text key id:Integer");

  // A view filled by a declared method gets no list.
  EXPECT_EQ(list("Customer", "Fetched"), "");
  EXPECT_EQ(desc, nullptr);
  EXPECT_EQ(registered("Customer", "CustomerFetch"), "none");
}

TEST_F(ListMethods, KeyFilteredListGroupsTheViewsAlternatives) {
  AttribList columns(*main->tables.getAttribList("Order"));
  int group = 1;
  AttribList buyer = columns.findNextFK(group);
  ASSERT_EQ(idsOf(buyer), " buyerid:Integer");

  // Without the grouping the filter would bind to the second alternative
  // only and let the first select orders of every customer.
  EXPECT_EQ(list("Order", "OrderList", buyer),
            "ListResult * main :: OrderbuyerCustomer_GetOrderList ( int paramid, int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Orders\");\n"
            "  r->AddSubtitle(\". Buyer Number : \");\n"
            "  r->AddSubtitle(paramid,AC_Int);\n"
            "  KVCursor cursor(rdb);\n"
            "  Order pOrder;\n"
            "  Customer pbuyer;\n"
            "\n"
            "  cursor.Project() << pOrder->id << pOrder->qty << pbuyer->name;\n"
            "  cursor.Set((pOrder->buyerid==pbuyer->id ) && ( (pOrder->qty==\"1\" || pOrder->qty==\"2\") && "
            "pOrder->buyerid==paramid));\n"
            "\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Qty\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);
  EXPECT_EQ(registered("Order", "OrderbuyerCustomer_GetOrderList"),
            "ListResult 40 \"Orders\" in parambuyerid:Integer SortNo:Integer out id:Integer qty:Integer name:Text key");
  // The filter column is renamed in place.
  EXPECT_EQ(lastFilter.begin()->RefAttr(), "paramid");
}

TEST_F(ListMethods, ReferencesNamedTablesOperandsAndArguments) {
  // A virtual column compared twice is one argument; a reference column and
  // a column of a named table each bring their table; an outer join to the
  // key of a class, read in that class's table; NULL, a global and a literal
  // operand.
  EXPECT_EQ(list("Order", "Recent"),
            "ListResult * main :: OrderGetRecent ( int since, int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Recent\");\n"
            "  r->AddSubtitle(\". Since : \");\n"
            "  r->AddSubtitle(since,AC_Int);\n"
            "  KVCursor cursor(rdb);\n"
            "  Customer pCustomer;\n"
            "  Order pOrder;\n"
            "  Customer pbuyer;\n"
            "\n"
            "  cursor.Project() << pOrder->qty << pbuyer->name << pCustomer->name;\n"
            "  cursor.Set((pOrder->buyerid==pbuyer->id ) && ( pOrder->qty> since || pOrder->qty==since && "
            "pOrder->buyerid==++pCustomer->id && pOrder->qty.IsNotNull() && pOrder->qty==GUserID));\n"
            "\n"
            "  r->AddColumn(\"Qty\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);
  EXPECT_EQ(registered("Order", "OrderGetRecent"),
            "ListResult 40 \"Recent\" in since:Integer SortNo:Integer out qty:Integer name:Text name:Text key");

  // A key column through the reference: the referenced table's column,
  // under the reference's alias.
  EXPECT_EQ(list("Order", "ByBuyer"),
            "ListResult * main :: OrderGetByBuyer ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"By buyer\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Order pOrder;\n"
            "  Customer pbuyer;\n"
            "\n"
            "  cursor.Project() << pOrder->qty << pbuyer->name;\n"
            "  cursor.Set((pOrder->buyerid==pbuyer->id ) && ( pOrder->buyerid==pbuyer->id));\n"
            "\n"
            "  r->AddColumn(\"Qty\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);
}

TEST_F(ListMethods, InheritedPartsAndTypeRestriction) {
  // An inherited key column brings the ancestor's table and the class's own.
  EXPECT_EQ(list("Person", "People"),
            "ListResult * main :: PersonGetPeople ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"People\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Party pParty;\n"
            "  Person pPerson;\n"
            "\n"
            "  cursor.Project() << pParty->id << pPerson->given;\n"
            "  cursor.Set((pPerson->id==pParty->id));\n"
            "\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Given\",AC_Str);\n" +
                tail);
  // Only the ancestor's table: its rows of the class's type.
  EXPECT_EQ(list("Person", "Titles"),
            "ListResult * main :: PersonGetTitles ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Titles\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Party pParty;\n"
            "\n"
            "  cursor.Project() << pParty->title;\n"
            "  cursor.Set((pParty->PartyType==1));\n"
            "\n"
            "  r->AddColumn(\"Title\",AC_Str);\n" +
                tail);

  // A class the family's type knows nothing of.
  ClassDesc* student = keepForRun(new ClassDesc("Student", *cls("Person")));
  main->classes["Student"] = student;
  ViewWindow* titles = student->AddView("Titles", "Titles", nullptr);
  titles->AddColumn("", "title", "", "", 0, false);
  EXPECT_EQ(error("Student", "Titles"), "Enum not defined. ");
}

TEST_F(ListMethods, ManualSelectionJoinsOnlyInheritedParts) {
  const std::string head =
      "  KVCursor cursor(rdb);\n"
      "  Member pMember;\n"
      "  Person pPerson;\n"
      "  Party pPersonParty;\n"
      "\n"
      "  cursor.Project() << pMember->id << pPersonParty->title;\n";
  const std::string columns =
      "  r->AddColumn(\"Number\",AC_Int);\n"
      "  r->AddColumn(\"Title\",AC_Str);\n";
  EXPECT_EQ(list("Member", "Joined"),
            "ListResult * main :: MemberGetJoined ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Joined\");\n" +
                head +
                "  cursor.Set((pMember->personid==pPerson->id && pPerson->id==pPersonParty->id ) && ( "
                "pMember->personid==pPerson->id));\n"
                "\n" +
                columns + tail);
  EXPECT_EQ(list("Member", "MemberList"),
            "ListResult * main :: MemberGetMemberList ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Members\");\n" +
                head +
                "  cursor.Set((pPersonParty->id==pPerson->id ) && ( pMember->personid==pPerson->id));\n"
                "\n" +
                columns + tail);

  // The archive list of a manual selection has no joins at all; its
  // condition reads the key of the class named in that class's table.
  EXPECT_EQ(archive("Member"),
            "ListResult * main :: MemberGetArcList ( int SortNo ) {\n"
            "  KVCursor cursor(rdb);\n"
            "  MemberArc pMember;\n"
            "  PersonArc pPerson;\n"
            "  PartyArc pPersonParty;\n"
            "\n"
            "  cursor.Project() << pMember->id << pPersonParty->title;\n"
            "  cursor.Set(pMember->personid==pPerson->id);\n"
            "\n"
            "  ListResult* r=new ListResult(\"Members. (Archive)\");\n" +
                columns + tail);
}

TEST_F(ListMethods, ArchiveLists) {
  // Joins and an alternative: the alternative stays inside the join.
  list("Order", "OrderList");
  EXPECT_EQ(archive("Order"),
            "ListResult * main :: OrderGetArcList ( int SortNo ) {\n"
            "  KVCursor cursor(rdb);\n"
            "  OrderArc pOrder;\n"
            "  CustomerArc pbuyer;\n"
            "\n"
            "  cursor.Project() << pOrder->id << pOrder->qty << pbuyer->name;\n"
            "  cursor.Set(pOrder->buyerid == pbuyer->id && (pOrder->qty==\"1\" || pOrder->qty==\"2\"));\n"
            "\n"
            "  ListResult* r=new ListResult(\"Orders. (Archive)\");\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Qty\",AC_Int);\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);
  EXPECT_EQ(registered("Order", "OrderGetArcList"),
            "ListResult 40 \"View archieve (generic)\" in SortNo:Integer out id:Integer qty:Integer name:Text key");

  // An inherited part is joined to its table in the archive as in the list.
  list("Club", "ClubList");
  EXPECT_EQ(archive("Club"),
            "ListResult * main :: ClubGetArcList ( int SortNo ) {\n"
            "  KVCursor cursor(rdb);\n"
            "  ClubArc pClub;\n"
            "  PersonArc phead;\n"
            "  PartyArc pheadParty;\n"
            "\n"
            "  cursor.Project() << pClub->id << pheadParty->title;\n"
            "  cursor.Set(pClub->headid == phead->id && phead->id == pheadParty->id);\n"
            "\n"
            "  ListResult* r=new ListResult(\"Clubs. (Archive)\");\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Title\",AC_Str);\n" +
                tail);

  // Nothing to select by: no selection at all.
  list("Customer", "CustomerList");
  EXPECT_EQ(archive("Customer"),
            "ListResult * main :: CustomerGetArcList ( int SortNo ) {\n"
            "  KVCursor cursor(rdb);\n"
            "  CustomerArc pCustomer;\n"
            "\n"
            "  cursor.Project() << pCustomer->name;\n"
            "\n"
            "  ListResult* r=new ListResult(\"Customers. (Archive)\");\n"
            "  r->AddColumn(\"Name\",AC_Str);\n" +
                tail);

  // An SQL view in the join, and a condition on an argument: no archive form.
  list("Purchase", "PurchaseList");
  EXPECT_EQ(archive("Purchase"), "");
  EXPECT_EQ(registered("Purchase", "PurchaseGetArcList"), "none");
  list("Visit", "VisitList");
  EXPECT_EQ(archive("Visit"), "");
  EXPECT_EQ(registered("Visit", "VisitGetArcList"), "none");
}

TEST_F(ListMethods, ColumnsThatCannotBeResolved) {
  EXPECT_EQ(error("Customer", "Wrong"), "schemgen:1871 In window Wrong of Class Customer wrong attributenosuch");
  EXPECT_EQ(error("Customer", "Far"), "schemgen:1925 In window Far unable to resolve attribute details Customer.nosuch");
  // The lookups that would otherwise read nothing: a reference's missing
  // column and a key column of a table the project lacks.
  EXPECT_EQ(error("Order", "Deep"), "schemgen:1925 In window Deep unable to resolve attribute details Customer.nosuch");
  EXPECT_EQ(error("Customer", "Lost"), "schemgen:1925 In window Lost unable to resolve attribute details Nosuch.id");
}

// A column reached through a reference attribute and compared with a value
// is read in the referenced table under the attribute's name, joined by the
// reference's foreign key, as a view column through it would be.
TEST_F(ListMethods, LeftOperandThroughReference) {
  EXPECT_EQ(list("Order", "Through"),
            "ListResult * main :: OrderGetThrough ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Through\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Order pOrder;\n"
            "  Customer pbuyer;\n"
            "\n"
            "  cursor.Project() << pOrder->qty;\n"
            "  cursor.Set((pOrder->buyerid==pbuyer->id ) && ( pbuyer->name==\"x\"));\n"
            "\n"
            "  r->AddColumn(\"Qty\",AC_Int);\n" +
                tail);
}

// Compared with a column of the class, it is read there too: in the
// referenced row, its inherited part joined to it, and not in some row of
// the referenced class, which nothing joins.
TEST_F(ListMethods, LeftOperandThroughReferenceComparedWithColumn) {
  EXPECT_EQ(list("Note", "Signed"),
            "ListResult * main :: NoteGetSigned ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Signed\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Note pNote;\n"
            "  Person pwriter;\n"
            "  Party pwriterParty;\n"
            "\n"
            "  cursor.Project() << pNote->id << pwriter->given;\n"
            "  cursor.Set((pNote->writerid==pwriter->id && pwriter->id==pwriterParty->id ) && ( "
            "pwriter->given==pNote->text || pwriterParty->title==pNote->text));\n"
            "\n"
            "  r->AddColumn(\"Number\",AC_Int);\n"
            "  r->AddColumn(\"Given\",AC_Str);\n" +
                tail);
}

// The same through a reference into an included project: the column is
// read in the included project's table.
TEST_F(FrontEnd, ListConditionThroughReferenceIntoIncludedProject) {
  const std::string types =
      "Integer : C = \"int\", WS = \"Int\", Name = \"Integer\";\n"
      "Text : C = \"Str\", WS = \"Str\", Name = \"Text\";\n"
      "UserID : C = \"int\", WS = \"Int\", Name = \"User\";\n"
      "Date : C = \"Str\", WS = \"Date\", Name = \"Date\";\n";
  write("stock.tsk", types + "Class Item \"Item\" { Attributes { Text code, PK \"Code\"; Integer amount; } }\n");
  open(types + "include \"stock.tsk\"\n"
               "Class Order \"Order\" {\n"
               "  Attributes { Integer id, PK \"Number\"; stock::Item item \"Item\"; }\n"
               "  Views { DataWindow Big \"Big\" { id; Select item.amount > \"3\"; } }\n"
               "}\n");
  std::string printed;
  ASSERT_EQ(parse(printed), 0) << printed;
  CaptureStdout quiet;
  projectMap.find("stock")->unwrapAll(false);
  main->unwrapAll(false);
  std::ostringstream header, source;
  InterfaceMethodsGenerator generator(header, source, "main");
  AttribList none;
  ClassDesc* order = main->classes.at("Order");
  generator.GenerateListMethod(order, order->GetView("Big"), none);
  EXPECT_EQ(source.str(),
            "ListResult * main :: OrderGetBig ( int SortNo ) {\n"
            "  ListResult* r=new ListResult(\"Big\");\n"
            "  KVCursor cursor(rdb);\n"
            "  Order pOrder;\n"
            "  Item pitem;\n"
            "\n"
            "  cursor.Project() << pOrder->id;\n"
            "  cursor.Set((pOrder->itemcode==pitem->code ) && ( pitem->amount> \"3\"));\n"
            "\n"
            "  r->AddColumn(\"Number\",AC_Int);\n" +
                tail);
}

}  // namespace
