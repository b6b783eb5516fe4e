// Method and view signatures after whole expansions of a parsed description:
// every argument form, reports, virtual methods with dispatchers, the list
// method a view calls, and view conditions rewritten column by column; the
// same model again after a second expansion.
#include <sstream>
#include <string>

#include "model/windows.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

std::string argText(const Attributes& a) {
  std::string text = a.Id().std() + ":" + a.Type().std();
  if (!a.Name().IsEmpty()) text += " \"" + a.Name().std() + "\"";
  if (!a.Comment().IsEmpty()) text += " /*" + a.Comment().std() + "*/";
  if (!a.Prefix().IsEmpty() || !a.Suffix().IsEmpty()) text += " <" + a.Prefix().std() + "|" + a.Suffix().std() + ">";
  if (a.IsProperty("HIDE")) text += " HIDE";
  if (a.IsProperty("NOT")) text += " NOT";
  return text;
}

std::string listText(const char* label, const AttribList& list) {
  if (list.isEmpty()) return "";
  std::string text = std::string("\n  ") + label + ":";
  for (const Attributes& a : list) text.append(" ").append(argText(a)).append(";");
  return text;
}

// Every descriptor of the map, one block each, in map order.
std::string mapText(MethodsMap& map) {
  std::string text;
  map.reset();
  while (map.next()) {
    const MethodDesc& d = map.Body();
    text += map.IdPair().first.std() + " :: " + d.name.std() + " -> " + d.resultType.std() + " (" +
            std::to_string(d.flags) + (d.owner ? "" : ", no class") + ")";
    text += listText("in", d.input) + listText("out", d.output) + listText("key", d.dwpk);
    if (!d.dispatchers.empty()) {
      text += "\n  texts:";
      for (const Str& s : d.dispatchers) text += " " + s.std();
    }
    text += "\n";
  }
  return text;
}

std::string columnText(const ColumnStruct& c) { return c.column().SName.std() + "." + c.column().FName.std(); }

// A view's conditions as one line: atoms and joining signs in order.
std::string conditionText(const ViewWindow& view) {
  std::string text;
  auto sign = view.getSigns().begin();
  for (const Atom& a : view.getAtoms()) {
    text += columnText(a.getFirstAttr()) + " " + a.getSign().std() + " ";
    if (a.isAttrib())
      text += columnText(a.getSecondAttr());
    else if (a.isLiteral())
      text += "'" + a.getLiteral().std() + "'";
    else
      text += "$" + a.getGlobal().std();
    if (sign != view.getSigns().end()) text += " " + (sign++)->std() + " ";
  }
  return text;
}

class Signatures : public Declarations {
protected:
  // Runs one expansion; its progress line is kept off the test output.
  void expand() {
    CaptureStdout quiet;
    main->unwrapAll(false);
  }
  std::string conditions(const char* cls, const char* view) { return conditionText(*this->cls(cls)->GetView(view)); }
};

const char* const shop =
    "UserID : C = \"int\";\n"
    "Date : C = \"Str\";\n"
    "Class Customer \"Customer\" {\n"
    "  Attributes {\n"
    "    Integer no, PK \"Number\";\n"
    "    Text name \"Name\"; /* full name */\n"
    "  }\n"
    "  Views {\n"
    "    DataWindow Pick \"Pick\" {\n"
    "      Customer.no, Customer.name;\n"
    "    } returns \"[\" Customer.no \"]\";\n"
    "  }\n"
    "}\n"
    "Class Purchase \"Purchase\" {\n"
    "  Attributes {\n"
    "    Integer id, PK \"Number\";\n"
    "    Integer part, PK \"Part\";\n"
    "    Customer buyer \"Buyer\";\n"
    "    Text note \" Note \"; /* what to remember  */\n"
    "  }\n"
    "  Methods {\n"
    "    Pay(id) dispatched by Customer.no;\n"
    "  }\n"
    "}\n"
    "Class Line \"Line\" {\n"
    "  Attributes {\n"
    "    Purchase purchase \"Purchase \"; /* the purchase */\n"
    "    Integer qty \"Qty\";\n"
    "  }\n"
    "  Methods {\n"
    "    Add(qty, Purchase, -purchase, *Customer.Pick);\n"
    "    Show(Purchase.buyer, purchase.note) returns qty, purchase.note, Purchase, Customer.Pick;\n"
    "    Report Summary(qty);\n"
    "    Report Totals(qty) returns qty;\n"
    "    Virtual Charge(qty) returns Purchase.Pay, Add, main.PurchaseGet;\n"
    "    const List(qty);\n"
    "  }\n"
    "  Views {\n"
    "    DataWindow Lines \"Lines\" {\n"
    "      Line.qty \"Qty\", purchase.note, Customer.name;\n"
    "      Select Line.purchase = Purchase | qty = \"5\" & UserArc = GUserID;\n"
    "      StandardInput: List;\n"
    "    } returns Line.qty;\n"
    "  }\n"
    "}\n"
    "Class Party \"Party\" {\n"
    "  Attributes {\n"
    "    Integer id, PK \"Number\";\n"
    "  }\n"
    "}\n"
    "Class Person : Party \"Person\" {\n"
    "  Attributes {\n"
    "    Text first \"First\";\n"
    "  }\n"
    "  Views {\n"
    "    DataWindow People \"People\" {\n"
    "      Person.first;\n"
    "      Select PartyType = isPerson;\n"
    "    }\n"
    "  }\n"
    "}\n";

