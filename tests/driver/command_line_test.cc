// The command-line scan: switches, -lang=, -path=, -patch and -locales=, and
// the description file.
#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "model/adict.h"
#include "model/process_state.h"

namespace {

CommandLine scan(std::vector<const char*> args) {
  args.insert(args.begin(), "tarvic");
  return scanCommandLine(static_cast<int>(args.size()), args.data());
}

}  // namespace

TEST(CommandLine, SwitchesAndTheDescriptionFile) {
  resetProcessState();
  CommandLine line = scan({"first.tsk", "-oracle", "-automake-only", "-distributed", "-nosuch", "second.tsk",
                           "-Oracle", "--xml"});
  EXPECT_EQ(line.descriptionFile.std(), "second.tsk");  // the later file wins
  EXPECT_TRUE(line.error.IsNull());
  EXPECT_EQ(options, (std::map<Str, int>{{"oracle", 1}, {"automake-only", 1}, {"distributed", 1}}));
  EXPECT_EQ(line.docPath.std(), "./DataScheme");
  EXPECT_TRUE(line.localeText.IsEmpty());

  resetProcessState();
  EXPECT_TRUE(scan({"-server"}).descriptionFile.IsNull());
}

TEST(CommandLine, LanguageCodes) {
  const std::pair<const char*, int> codes[] = {
      {"-lang=ru", ADict::russian}, {"-lang=en", ADict::english}, {"-lang=tu", ADict::turkish},
      {"-lang=ge", ADict::german},  {"-lang=fr", ADict::french},  {"-lang=sp", ADict::spanish},
      {"-lang=it", ADict::italian}, {"-lang=hu", ADict::hungarian}, {"-lang=du", ADict::dutch},
      {"-lang=da", ADict::danish}};
  for (const auto& [arg, column] : codes) {
    resetProcessState();
    scan({arg, "p.tsk"});
    EXPECT_EQ(language, column) << arg;
  }
  // An unknown code leaves the language as it was; so does a code with more
  // after it. A "lang=" word is no switch.
  resetProcessState();
  scan({"-lang=ge", "-lang=de", "-lang=gee", "-lang=", "p.tsk"});
  EXPECT_EQ(language, ADict::german);
  EXPECT_TRUE(options.empty());
  resetProcessState();
  scan({"-lang=xx"});
  EXPECT_EQ(language, ADict::english);
}

TEST(CommandLine, PathPatchAndLocales) {
  resetProcessState();
  CommandLine line = scan({"-path=docs/out", "-patch", "-oracle", "-locales=ru,,de", "p.tsk", "-patch", "Fix2",
                           "-path=", "-locales=ja"});
  EXPECT_EQ(line.descriptionFile.std(), "p.tsk");
  EXPECT_EQ(line.docPath.std(), "");  // the later -path= wins, even when empty
  EXPECT_EQ(line.localeText.std(), "ja");
  // The argument after -patch is a patch name, even when it looks like a switch.
  EXPECT_EQ(patches, (std::set<Str>{"-oracle", "Fix2"}));
  EXPECT_TRUE(options.empty());
  EXPECT_TRUE(line.error.IsNull());

  // -patch as the last argument has no name to take.
  resetProcessState();
  line = scan({"p.tsk", "-help", "-patch"});
  EXPECT_FALSE(line.error.IsNull());
  EXPECT_TRUE(patches.empty());
  EXPECT_EQ(options["help"], 1);  // the run honours -help before this error
}

TEST(CommandLineDeathTest, UsageLostOnAFullOutputIsAFailure) {
  EXPECT_EXIT(
      {
        std::freopen("/dev/full", "w", stdout);
        usage("tarvic");
      },
      ::testing::ExitedWithCode(1), "");
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "w", stdout);
        usage("tarvic");
      },
      ::testing::ExitedWithCode(0), "");
}
