// Int: the decimal text of a number, as messages show it.
#include "rt/int.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Int, DecimalText) {
  EXPECT_EQ(Int(0).getstr().std(), "0");
  EXPECT_EQ(Int(1995).getstr().std(), "1995");
  EXPECT_EQ(Int(-7).getstr().std(), "-7");
  EXPECT_EQ(Int(INT_MIN).getstr().std(), "-2147483648");
  EXPECT_FALSE(Int(5).getstr().IsNull());
  EXPECT_EQ((Str("line ") + Int(12).getstr()).std(), "line 12");
}
