// Method declarations: the kind flags of every qualifier, the argument forms
// with their marks and source windows, result arguments, data-packet input,
// dispatchers, comments, SQL-view classes, and the errors of declaring a
// method or a view again.
#include <list>
#include <string>
#include <vector>

#include "tests/frontend/declarations_fixture.h"

namespace {

using Texts = std::vector<std::string>;

// An argument as "project,attribute,class" with " *" when required and " -"
// when hidden.
std::string describe(const AttrLocator& a) {
  return a.PName.std() + "," + a.FName.std() + "," + a.SName.std() + (a.required ? " *" : "") +
         (a.hidden ? " -" : "");
}

Texts describe(const std::list<AttrLocator>& args) {
  Texts out;
  for (const AttrLocator& a : args) out.push_back(describe(a));
  return out;
}

// A window as "project,class,window".
std::string describe(const WinLocator& w) { return w.project.std() + "," + w.cls.std() + "," + w.window.std(); }

AttrLocator locator(const char* project, const char* attr, const char* cls) {
  return AttrLocator(project, attr, cls, "", false, false);
}

class MethodDecls : public Declarations {};

TEST_F(MethodDecls, QualifiersGiveTheKindFlags) {
  parseOk(
      "Class C {\n"
      "  Methods {\n"
      "    Plain(); const Get(); long List(); long const LC(); const long CL();\n"
      "    adding Add(); removing Remove(); Internal Check();\n"
      "    Report Rep(); Report const RepConst(); Report adding RepAdd();\n"
      "    Virtual Virt(); Virtual long VirtLong(); Virtual removing VirtRemove();\n"
      "  }\n"
      "}\n");
  struct Expected {
    const char* name;
    int flags;
  };
  for (const Expected& e : {Expected{"Plain", 1024}, Expected{"Get", 8}, Expected{"List", 16}, Expected{"LC", 24},
                            Expected{"CL", 24}, Expected{"Add", 2048}, Expected{"Remove", 512}, Expected{"Check", 1},
                            Expected{"Rep", 1026}, Expected{"RepConst", 10}, Expected{"RepAdd", 2050},
                            Expected{"Virt", 1088}, Expected{"VirtLong", 80}, Expected{"VirtRemove", 576}}) {
    SCOPED_TRACE(e.name);
    Methods* m = method("C", e.name);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->getFlag(), e.flags);
    EXPECT_EQ(m->ReturnType(), "ErrorMessage");
    EXPECT_TRUE(m->Input().empty() && m->Output().empty() && m->getDispatchers().empty());
    EXPECT_TRUE(m->patch().IsEmpty());
    EXPECT_TRUE(m->getComment().IsEmpty());
  }
  EXPECT_TRUE(method("C", "LC")->IsConst() && method("C", "LC")->IsLong());
  EXPECT_TRUE(method("C", "Add")->IsAdding());
  EXPECT_TRUE(method("C", "Check")->IsInternal());
  EXPECT_TRUE(method("C", "Plain")->IsUpdating());
}

TEST_F(MethodDecls, InputArgumentsWithMarksAndSources) {
  parseOk(
      "Class Person { }\n"
      "Class Order {\n"
      "  Methods {\n"
      "    Find(*Person, -Person.name, other::Cust.code, plain,\n"
      "         A <- Win, B <- Person.Card, C <- shop::Person.Card, Person.age <- Person.Card,\n"
      "         other::D <- Win);\n"
      "  }\n"
      "}\n");
  Methods* find = method("Order", "Find");
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(describe(find->Input()), (Texts{"main,Person, *", "main,name,Person -", "other,code,Cust", "main,plain,",
                                            "main,A,", "main,B,", "main,C,", "main,age,Person", "other,D,"}));
  for (const AttrLocator& a : find->Input()) {
    EXPECT_TRUE(a.alias.IsEmpty());
    EXPECT_FALSE(a.editable || a.dropDown);
  }
  // A window alone belongs to the class being declared; the locator keeps
  // project, class and window.
  EXPECT_EQ(describe(find->getSource(locator("main", "A", ""))), ",Order,Win");
  EXPECT_EQ(describe(find->getSource(locator("main", "B", ""))), ",Person,Card");
  EXPECT_EQ(describe(find->getSource(locator("main", "C", ""))), "shop,Person,Card");
  EXPECT_EQ(describe(find->getSource(locator("main", "age", "Person"))), ",Person,Card");
  EXPECT_EQ(describe(find->getSource(locator("other", "D", ""))), ",Order,Win");
  EXPECT_FALSE(find->sourceNondefault(locator("main", "Person", "")));
  EXPECT_FALSE(find->sourceNondefault(locator("main", "plain", "")));
  EXPECT_EQ(find->ReturnType(), "ErrorMessage");
}