// The descriptors with the texts a generator-registered method collects once
// per expansion (`served`).
std::string expectedMap(const std::string& served) {
  return
      // Inputs: a plain column, the key of a class, the columns of a
      // reference (hidden), the key of the class whose view is named.
      "Line :: Add -> ErrorMessage (1024)\n"
      "  in: qty:Integer \"Qty\"; id:Integer \"Number\"; part:Integer \"Part\";"
      " purchaseid:Integer \"Purchase  Number\" /* the purchase */ HIDE;"
      " purchasepart:Integer \"Purchase  Part\" /* the purchase */ HIDE;"
      " no:Integer \"Number\" NOT;\n"
      "  texts: Charge\n"
      // Virtual: the item result and no result arguments.
      "Line :: Charge -> ItemResult (1088)\n"
      "  in: qty:Integer \"Qty\";\n"
      // Filled into the view Lines: a list method with one hidden result
      // per column, the first result column also a key.
      "Line :: List -> ListResult (8)\n"
      "  in: qty:Integer \"Qty\"; SortNo:Integer;\n"
      "  out: qty:Integer \"Qty\" HIDE; note:Text \" Note \" /* what to remember  */ HIDE;"
      " name:Text \"Name\" /* full name */ HIDE;\n"
      "  key: qty:Integer \"Qty\" HIDE;\n"
      // A reference of another class (key prefixed by the reference), a
      // column through a reference attribute; the view's result columns.
      "Line :: Show -> ItemResult (1024)\n"
      "  in: buyerno:Integer \"Number\"; purchasenote:Text \"Purchase \" /* the purchase */;\n"
      "  out: qty:Integer \"Qty\"; purchasenote:Text \"purchase Note \" /*Purchase. what to remember*/;"
      " id:Integer \"Number\"; part:Integer \"Part\"; no:Integer \"Number\" <[|]>;\n"
      "  key: no:Integer \"Number\" <[|]>;\n"
      "Line :: Summary -> ComplexResult (1026)\n"
      "  in: qty:Integer \"Qty\";\n"
      "Line :: Totals -> ItemResult (1026)\n"
      "  in: qty:Integer \"Qty\";\n"
      "  out: qty:Integer \"Qty\";\n"
      // The virtual method's name first (class Line comes first), then the
      // dispatcher.
      "Purchase :: Pay -> ErrorMessage (1024)\n"
      "  in: id:Integer \"Number\";\n"
      "  texts: Charge no\n"
      "main :: PurchaseGet -> ItemResult (32, no class)\n"
      "  texts:" +
      served + "\n";
}

TEST_F(Signatures, EveryFormOnceAndAgain) {
  parseOk(shop);
  // What a generator registers: no class, no arguments.
  main->methods.addMethod("main", "PurchaseGet", "ItemResult", "", "", 32, nullptr);

  expand();
  EXPECT_EQ(mapText(main->methods), expectedMap(" Charge"));
  // The two-column reference gives one conjunction, each column compared
  // with the key column of the class named; the family value its code; a
  // literal and a global keep one column each.
  const std::string lines =
      "Line.purchaseid == Purchase.id && Line.purchasepart == Purchase.part || .qty == '5' && .UserArc == $GUserID";
  EXPECT_EQ(conditions("Line", "Lines"), lines);
  EXPECT_EQ(conditions("Person", "People"), ".PartyType == '1'");
  EXPECT_EQ(cls("Line")->FindMethod("Summary")->ReturnType(), "ComplexResult");

  // Again on the same model: the class methods come out as before, the
  // generator's method collects the virtual method's name once more, and
  // the conditions are rebuilt from their declaration.
  expand();
  EXPECT_EQ(mapText(main->methods), expectedMap(" Charge Charge"));
  EXPECT_EQ(conditions("Line", "Lines"), lines);
  EXPECT_EQ(conditions("Person", "People"), ".PartyType == '1'");
}

}  // namespace

namespace {

// A view's result column always names one of its columns when it is parsed;
// a view changed afterwards is still checked.
TEST_F(Signatures, ResultColumnsMustBeViewColumns) {
  parseOk(
      "Class Customer {\n"
      "  Attributes {\n"
      "    Integer id, PK;\n"
      "  }\n"
      "  Methods {\n"
      "    Find() returns Customer.Pick;\n"
      "  }\n"
      "  Views {\n"
      "    DataWindow Pick \"Pick\" {\n"
      "      Customer.id;\n"
      "    } returns Customer.id;\n"
      "  }\n"
      "}\n");
  cls("Customer")->GetView("Pick")->AddOutputArg("main", "id", "");
  CaptureStdout quiet;
  try {
    main->unwrapAll(true);
    FAIL() << "no error";
  } catch (const Str& error) {
    EXPECT_EQ(error, "unwrapper:322Columns definition in window do not match with returned result set.");
  }
}

}  // namespace
