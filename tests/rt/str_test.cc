#include "rt/str.h"

#include <gtest/gtest.h>

TEST(Str, NullIsDistinctFromEmpty) {
  Str null;
  Str empty("");
  EXPECT_TRUE(null.IsNull());
  EXPECT_TRUE(null.IsEmpty());
  EXPECT_FALSE(empty.IsNull());
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ(null.str(), "");
}
