// Merging Makeoptions.am lines: project names that are not plain words, the
// operator a line keeps, and the sources collected for preprocessing.
#include <gtest/gtest.h>

#include "servergen/makeoptions_merger.h"

TEST(MakeoptionsMerger, ProjectNameIsTextNotPattern) {
  MakeoptionsMerger merger("c++", {"libc++_la_SOURCES"});
  EXPECT_EQ(merger.merge("c++_NOEXECUTABLE = 1"), "c++_NOEXECUTABLE = 1");
  EXPECT_EQ(merger.merge("c++_SOURCES = a.cc"), "libc++_la_SOURCES += a.cc");
  EXPECT_EQ(merger.merge("c++_Helper = h"), "libc++_la_Helper = h");
  // Another program whose name merely contains the project name keeps it.
  EXPECT_EQ(merger.merge("xc++_SOURCES = x.cc"), "xc++_SOURCES = x.cc");
  EXPECT_EQ(merger.sources(), " a.cc  x.cc ");
}

TEST(MakeoptionsMerger, EmptyProjectNameEndsAndKeepsOtherNames) {
  MakeoptionsMerger merger("", {});
  EXPECT_EQ(merger.merge("_SOURCES = a.cc"), "lib_la_SOURCES = a.cc");
  EXPECT_EQ(merger.merge("tool_LDADD = -lm"), "tool_LDADD = -lm");
}

TEST(MakeoptionsMerger, AddsOnlyToVariablesDefinedBefore) {
  MakeoptionsMerger merger("shop", {"bin_PROGRAMS", "libshop_la_LIBADD"});
  EXPECT_EQ(merger.merge("bin_PROGRAMS=tool"), "bin_PROGRAMS +=tool");
  EXPECT_EQ(merger.merge("tool_SOURCES = t.cc"), "tool_SOURCES = t.cc");
  EXPECT_EQ(merger.merge("tool_SOURCES = u.cc"), "tool_SOURCES += u.cc");
  EXPECT_EQ(merger.merge("tool_LDADD += -lm"), "tool_LDADD += -lm");  // the user's own operator
  EXPECT_EQ(merger.merge("shop_LIBADD = -lz"), "libshop_la_LIBADD += -lz");
  EXPECT_EQ(merger.merge(" shop_DEBUG=yes"), " shop_DEBUG=yes");
  EXPECT_EQ(merger.merge("if shop_DEBUG"), "if shop_DEBUG");
  EXPECT_EQ(merger.sources(), " t.cc  u.cc ");
}
