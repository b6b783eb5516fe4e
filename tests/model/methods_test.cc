// Method records: argument lists with their cursor and argument sources.
#include "model/methods.h"

#include <gtest/gtest.h>

TEST(Methods, ArgumentsAndTheirCursor) {
  Methods m("Pay", 24, "fix1");
  EXPECT_EQ(m.ReturnType(), "ErrorMessage");
  EXPECT_TRUE(m.IsConst() && m.IsLong());
  m.reset();
  EXPECT_FALSE(m.next());
  EXPECT_TRUE(m.getFName().IsEmpty());

  m.AddInputArg("P", "a", "", true, false);
  m.AddInputArg("P", "b", "Person", false, true);
  m.AddInputArg("Q", "c", "", false, false);
  EXPECT_EQ(m.printArgs(), "a, b, c");
  m.reset();
  ASSERT_TRUE(m.next());
  EXPECT_TRUE(m.isHidden());
  EXPECT_FALSE(m.isRequired());
  ASSERT_TRUE(m.next());
  EXPECT_EQ(m.getSName(), "Person");
  EXPECT_TRUE(m.isRequired());
  ASSERT_TRUE(m.next());
  EXPECT_FALSE(m.next());
  EXPECT_FALSE(m.isRequired());  // nothing under the cursor at the end
  EXPECT_TRUE(m.next());         // from the end back to the first
  EXPECT_EQ(m.getFName(), "a");

  AttrLocator* out = m.AddOutputArg("P", "total", "Order", "Total", true, true);
  out->leading = "Sum:";
  m.AddOutputArg("P", "count", "", "", false, false);
  m.prepOutArgs();
  EXPECT_EQ(m.printArgs(), "total, count");
  ASSERT_TRUE(m.next());
  EXPECT_EQ(m.getAlias(), "Total");
  EXPECT_TRUE(m.isEditable());
  EXPECT_FALSE(m.isRequired());
  EXPECT_EQ(m.Output().front().leading, "Sum:");
  m.prepInArgs();
  EXPECT_EQ(m.printArgs(), "a, b, c");

  Methods adding("Add", 2048, "");
  EXPECT_TRUE(adding.IsAdding() && adding.IsArchive());  // one bit, two names
}

TEST(Methods, InputSourcesByLocatorNames) {
  Methods m("Pay", 1024, "");
  m.AddInputArg("P", "a", "", false, false);
  m.AddInputArg("P", "b", "", false, false);
  AttrLocator a("P", "a", "", "", false, false);
  EXPECT_FALSE(m.sourceNondefault(a));
  EXPECT_TRUE(m.getSource(a).window.IsEmpty());

  m.setInputArgSource(a, "Picker", "Person", "Shop");  // window, class, project
  AttrLocator labelled("P", "a", "", "Label", true, true);  // alias and marks do not matter
  EXPECT_TRUE(m.sourceNondefault(labelled));
  EXPECT_EQ(m.getSource(labelled).project, "Shop");
  EXPECT_EQ(m.getSource(labelled).window, "Picker");
  m.setInputArgSource(a, WinLocator("Shop", "Person", "Other"));
  EXPECT_EQ(m.getSource(a).window, "Other");

  m.reset();
  ASSERT_TRUE(m.next());
  ASSERT_NE(m.getSource(), nullptr);
  EXPECT_EQ(m.getSource()->window, "Other");
  ASSERT_TRUE(m.next());
  EXPECT_EQ(m.getSource(), nullptr);  // b has none
  EXPECT_FALSE(m.next());
  EXPECT_EQ(m.getSource(), nullptr);  // at the end
}
