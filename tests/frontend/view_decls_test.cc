// View and window declarations: dialog windows and folders with their
// entries, standard inputs and accepted arguments; list views with every
// column form, empty-list texts, a mixed condition, excluded names and result
// columns; the errors of declaring a window or view again and of returning a
// column the view lacks; conditions that must not leak into one another.
#include <string>
#include <vector>

#include "frontend/view_decls.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

using Texts = std::vector<std::string>;

// A null text shows as "(null)".
std::string show(const Str& text) { return text.IsNull() ? "(null)" : text.std(); }

// A locator as "project,attribute,class"; a column adds "/title" and its marks.
std::string describe(const AttrLocator& a) { return a.PName.std() + "," + a.FName.std() + "," + a.SName.std(); }

std::string describe(const ColumnStruct& c) {
  return describe(c.column()) + "/" + c.alias().std() + (c.Agregate() ? " [+]" : "") +
         (c.column().editable ? " editable" : "");
}

// Calls as "method,class,project", separated by "; ".
std::string describe(const TargetList& calls) {
  std::string out;
  for (const auto& [method, where] : calls)
    out += (out.empty() ? "" : "; ") + method.std() + "," + where.first.std() + "," + where.second.std();
  return out;
}

// A window's kind, title, menu item and patch section.
std::string describe(DialogWindow& w) {
  return w.WhoAmI().std() + "|" + w.Header().std() + "|" + show(w.MenuItemName()) + "|" + w.Name_Patch().std();
}

Texts standardInput(CommonWindow& w) {
  Texts out;
  w.SIReset();
  while (w.SINext()) out.push_back(w.SICStandardInput().std() + "," + w.SICClass().std() + "," + w.SICProject().std());
  return out;
}

Texts accepted(const CommonWindow& w) {
  Texts out;
  for (const AttrLocator& a : w.acceptedArgs()) out.push_back(describe(a));
  return out;
}

// Method entries as "name|label|calls|text|hint".
Texts entries(CommonWindow& w) {
  Texts out;
  for (MethodStruct* m = w.GetFirstMethod(); m; m = w.GetNextMethod())
    out.push_back(m->name.std() + "|" + m->label.std() + "|" + describe(m->targets) + "|" + show(m->text) + "|" +
                  show(m->hint));
  return out;
}

Texts columns(ViewWindow& v) {
  Texts out;
  for (AttrLocator* c = v.GetFirstColumn(); c; c = v.GetNextColumn()) {
    ColumnStruct column(c->PName, c->FName, c->SName, *v.GetColumnAlias(), v.GetAggregate());
    column.setEditable(c->editable);
    out.push_back(describe(column));
  }
  return out;
}

// A condition as "left sign right", the right side a column or
// "literal:<value>" / "global:<value>", with " OJ" for an outer join.
std::string describe(const Atom& a) {
  std::string right = a.isAttrib()    ? describe(a.getSecondAttr())
                      : a.isLiteral() ? "literal:" + a.getLiteral().std()
                                      : "global:" + a.getGlobal().std();
  return describe(a.getFirstAttr()) + " " + a.getSign().std() + " " + right + (a.isOJ() ? " OJ" : "");
}

Texts conditions(const ViewWindow& v) {
  Texts out;
  for (const Atom& a : v.getAtoms()) out.push_back(describe(a));
  return out;
}

Texts signs(const ViewWindow& v) { return Texts(v.getSigns().begin(), v.getSigns().end()); }

// Result columns as "leading|column|trailing", the column marked "*" for a
// drop-down list.
Texts outputs(ViewWindow& v) {
  Texts out;
  for (AttrLocator* a = v.GetFirstOutputArg(); a; a = v.GetNextOutputArg())
    out.push_back(a->leading.std() + "|" + (a->dropDown ? "*" : "") + describe(*a) + "|" + a->trailing.std());
  return out;
}

class ViewDecls : public Declarations {
protected:
  DialogWindow* window(const char* cls, const char* id) const { return this->cls(cls)->GetWindow(id); }
  ViewWindow* view(const char* cls, const char* id) const { return this->cls(cls)->GetView(id); }
};

