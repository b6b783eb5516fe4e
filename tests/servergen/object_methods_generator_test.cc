// The object layer of a parsed and expanded description, file by file
// against golden files: the standalone wrapper of the e2e case qpx-wrapper
// (with its connector) and the server's form under object_layer/server, each
// appending to the scheme files the step wrote before. Also what stops the
// generation before it starts.
#include <filesystem>
#include <set>
#include <string>

#include "model/methods_map.h"
#include "servergen/object_methods_generator.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path sourceRoot = TARVIC_SOURCE_DIR;
const fs::path wrapperCase = sourceRoot / "tests/e2e/qpx-wrapper";
const fs::path goldenRoot = sourceRoot / "tests/servergen/object_layer";

class ObjectLayer : public Declarations {
protected:
  // Parses `description` as shop.tsk and expands it.
  void load(const fs::path& description, bool noAudit) {
    {
      CaptureStdout trace;
      open(readFile(description), "shop.tsk");
    }
    ASSERT_EQ(parse(printed), 0) << printed;
    expand(noAudit);
  }
  void expand(bool noAudit) {
    CaptureStdout progress;
    main->unwrapAll(noAudit);
  }
  // The scheme files as the step leaves them before the object layer runs.
  void writeScheme() {
    write(".src/dbScheme.h", "// scheme\n");
    write(".src/dbScheme.cc", "// scheme\n");
  }
  // Compares every file of `expected` but those named in `skip` with the
  // same file under .src/; answers how many there were.
  int expectFiles(const fs::path& expected, const std::set<std::string>& skip = {}) {
    int files = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(expected)) {
      std::string file = e.path().filename().string();
      if (skip.count(file)) continue;
      ++files;
      EXPECT_EQ(dir->read(".src/" + file), readFile(e.path())) << file;
    }
    return files;
  }
  void expectFileCount(int files) {
    EXPECT_EQ(std::distance(fs::directory_iterator(*dir / ".src"), fs::directory_iterator()), files);
  }
  void writeWrapper() {
    writeScheme();
    ObjectMethodsGenerator wrapper("shop", true, true);
    wrapper.Generate(false);
    wrapper.GenerateDBConnector();
    // The e2e case holds the whole scheme files; here the scheme is a stand-in
    // and the appended parts are compared.
    expectFileCount(expectFiles(goldenRoot / "wrapper") +
                    expectFiles(wrapperCase / "expected/.src", {"dbScheme.h", "dbScheme.cc"}));
  }
};

TEST_F(ObjectLayer, WrapperWritesTheAccessClassesAndTheConnector) {
  load(wrapperCase / "input/shop.tsk", true);
  writeWrapper();
}

// An earlier step's expansion with the audit columns (as -oracle runs
// before -qpx) changes nothing in the wrapper.
TEST_F(ObjectLayer, WrapperAfterAFullExpansionIsTheSame) {
  load(wrapperCase / "input/shop.tsk", false);
  expand(true);
  writeWrapper();
}

TEST_F(ObjectLayer, ServerFormReachesTheServerAndTheArchive) {
  load(goldenRoot / "server/shop.tsk", false);
  writeScheme();
  ObjectMethodsGenerator("shop", false, false).Generate(false);
  expectFileCount(expectFiles(goldenRoot / "server/expected"));
}

// A model the layer cannot be written from is refused, naming the class,
// before any file is written.
TEST_F(ObjectLayer, WhatStopsTheGenerationBeforeAnyFile) {
  parseOk(
      "Class Note \"Note\" {\n"
      "  Attributes { Integer id, PK; }\n"
      "  Methods { Internal Count(id) returns id; }\n"
      "}\n");
  expand(true);
  main->methods.deleteMethod("Note", "Count");
  try {
    ObjectMethodsGenerator("main", true, true).Generate(false);
    FAIL() << "no error";
  } catch (const Str& e) {
    EXPECT_EQ(e.std(), "ERROR! In class Note the internal method Count has no signature");
  }
  EXPECT_FALSE(fs::exists(*dir / ".src"));

  // The surrogate key of a derived class is read from its root's table.
  rerun(
      "Class Client \"Client\" { Attributes { Integer id, PK; } }\n"
      "Class Root \"Root\" { Attributes { Client owner, SK; } }\n"
      "Class Leaf : Root \"Leaf\" { Attributes { Text name; } }\n");
  ASSERT_EQ(printed, "");
  expand(true);
  try {
    ObjectMethodsGenerator("main", true, true).Generate(false);
    FAIL() << "no error";
  } catch (const Str& e) {
    EXPECT_EQ(e.std(), "ERROR! In class Leaf the surrogate key is not a column of the table Root");
  }
  EXPECT_FALSE(fs::exists(*dir / ".src"));
}

}  // namespace
