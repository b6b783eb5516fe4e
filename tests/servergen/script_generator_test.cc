// The markup tree of the help pages, the script declarations and the HTML
// help written from a project's method map.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "model/class_desc.h"
#include "servergen/html_tag.h"
#include "servergen/script_generator.h"
#include "tests/model/model_world.h"
#include "tests/support/list_names.h"

namespace {

using std::string;

// A page as the page writer lays it out around its three trees.
string page(const string& name, const string& summary, const string& syntax, const string& notes,
            const string& params) {
  const string title = "Internal API of Shop_Container.";
  string sheets;
  for (const char* s : {"ie4", "ie5", "dtue", "default"})
    sheets += string("<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"/common/css/") + s + ".css\" />\n";
  return "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n<title>" + title +
         "</title>\n" + sheets + "</head>\n<body>\n\n<!-- PATH START -->\n" +
         "\n<TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"4\" HEIGHT=\"24\" WIDTH=\"100%\" BGCOLOR=\"#ed1f24\">"
         "\n  <TR >"
         "\n    <TD CLASS=\"eyebrow\" VALIGN=\"middle\" ALIGN=\"left\" WIDTH=\"100%\">&nbsp;&nbsp;"
         "\n      <a class=\"small\" target=\"_top\" href=\"/default.html\">Home</a>&nbsp;>&nbsp;"
         "\n      <a class=\"small\" target=\"_top\" href=\"/Content/Reference.html\">API Reference</a>&nbsp;>&nbsp;"
         "</TD></TR></TABLE><!-- PATH END -->\n"
         "<!--BODY  TABLE START-->\n"
         "<TABLE STYLE=\"table-layout:fixed\" class='clsContainer' CELLPADDING='15' CELLSPACING='0' float='left' "
         "WIDTH='100%' BORDER='0'> <TR> <TD VALIGN='top'>\n"
         "<!--NONSCROLLING BANNER START-->\n"
         "\n<div id=\"nsbanner\">"
         "\n  <div id=\"bannerrow1\">"
         "\n    <TABLE CLASS=\"bannerparthead\" CELLSPACING=0>"
         "\n      <TR ID=\"hdr\">"
         "\n        <TD CLASS=\"runninghead\" nowrap>" +
         title + "</TD>\n        <TD CLASS=\"product\" nowrap>&nbsp;</TD></TR></TABLE></div>" +
         "\n  <div id=\"TitleRow\">\n    <H1 class=\"dtH1\">" + name + "</H1></div></div>" +
         "<!--NONSCROLLING BANNER END-->\n" + "\n<DIV id=\"nstext\" valign=\"bottom\">\n  <P >" + summary + "</P>" +
         "\n  <H4 class=\"dtH4\">Syntax</H4>\n  <PRE class=\"syntax\">" + syntax + "</PRE>" +
         "\n  <H4 class=\"dtH4\">Special notes</H4>\n  <DL >" + notes + "</DL>" +
         "\n  <H4 class=\"dtH4\">Example</H4>\n  <PRE class=\"code\">\n    <SPAN class=\"lang\">[XMLRPC]</SPAN>" +
         "\n    <xmp >\n<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
         "<!-- Warning! KX xmlrpc does not parce xml-comments in a request, please REMOVE all comments from actual "
         "request -->\n<methodCall>\n <methodName>Execute</methodName>\n <params>\n  <param>\n   <value>\n"
         "    <struct>\n     <member>\n      <name>Server</name>\n      <value>Shop</value>\n     </member>\n"
         "     <member>\n      <name>Method</name>\n      <value>" +
         name + "</value>\n     </member>\n     <member>\n      <name>Params</name>\n      <value>\n" +
         "       <array>\n        <data>\n" + params +
         "        </data>\n       </array>\n      </value>\n     </member>\n    </struct>\n   </value>\n"
         "  </param>\n </params>\n</methodCall>\n</xmp></PRE></DIV></TABLE>\n"
         "<!--BODY  TABLE END-->\n</BODY>\n</HTML>\n";
}

// The shop: Client and Order have objects and both declare Add; Stock has
// no object and Report is an SQL view, so neither is documented.
struct Shop {
  ModelWorld world;
  Project* shop = world.project("Shop");
  MethodsMap& map = shop->methods;

  Shop() {
    for (auto [type, field, value] :
         {std::tuple{"Int", "C", "Int"}, {"Int", "Name", "Number"}, {"Code", "C", "Str"}, {"Code", "LEN", " 12 "},
          {"Code", "Name", "Code"}, {"Price", "C", "Double"}, {"Price", "Orvale", "money"}, {"Pic", "C", "FBlob"},
          {"When", "C", "Date"}})
      TypesPool.AddType(type, field, value);
    ClassDesc* client = ModelWorld::add(shop, new ClassDesc("Client", 0, ""));
    client->setClassAlias("Customer");
    client->setComment("People who buy");
    ClassDesc* order = ModelWorld::add(shop, new ClassDesc("Order", 0, ""));
    ClassDesc* stock = ModelWorld::add(shop, new ClassDesc("Stock", 0, ""));
    ClassDesc* report = ModelWorld::add(shop, new ClassDesc("Report", 0, ""));
    report->setObject(2);
    for (const char* T : {"Client", "Order", "Stock", "Report"}) shop->tables.addTable(T);
    for (const char* T : {"Client", "Order", "Report"}) shop->objects[T] = new ObjectDesc(T, T);

    map.addMethod("Client", "Add", "ErrorMessage", "Adds a client {Rule|Name is unique}", "", 0, client);
    in("No", "Int", "Client number {XMLRPC:42}");
    in("Code", "Code", "", "Short name");
    map.addMethod("Client", "Get", "ItemResult", "", "", 0, client);
    in("No", "Int", "{XMLRPC:7");
    out("Code", "Code"), out("Price", "Price"), out("Code", "Code"), out("Pic", "Pic"), out("When", "When");
    map.addMethod("Client", "Recalc", "ErrorMessage", "", "", 0x1, client);  // internal
    map.addMethod("Client", "Sales", "ComplexResult", "Sums {a|b} {c|d", "", 0, client);
    in("Rate", "Price", "Rate {XMLRPC:1.5}");
    map.addMethod("Order", "Add", "ErrorMessage", "", "", 0, order);
    map.addMethod("Order", "Hidden", "ListResult", "", "", 0x100, order);  // no header
    map.addMethod("Order", "Lines", "ListResult", "", "", 32, nullptr);
    out("Price", "Price");
    map.addMethod("Order", "Touch", "ItemResult", "", "", 0, order);
    map.addMethod("Report", "Rows", "ListResult", "", "", 0, report);
    map.addMethod("Stock", "Count", "ItemResult", "", "", 0, stock);
    out("n", "Int");
  }
  void in(const char* id, const char* type, const char* comment, const char* name = "") {
    map.addInArg(id, type, comment, "", "", 0, 0, name);
  }
  void out(const char* id, const char* type) { map.addOutArg(id, type, "", "", "", 0, "", 0, "", ""); }
};

}  // namespace

TEST(HtmlTag, RendersNestedElementsChildrenAndSiblings) {
  // Empty attribute text keeps its blank; an unset one has none.
  EXPECT_EQ(Str(Tag("P", "")), "\n<P ></P>");
  // A chain of three under one element: the first is the child, the others
  // its siblings, each on its own line two blanks deeper.
  Tag list = Tag("UL", "a=1")[(Tag("LI", "")["one"], Tag("LI", "")[Tag("B", "")["two"]]["!"], "tail")];
  EXPECT_EQ(Str(list), "\n<UL a=1>\n  <LI >one</LI>\n  <LI >\n    <B >two</B>!</LI>tail</UL>");
  // Subscripting twice appends to the child's siblings; a copy is deep.
  Tag row = Tag("TR", "")[Tag("TD", "")["x"]][Tag("TD", "")["y"]];
  Tag copy = row;
  row = Tag("TR", "");
  EXPECT_EQ(copy.getContent("  "), "\n  <TR >\n    <TD >x</TD>\n    <TD >y</TD></TR>");
  EXPECT_EQ(Str((Tag("A", ""), Tag("B", ""))), "\n<A ></A>\n<B ></B>");
}

TEST(HtmlTag, PagePatternFillsItsSlotsInTheLayoutsOrder) {
  // Slot 1 stands before slot 0 in the layout; each value goes where its
  // own slot stands, and a second page is appended after the first.
  PagePattern pattern(Str("<P >") << PagePattern::slot(1) << "</P><H1 >" << PagePattern::slot(0) << "</H1>\n", 2);
  std::string pages;
  pattern.fill(pages, {"Get", "A $1 page"});
  pattern.fill(pages, {"", "x"});
  EXPECT_EQ(pages, "<P >A $1 page</P><H1 >Get</H1>\n<P >x</P><H1 ></H1>\n");
  // A layout must hold every slot once.
  EXPECT_THROW(PagePattern(Str("<P >") << PagePattern::slot(0), 2), Str);
  EXPECT_THROW(PagePattern(PagePattern::slot(0) << PagePattern::slot(0), 1), Str);
}

TEST(ScriptDeclarations, ListsAndRecordsWithUniqueFieldIds) {
  Shop s;
  std::ostringstream structs, html;
  OrvaleGenerator(structs, html, "Shop").Generate();
  EXPECT_EQ(structs.str(),
            "namespace Shop {\n"
            "struct ClientGet(char Code, money Price, char Code1, blob Pic,  When );\n"
            "list Lines(money Price );\n"
            "struct Touch( );\n"
            "list Rows( );\n"
            "struct Count(int n );\n"
            "}\n");
  EXPECT_EQ(ids(s.map.findByName("Client :: Get")->output), (Names{"Code", "Price", "Code1", "Pic", "When"}));
}

TEST(HtmlHelp, IndexOfDocumentedClassesAndAPagePerMethod) {
  Shop s;
  ScratchDir work(ScratchDir::enter);
  std::filesystem::create_directories(".src/HTML");
  std::ostringstream structs, html;
  OrvaleGenerator(structs, html, "Shop").GenerateHTMLHelp();
  const string table = "      <ul><table border=0 rules=calls selspacing=0 allign=left>\n";
  EXPECT_EQ(html.str(),
            "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n"
            "<title>Internal API of Shop_Container.</title>\n</head>\n<body>\n\n"
            "<a href=\"#Client\">Client</a><br>\n<a href=\"#Order\">Order</a><br>\n<ul>\n"
            "  <li><a name=\"Client\"></a><b>Class Client</b> - Customer : <em>People who buy</em>\n  <ul>\n"
            "    <li>Add - ErrorMessage : <em>Adds a client {Rule|Name is unique} </em><br>\n"
            "    Arguments:\n" +
                table +
                "      <tr><td>Int <td>No <td>Number<td><em>Client number {XMLRPC:42}</em>, \n"
                "      <tr><td>Str(12) <td>Code <td>Short name\n"
                "      </table></ul>\n"
                "    <li>Get - ItemResult : <em> </em><br>\n    Arguments:\n" +
                table + "      <tr><td>Int <td>No <td>Number<td><em>{XMLRPC:7</em>\n      </table></ul>\n" +
                "    Result:\n" + table +
                "      <tr><td>Str(12) <td>Code <td>Code, \n      <tr><td>Double <td>Price <td>, \n"
                "      <tr><td>Str(12) <td>Code <td>Code, \n      <tr><td>FBlob <td>Pic <td>, \n"
                "      <tr><td>Date <td>When <td>\n      </table></ul>\n"
                "    <li>Sales  </ul>\n"
                "  <li><a name=\"Order\"></a><b>Class Order</b> -  : <em></em>\n  <ul>\n"
                "    <li>Add - ErrorMessage : <em> </em><br>\n    Arguments:\n" +
                table + "\n      </table></ul>\n" + "    <li>Lines - ListResult : <em> </em><br>\n    Arguments:\n" +
                table + "\n      </table></ul>\n    Result:\n" + table +
                "      <tr><td>Double <td>Price <td>\n      </table></ul>\n" +
                "    <li>Touch - ItemResult : <em> </em><br>\n    Arguments:\n" + table +
                "\n      </table></ul>\n  </ul>\n</ul>\n</body>\n</html>\n");

  // Both classes declare Add: each keeps its own page.
  EXPECT_EQ(work.read(".src/HTML/Client.Add.html"),
            page("Add", "Adds a client",
                 "<B>ErrorMessage Shop::Add(</B>\n  <B>Int</B> <I>No</I> - Client number.\n"
                 "  <B>Str(12)</B> <I>Code</I>.\n<B>)</B>\n",
                 "  <DT><I>Rule</I></DT>\n  <DD>Name is unique</DD>\n",
                 "         <!-- No -->\n         <value><i4>42</i4></value>\n"
                 "         <!-- Code -->\n         <value>123</value>\n"));
  EXPECT_TRUE(std::filesystem::exists(".src/HTML/Order.Add.html"));
  // A group without its "}" leaves the default value.
  EXPECT_EQ(work.read(".src/HTML/Get.html"),
            page("Get", "",
                 "<B>ItemResult Shop::Get(</B>\n  <B>Int</B> <I>No</I>.\n<B>)</B>\n<B>returns</B>\n"
                 "  <B>Str(12)</B> <I>Code</I>.\n  <B>Double</B> <I>Price</I>.\n  <B>Str(12)</B> <I>Code</I>.\n"
                 "  <B>FBlob</B> <I>Pic</I>.\n  <B>Date</B> <I>When</I>.\n",
                 "", "         <!-- No -->\n         <value><i4>123</i4></value>\n"));
  // Only complete groups become notes.
  EXPECT_EQ(work.read(".src/HTML/Sales.html"),
            page("Sales", "Sums",
                 "<B>ComplexResult Shop::Sales(</B>\n  <B>Double</B> <I>Rate</I> - Rate.\n<B>)</B>\n",
                 "  <DT><I>a</I></DT>\n  <DD>b</DD>\n",
                 "         <!-- Rate -->\n         <value><double>1.5</double></value>\n"));
  for (const char* absent : {"Add.html", "Recalc.html", "Hidden.html", "Rows.html", "Count.html"})
    EXPECT_FALSE(std::filesystem::exists(string(".src/HTML/") + absent)) << absent;
  for (const char* present : {"Lines.html", "Touch.html"})
    EXPECT_TRUE(std::filesystem::exists(string(".src/HTML/") + present)) << present;
}