TEST_F(ViewDecls, WindowsAndFoldersWithTheirEntries) {
  parseOk(
      "Class Person { Attributes { Integer id, PK; } }\n"
      "Class Order {\n"
      "  Views {\n"
      "    Window Card \"Order card\" \"Orders\" {\n"
      "      StandardInput: Load, Person.Find, shop::Person.Get;\n"
      "      StandardInput (id, Person.name, shop::code);\n"
      "      Save (\"Save\"): Save \"Save it?\";\n"
      "      Print (\"Print\", \"Prints\"): Print, Person.Print, shop::Person.Label; /* Print \"now\" */\n"
      "      Close (\"Close\", \"Closes\"): Close; /**/\n"
      "    }\n"
      "    Window Small \"Small\" { }\n"
      "    Folder Tabs \"Tabs\" \"Tab menu\" { StandardInput: Person.Find; Info (\"Info\"): Info; }\n"
      "    Folder Side \"Side\" { StandardInput: shop::Person.Find; StandardInput (Person.id); }\n"
      "    Folder Plain \"Plain\" { StandardInput: Load; }\n"
      "  }\n"
      "}\n");
  DialogWindow* card = window("Order", "Card");
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(describe(*card), "DialogWindow|Order card|Orders|");
  // A bare method fills the window with no class; a class's method comes
  // from the project that holds the class being declared.
  EXPECT_EQ(standardInput(*card), (Texts{"Load,,", "Find,Person,main", "Get,Person,shop"}));
  EXPECT_EQ(accepted(*card), (Texts{"main,id,", "main,name,Person", "shop,code,"}));
  // Entries: a bare method belongs to the class being declared, a class's
  // method to no project; a comment replaces the hint; no text is null.
  EXPECT_EQ(entries(*card), (Texts{"Save|Save|Save,Order,|Save it?|",
                                   "Print|Print|Print,Order,; Print,Person,; Label,Person,shop|(null)| Print ''now'' ",
                                   "Close|Close|Close,Order,|(null)|Closes"}));

  DialogWindow* small = window("Order", "Small");
  EXPECT_EQ(describe(*small), "DialogWindow|Small|(null)|");
  EXPECT_TRUE(standardInput(*small).empty() && !small->acceptsArgs() && entries(*small).empty());

  DialogWindow* tabs = window("Order", "Tabs");
  EXPECT_EQ(describe(*tabs), "Folder|Tabs|Tab menu|");
  EXPECT_EQ(standardInput(*tabs), (Texts{"Find,Person,main"}));
  EXPECT_EQ(entries(*tabs), (Texts{"Info|Info|Info,Order,|(null)|"}));
  EXPECT_EQ(describe(*window("Order", "Side")), "Folder|Side|(null)|");
  EXPECT_EQ(standardInput(*window("Order", "Side")), (Texts{"Find,Person,shop"}));
  EXPECT_EQ(accepted(*window("Order", "Side")), (Texts{"main,id,Person"}));
  EXPECT_EQ(standardInput(*window("Order", "Plain")), (Texts{"Load,,"}));
}

