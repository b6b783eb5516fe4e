// The access-control file: a method hard-denied to a group stays out of the
// group's list however many referenced views call it for their input, a
// group the project does not declare is written with number 0, and the
// check-only run writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "expand/access_model.h"
#include "model/methods.h"
#include "model/windows.h"
#include "tests/model/model_world.h"
#include "tests/support/scratch_dir.h"

namespace {

// A class with a list view whose standard input is Report (offered by the
// view itself, so the name stays unprefixed), read by an input argument of
// one of the class's own methods.
ClassDesc* reportingClass(Project* project, const char* id) {
  ClassDesc* cls = ModelWorld::add(project, new ClassDesc(id, 0, ""));
  ViewWindow* list = cls->AddView((Str(id) + "List").str(), "", nullptr);
  list->setStandardInput("Report", "", "");
  list->AddMethod("Report", "Report", "Report", id, "", "", "");
  cls->AddMethod("load", 1024, "")->AddInputArg("", "id", id, false, false);
  return cls;
}

}  // namespace

TEST(AccessFile, HardDenyOutlastsEveryReferencedView) {
  ModelWorld world;
  ScratchDir dir(ScratchDir::enter);
  Project* shop = world.project("shop");
  shop->groups = {{"g", 4}};
  reportingClass(shop, "A");
  ClassDesc* b = reportingClass(shop, "B");
  // A second referenced view of B adds a name the group may call.
  b->AddView("BPick", "", nullptr)->setStandardInput("Lookup", "", "");
  b->FindMethod("load")->AddInputArg("", "pick", "B", false, false);
  b->FindMethod("load")->setInputArgSource(b->FindMethod("load")->Input().back(), "BPick", "", "");

  shop->accessList["A"]["Report"].hardDeny("g");
  shop->accessList["A"]["Report"].grant("h");  // a group shop does not declare
  shop->refsList["A"].setReferencesAll();
  shop->refsList["B"].setReferencesAll();

  shop->printAMT(true);
  EXPECT_FALSE(std::filesystem::exists("shop.sdb"));
  EXPECT_EQ(shop->groups.at("h"), 0);  // entered while the text was built

  shop->printAMT(false);
  EXPECT_EQ(readFile("shop.sdb"),
            "1 shop_Object\n"
            "2\n"
            "4 g 1\n"
            "shop_Object 6\n"
            "__OrvaleExecutor __OrvaleCompiler __SQLExecutor __EnumValues DescribeObjectMethod BLookup \n"
            "0 h 1\n"
            "shop_Object 6\n"
            "__OrvaleExecutor __OrvaleCompiler __SQLExecutor __EnumValues DescribeObjectMethod Report \n"
            "0\n");
}