TEST_F(MethodDecls, EveryArgumentSetsBothMarks) {
  // A mark belongs to its own argument only, in either order of the marks.
  parseOk(
      "Class C {\n"
      "  Methods {\n"
      "    M(*a, b, -c, d, -e, *f, g) returns -x, y, *z, w;\n"
      "    N(h);\n"
      "  }\n"
      "}\n");
  Methods* m = method("C", "M");
  EXPECT_EQ(describe(m->Input()),
            (Texts{"main,a, *", "main,b,", "main,c, -", "main,d,", "main,e, -", "main,f, *", "main,g,"}));
  // Result arguments are never required; "-" hides them.
  EXPECT_EQ(describe(m->Output()), (Texts{"main,x, -", "main,y,", "main,z,", "main,w,"}));
  EXPECT_EQ(describe(method("C", "N")->Input()), (Texts{"main,h,"}));
}

TEST_F(MethodDecls, ResultArgumentsMakeAnItemResult) {
  parseOk(
      "Class Person { }\n"
      "Class C {\n"
      "  Methods {\n"
      "    Get(id) returns Person.name, other::Cust.code, Person <- Person.Card;\n"
      "    Nothing() returns ;\n"
      "    Pack(...) returns total;\n"
      "    Empty();\n"
      "    Back() return x;\n"
      "  }\n"
      "}\n");
  Methods* get = method("C", "Get");
  EXPECT_EQ(describe(get->Input()), (Texts{"main,id,"}));
  EXPECT_EQ(describe(get->Output()), (Texts{"main,name,Person", "other,code,Cust", "main,Person,"}));
  for (const AttrLocator& a : get->Output()) EXPECT_FALSE(a.editable || a.required || !a.alias.IsEmpty());
  EXPECT_EQ(get->ReturnType(), "ItemResult");
  // A source window is recorded for a result argument too.
  EXPECT_EQ(describe(get->getSource(locator("main", "Person", ""))), ",Person,Card");

  // No result argument leaves the result type as it was.
  EXPECT_EQ(method("C", "Nothing")->ReturnType(), "ErrorMessage");
  EXPECT_TRUE(method("C", "Nothing")->Output().empty());

  Methods* pack = method("C", "Pack");
  EXPECT_TRUE(pack->IsDPIn());
  EXPECT_EQ(pack->getFlag(), 1024 | 0x80);
  EXPECT_TRUE(pack->Input().empty());
  EXPECT_EQ(describe(pack->Output()), (Texts{"main,total,"}));
  EXPECT_EQ(pack->ReturnType(), "ItemResult");
  EXPECT_FALSE(method("C", "Empty")->IsDPIn());
  // "return" is the same keyword as "returns".
  EXPECT_EQ(describe(method("C", "Back")->Output()), (Texts{"main,x,"}));
  EXPECT_EQ(method("C", "Back")->ReturnType(), "ItemResult");
}

TEST_F(MethodDecls, DispatchersAndComments) {
  parseOk(
      "Class C {\n"
      "  Methods {\n"
      "    Send(a) dispatched by Person.name, other::Cust.code returns b; /* sends \"it\" */\n"
      "    Virtual Route() dispatched by Person.kind;\n"
      "    Internal Check() returns ok; /* internal */\n"
      "    Report Print(); /**/\n"
      "  }\n"
      "}\n");
  Methods* send = method("C", "Send");
  // Each dispatcher keeps its project, class and attribute in that order.
  EXPECT_EQ(describe(send->getDispatchers()), (Texts{"main,Person,name", "other,Cust,code"}));
  EXPECT_EQ(describe(send->Output()), (Texts{"main,b,"}));
  EXPECT_EQ(send->getComment(), " sends ''it'' ");
  EXPECT_EQ(describe(method("C", "Route")->getDispatchers()), (Texts{"main,Person,kind"}));
  EXPECT_EQ(method("C", "Check")->getComment(), " internal ");
  EXPECT_EQ(method("C", "Check")->ReturnType(), "ItemResult");
  EXPECT_TRUE(method("C", "Print")->getComment().IsEmpty());
  EXPECT_TRUE(method("C", "Route")->getComment().IsEmpty());
}