TEST_F(ViewDecls, ListViewsStoreEveryPart) {
  parseOk(
      "Class Person { Attributes { Integer id, PK; Text name; } }\n"
      "Class Order {\n"
      "  Attributes { Integer id, PK; Person buyer; State state; }\n"
      "  Views {\n"
      "    DataWindow List \"Orders\" {\n"
      "      /* All \"open\" orders */\n"
      "      id, Person.name \"Buyer\" [+], Person.buyer.id \"unused\" editable,\n"
      "      shop::Person(p).name \"Name\" [+] editable, state;\n"
      "      RowName \"Order\", WhenEmpty \"No orders\";\n"
      "      Manual Select (Order.state = Open | id > \"5\") & Person(p).id = + Order.buyer & Order.clerk != GUserID;\n"
      "      exclude name, state;\n"
      "      StandardInput: Load;\n"
      "      Open (\"Open\"): Open;\n"
      "    } returns \"Buyer: \" * Person.name \"!\", id;\n"
      "    DataWindow Other \"Other\" {\n"
      "      id;\n"
      "      WhenEmpty \"Nothing\";\n"
      "      Select id >= Person.p.id | id <= + Closed | id < + other;\n"
      "    }\n"
      "  }\n"
      "}\n");
  ViewWindow* list = view("Order", "List");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->WhoAmI(), "Table");
  EXPECT_EQ(list->Header(), "Orders");
  EXPECT_EQ(list->class_desc(), cls("Order"));
  EXPECT_EQ(list->Remark(), " All ''open'' orders ");
  // The middle name of a three-part column is its title; the one written
  // after it is not used.
  EXPECT_EQ(columns(*list), (Texts{"main,id,/", "main,name,Person/Buyer [+]", "main,id,Person/buyer editable",
                                   "shop,name,Person/Name [+] editable", "main,state,/"}));
  EXPECT_EQ(list->RowName(), "Order");
  EXPECT_EQ(list->EmptyMessage(), "No orders");
  EXPECT_TRUE(list->isManualSelection());
  // Parentheses leave no trace: the comparisons and their signs in the order
  // written; an enumeration item compares with its code.
  EXPECT_EQ(conditions(*list), (Texts{"main,state,Order/ == literal:1", "main,id,/ >  literal:5",
                                      "main,id,Person/p == main,buyer,Order/ OJ",
                                      "main,clerk,Order/ != global:GUserID"}));
  EXPECT_EQ(signs(*list), (Texts{"||", "&&", "&&"}));
  EXPECT_TRUE(list->IsExcluded("name") && list->IsExcluded("state") && !list->IsExcluded("id"));
  EXPECT_EQ(standardInput(*list), (Texts{"Load,,"}));
  EXPECT_EQ(entries(*list), (Texts{"Open|Open|Open,Order,|(null)|"}));
  // One "*" makes the whole view a drop-down list.
  EXPECT_EQ(outputs(*list), (Texts{"Buyer: |*main,name,Person|!", "|main,id,|"}));
  EXPECT_TRUE(list->IsDropDown());

  // Without a standard input a view is filled by "Get" and its name; without
  // a row name only the empty-list text is set. A "+" before an enumeration
  // item marks no outer join.
  ViewWindow* other = view("Order", "Other");
  EXPECT_EQ(standardInput(*other), (Texts{"GetOther,,"}));
  EXPECT_EQ(other->EmptyMessage(), "Nothing");
  EXPECT_TRUE(other->RowName().IsEmpty() && other->Remark().IsEmpty());
  EXPECT_FALSE(other->isManualSelection());
  EXPECT_EQ(conditions(*other), (Texts{"main,id,/ >= main,id,Person/p", "main,id,/ <= literal:2",
                                       "main,id,/ <  main,other,/ OJ"}));
  EXPECT_EQ(signs(*other), (Texts{"||", "||"}));
  EXPECT_FALSE(other->IsDropDown());
  EXPECT_TRUE(outputs(*other).empty());
}

