#pragma once
// A fixture for the tests of class, attribute and method declarations: it
// parses a description (after a few shared types) in-process and looks up
// what the parse left in the main project.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "frontend/class_decls.h"
#include "model/attributes.h"
#include "model/class_desc.h"
#include "model/methods.h"
#include "tests/frontend/front_end_fixture.h"

class Declarations : public FrontEnd {
protected:
  // Types every description of these tests may use; State is an enumeration.
  static constexpr const char* types =
      "Integer : C = \"int\", RDBMS = \"NUMBER(10)\", Name = \"Integer\";\n"
      "Text : C = \"Str\", LEN = \"80\";\n"
      "State : C = \"int\" { Open = 1 \"open\"; Closed = 2 \"closed\"; }\n";

  // Parses the types and then `text` (so `text` starts on line 4); answers
  // the parse result and keeps what was printed.
  int run(const std::string& text) {
    open(types + text);
    return parse(printed);
  }
  // Parses and requires success without a word printed.
  void parseOk(const std::string& text) {
    ASSERT_EQ(run(text), 0) << printed;
    ASSERT_EQ(printed, "");
  }
  // Ends the run and parses another description.
  int rerun(const std::string& text) {
    restart();
    return run(text);
  }

  ClassDesc* cls(const char* id) const {
    auto it = main->classes.find(id);
    return it == main->classes.end() ? nullptr : it->second;
  }
  Attributes* attr(const char* cls, const char* id) const {
    ClassDesc* c = this->cls(cls);
    return c ? c->GetAttribute(id) : nullptr;
  }
  Methods* method(const char* cls, const char* name) const {
    ClassDesc* c = this->cls(cls);
    return c ? c->FindMethod(name) : nullptr;
  }

  std::string printed;
};
