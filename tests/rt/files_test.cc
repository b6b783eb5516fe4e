// File services: IO::File and its line reader, directory creation, and
// OutputFile, the one way output files are opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/fs.h"
#include "rt/io.h"
#include "rt/output_file.h"
#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class Files : public ::testing::Test {
protected:
  ScratchDir dir;
};

}  // namespace

TEST_F(Files, ReaderDropsOnlyTheCarriageReturnBeforeALineFeed) {
  dir.write("lines.txt", "first\r\nsecond\n\nin\rside\nlast\r");
  IO::File file(dir.at("lines.txt"), "r");
  IO::BufferedReader reader(file);
  std::vector<std::string> lines;
  while (!reader.isEof()) lines.push_back(reader.readLine().std());
  EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "in\rside", "last\r"}));
}

TEST_F(Files, FileThatCannotBeOpenedThrowsCannotOpenFile) {
  try {
    IO::File file(dir.at("missing.txt"), "r");
    FAIL() << "opening a missing file did not throw";
  } catch (const IO::Exception& error) {
    EXPECT_EQ(error.code(), IO::Exception::CannotOpenFile);
    EXPECT_NE(error.message().find("missing.txt"), Str::npos);
  }
}

TEST_F(Files, StreamWritesTextsUnchanged) {
  {
    IO::File file(dir.at("out.txt"), "w");
    IO::Stream& out = file;
    out << "a \"quoted\" line\n" << Str("second\r\n") << Str();
  }
  EXPECT_EQ(dir.read("out.txt"), "a \"quoted\" line\nsecond\r\n");
}

TEST_F(Files, DirectoryCreationAcceptsAnExistingDirectory) {
  EXPECT_TRUE(FS::Dir::fcreate(dir.at(".sql"), false));
  EXPECT_TRUE(FS::Dir::fcreate(dir.at(".sql"), false));
  EXPECT_TRUE(fs::is_directory(dir / ".sql"));
  EXPECT_FALSE(FS::Dir::fcreate(dir.at("a/b"), false));  // the parent is missing
  EXPECT_TRUE(FS::Dir::fcreate(dir.at("a/b"), true));
  dir.write("plain", "");
  EXPECT_FALSE(FS::Dir::fcreate(dir.at("plain"), false));  // a file stands there
}

TEST_F(Files, OutputFileTruncatesAndWritesBytesAsGiven) {
  dir.write("table.sql", "old content that is longer");
  OutputFile out(dir.at("table.sql"));
  out << "CREATE TABLE t;\n" << Str("x") << 5;
  out.close();
  out.close();  // a second close does nothing
  EXPECT_EQ(dir.read("table.sql"), "CREATE TABLE t;\nx5");
}

TEST_F(Files, OutputFileThatCannotBeCreatedNamesTheFile) {
  Str target = dir.at("no-such-dir/table.sql");
  try {
    OutputFile out(target);
    FAIL() << "creating a file in a missing directory did not throw";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot create file '" + target.std() + "'. (No such file or directory)");
  }
}

TEST_F(Files, WriteFailureIsReportedByClose) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  OutputFile out("/dev/full");
  out << "this text cannot reach the disk\n";
  try {
    out.close();
    FAIL() << "a lost write was not reported";
  } catch (const Str& error) {
    EXPECT_EQ(error.std(), "Cannot write file '/dev/full'. (No space left on device)");
  }
}

TEST_F(Files, WriteFailureWithoutCloseEndsTheRun) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  EXPECT_EXIT(
      {
        OutputFile out("/dev/full");
        out << "lost\n";
      },
      ::testing::ExitedWithCode(1), "");
}

TEST(NullSink, SwallowsEverything) {
  std::ostream& sink = nullSink();
  sink << "anything" << 42 << std::endl;
  EXPECT_TRUE(sink.good());
}

TEST_F(Files, OutputFileAppendsToWhatAnEarlierWriterLeft) {
  dir.write("scheme.h", "from the scheme\n");
  OutputFile(dir.at("scheme.h"), OutputFile::append) << "appended\n";
  OutputFile(dir.at("new.h"), OutputFile::append) << "x";  // created when absent
  EXPECT_EQ(dir.read("scheme.h"), "from the scheme\nappended\n");
  EXPECT_EQ(dir.read("new.h"), "x");
  EXPECT_THROW(OutputFile(dir.at("missing/a.h"), OutputFile::append), Str);
}