TEST_F(ViewDecls, DeclaredAgain) {
  const std::string windowTaken = "Error: Window with such name is alredy declared in this class before token ";
  // A window name is taken by windows and folders alike, also inside a patch
  // section; the result tells a header with a menu item from one without.
  EXPECT_EQ(run("Class C { Views {\n Window W \"a\" { }\n Window W \"b\" \"c\" { } } }\n"), 7);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: " + windowTaken + "c\n");
  EXPECT_EQ(rerun("Class C { Views {\n Folder W \"a\" \"m\" { }\n Window W \"b\" { } } }\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: " + windowTaken + "{\n");
  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class C { Views { Window W \"a\" { } } }\npatch \"P\"\nClass C { Views {\n Folder W \"b\" { } } }\n"
                "endpatch\n"),
            8);
  EXPECT_EQ(printed, "\"main.tsk\", line 7: " + windowTaken + "{\n");

  // A list view declared again is an error outside a patch section only.
  EXPECT_EQ(rerun("Class C { Views { DataWindow V \"a\" { x; } } }\nClass D { Views { DataWindow V \"a\" { x; }\n"
                  " DataWindow V \"b\" { y; } } }\n"),
            16);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: View with such name is already declared before token b\n");
  restart();
  patches.insert("P");
  ASSERT_EQ(run("Class C { Views { DataWindow V \"old\" { x; WhenEmpty \"none\"; StandardInput: Load; }\n"
                "  returns x; } }\n"
                "patch \"P\"\nClass C { Views { DataWindow V \"new\" { y \"Y\"; } } }\nendpatch\n"),
            0)
      << printed;
  ViewWindow* v = view("C", "V");
  EXPECT_EQ(v->Header(), "new");
  EXPECT_EQ(v->Name_Patch(), "P");
  EXPECT_EQ(columns(*v), (Texts{"main,y,/Y"}));
  EXPECT_TRUE(v->EmptyMessage().IsEmpty());
  EXPECT_EQ(standardInput(*v), (Texts{"GetV,,"}));
  EXPECT_TRUE(outputs(*v).empty());

  // A result column must be a column of the view, as written: the same
  // attribute of another class or project is none.
  EXPECT_EQ(rerun("Class C { Views {\n DataWindow V \"v\" { Person.name, id; } returns id, name; } }\n"), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: No such column declared in the view before token ;\n");
  EXPECT_EQ(rerun("Class C { Views {\n DataWindow V \"v\" { Person.name; }\n"
                  " returns \"a\" * x::Person.name \"b\"; } }\n"),
            1);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: No such column declared in the view before token b\n");
  // A refused column does not make the view a drop-down list.
  EXPECT_FALSE(view("C", "V")->IsDropDown());
}

TEST_F(ViewDecls, WindowEntriesAndMethodRightsDoNotMix) {
  // A method right of a Groups section inside a window, and a window's
  // method entry inside a class entry of a Groups section, are syntax errors.
  EXPECT_EQ(run("Class C { Views { Window W \"w\" {\n Save granted admin; } } }\n"), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: syntax error before token granted\n");
  EXPECT_EQ(rerun("Class C { }\nGroups { admin 1; C access granted {\n Save (\"Save\"): Save; } }\n"), 1);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: syntax error before token (\n");
}

TEST_F(ViewDecls, ConditionsStayApart) {
  // An enumeration item's name on the left of a comparison is a column; a
  // view's conditions never take anything from an earlier view's.
  parseOk(
      "Class C { Views {\n"
      "  DataWindow A \"a\" { x; Select x = Open; }\n"
      "  DataWindow B \"b\" { x; Select Open = Closed & Closed = + y; }\n"
      "} }\n");
  EXPECT_EQ(conditions(*view("C", "A")), (Texts{"main,x,/ == literal:1"}));
  EXPECT_EQ(conditions(*view("C", "B")), (Texts{"main,Open,/ == literal:2", "main,Closed,/ == main,y,/ OJ"}));
  EXPECT_EQ(signs(*view("C", "B")), (Texts{"&&"}));

  // Conditions written out of order are syntax errors, not conditions; a
  // comparison stored before the error is complete.
  struct Broken {
    const char* select;
    std::size_t stored;
  };
  for (const Broken& b : {Broken{"\"1\" = x", 0}, Broken{"= x", 0}, Broken{"+ x = y", 0}, Broken{"GUserID = x", 0},
                          Broken{"x = y = z", 0}, Broken{"x = y |", 1}}) {
    SCOPED_TRACE(b.select);
    EXPECT_EQ(rerun(std::string("Class C { Views { DataWindow A \"a\" { x; Select ") + b.select + "; } } }\n"), 1);
    EXPECT_NE(printed.find(": Error: syntax error before token "), std::string::npos) << printed;
    EXPECT_EQ(conditions(*view("C", "A")).size(), b.stored);
  }
}

TEST_F(ViewDecls, ConditionsOfAnyLength) {
  // 10,000 comparisons, some of them in parentheses two deep, are one flat
  // sequence of comparisons and the signs between them, in written order.
  std::string select;
  Texts atoms;
  Texts joins;
  for (int i = 0; i < 10000; ++i) {
    std::string value = std::to_string(i);
    if (i > 0) {
      select += i % 3 ? " | " : " & ";
      joins.push_back(i % 3 ? "||" : "&&");
    }
    std::string comparison = "x = \"" + value + "\"";
    select += i % 4 == 1 ? "((" + comparison : i % 4 == 2 ? comparison + ") | id > \"" + value + "\")" : comparison;
    atoms.push_back("main,x,/ == literal:" + value);
    if (i % 4 == 2) {
      joins.push_back("||");
      atoms.push_back("main,id,/ >  literal:" + value);
    }
  }
  parseOk("Class C { Views { DataWindow A \"a\" { x; Select " + select + "; } } }\n");
  EXPECT_EQ(conditions(*view("C", "A")), atoms);
  EXPECT_EQ(signs(*view("C", "A")), joins);

  // Only parentheses inside parentheses deepen the parser's stacks; past
  // their limit the message says so.
  std::string deep = std::string(600, '(') + "x = y" + std::string(600, ')');
  EXPECT_EQ(rerun("Class C { Views {\n DataWindow A \"a\" { x;\n Select " + deep + "; } } }\n"), 1);
  EXPECT_EQ(printed,
            "\"main.tsk\", line 6: Error: Parentheses nested too deeply in a condition: the parser's stack of 500 "
            "entries is full before token (\n");
}

}  // namespace