TEST_F(MethodDecls, RedeclaredMethods) {
  EXPECT_EQ(run("Class C {\n  Methods {\n    M();\n    const M(x);\n  }\n}\n"), 6);
  EXPECT_EQ(printed, "\"main.tsk\", line 7: Error: Method with such name is already declared before token M\n");
  EXPECT_EQ(method("C", "M")->getFlag(), 1024);

  // Each form checks the methods of its class only.
  EXPECT_EQ(rerun("Class A { Methods { M(); } }\nClass B { Methods { M(); Report R(); Virtual R(); } }\n"), 6);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: Method with such name is already declared before token R\n");

  // A derived class may declare a method of its base again: it becomes its own.
  ASSERT_EQ(rerun("Class A { Methods { M(); } }\nClass B : A { Methods { const M(); } }\n"), 0) << printed;
  EXPECT_TRUE(cls("B")->checkMethod("M"));
  EXPECT_EQ(method("A", "M")->getFlag(), 1024);
  EXPECT_EQ(method("B", "M")->getFlag(), 8);

  // Inside a patch section a method declared again replaces the first one,
  // except an Internal one.
  restart();
  patches.insert("P");
  ASSERT_EQ(run("Class C { Methods { M(a); /* old */ R(); V(); } }\n"
                "patch \"P\"\n"
                "Class C { Methods { removing M(b) returns c; Report R(); Virtual V(); } }\n"
                "endpatch\n"),
            0)
      << printed;
  Methods* m = method("C", "M");
  EXPECT_EQ(m->getFlag(), 512);
  EXPECT_EQ(m->patch(), "P");
  EXPECT_EQ(describe(m->Input()), (Texts{"main,b,"}));
  EXPECT_TRUE(m->getComment().IsEmpty());
  EXPECT_EQ(method("C", "R")->getFlag(), 1026);
  EXPECT_EQ(method("C", "V")->getFlag(), 1088);

  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class C { Methods { Internal I(); } }\npatch \"P\"\nClass C { Methods { Internal I(); } }\n"), 6);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Method with such name is already declared before token I\n");

  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class C { Methods { M(); } }\npatch \"P\"\nClass C { Methods { Internal M(); } }\n"), 6);
}

TEST_F(MethodDecls, ViewsDeclareSqlViewClasses) {
  parseOk(
      "Class Order { }\n"
      "Class Person {\n"
      "  Methods {\n"
      "    View PersonView(Person, Person.name, Order.total, other::Cust.code); /* dropped */\n"
      "  }\n"
      "}\n");
  ClassDesc* view = cls("PersonView");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->IsSQLView());
  EXPECT_FALSE(view->HaveObject());
  EXPECT_EQ(view->getViewDBClass(), "Person");
  EXPECT_EQ(view->Container(), "main");
  EXPECT_TRUE(view->getComment().IsNull());
  ASSERT_EQ(main->objects.count("PersonView"), 1u);
  EXPECT_EQ(main->objects["PersonView"]->Class(), "PersonView");
  EXPECT_FALSE(cls("Person")->checkMethod("PersonView"));

  struct Expected {
    const char* id;
    const char* type;
    const char* project;
  };
  std::vector<std::string> order;
  for (Attributes* a = view->GetFirstAttribute(); a; a = view->GetNextAttribute()) order.push_back(a->Id().std());
  EXPECT_EQ(order, (std::vector<std::string>{"Person", "name", "total", "code"}));
  for (const Expected& e : {Expected{"Person", "Person", "main"}, Expected{"name", "Person", "main"},
                            Expected{"total", "Order", "main"}, Expected{"code", "Cust", "other"}}) {
    SCOPED_TRACE(e.id);
    Attributes* a = attr("PersonView", e.id);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Type(), e.type);
    EXPECT_EQ(a->RefClass(), e.type);
    EXPECT_EQ(a->Project(), e.project);
    EXPECT_EQ(a->CurClass(), "PersonView");
    EXPECT_TRUE(a->RefAttr().IsEmpty());
    EXPECT_FALSE(a->IsVirtual() || a->IsProperty("PK") || a->IsNotNull());
  }
  // A column naming a class alone is typed by the class the view is
  // declared in, whatever class it names.
  ASSERT_EQ(rerun("Class Order { }\nClass Person { Methods { View V(Order); } }\n"), 0) << printed;
  Attributes* column = attr("V", "Order");
  ASSERT_NE(column, nullptr);
  EXPECT_EQ(column->Type(), "Person");
  EXPECT_EQ(column->RefClass(), "Person");
}

TEST_F(MethodDecls, ViewErrors) {
  EXPECT_EQ(run("Class Order { }\nClass Person { Methods { View Order(Person); } }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 5: Error: Class Order already declared before token Order\n");

  // A view is a class: a second view of the name is refused, in a patch section too.
  restart();
  patches.insert("P");
  EXPECT_EQ(run("Class A { Methods { View V(A); } }\npatch \"P\"\nClass A { Methods { View V(A); } }\n"), 2);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Class V already declared before token V\n");

  EXPECT_EQ(rerun("Class A {\n  Methods {\n    View V(A, B.x, A);\n  }\n}\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Attribute with such name is already declared before token )\n");

  EXPECT_EQ(rerun("Class A {\n  Methods {\n    View V(A.x, B.x);\n  }\n}\n"), 8);
  EXPECT_EQ(printed, "\"main.tsk\", line 6: Error: Attribute with such name is already declared before token x\n");
}

}  // namespace
