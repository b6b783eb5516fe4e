// The object layer of a parsed and expanded description, file by file against
// the golden files under object_layer/: the standalone wrapper (with its
// connector) and the server's form, which appends to the scheme files the
// step wrote before. Also what stops the generation.
#include <filesystem>
#include <string>

#include "model/methods_map.h"
#include "servergen/object_methods_generator.h"
#include "tests/frontend/declarations_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path goldenRoot = fs::path(TARVIC_SOURCE_DIR) / "tests/servergen/object_layer";

class ObjectLayer : public Declarations {
protected:
  // Parses the description of the golden case `name` as shop.tsk and expands it.
  void load(const std::string& name, bool noAudit) {
    {
      CaptureStdout trace;
      open(readFile(goldenRoot / name / "shop.tsk"), "shop.tsk");
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
  // Every file under .src/ must be one of the golden case's files, and every
  // golden file must have been written with the same bytes.
  void expectGolden(const std::string& name) {
    fs::path expected = goldenRoot / name / "expected";
    int files = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(expected)) {
      ++files;
      std::string file = e.path().filename().string();
      EXPECT_EQ(dir->read(".src/" + file), readFile(e.path())) << file;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(*dir / ".src"), fs::directory_iterator()), files);
  }
};

TEST_F(ObjectLayer, WrapperWritesTheAccessClassesAndTheConnector) {
  load("wrapper", true);
  writeScheme();
  ObjectMethodsGenerator wrapper("shop", true, true);
  wrapper.Generate(false);
  wrapper.GenerateDBConnector();
  expectGolden("wrapper");
}

// An earlier step's expansion with the audit columns (as -oracle runs
// before -qpx) changes nothing in the wrapper.
TEST_F(ObjectLayer, WrapperAfterAFullExpansionIsTheSame) {
  load("wrapper", false);
  expand(true);
  writeScheme();
  ObjectMethodsGenerator wrapper("shop", true, true);
  wrapper.Generate(false);
  wrapper.GenerateDBConnector();
  expectGolden("wrapper");
}

TEST_F(ObjectLayer, ServerFormReachesTheServerAndTheArchive) {
  load("server", false);
  writeScheme();
  ObjectMethodsGenerator("shop", false, false).Generate(false);
  expectGolden("server");
}

// A second result of an internal method stops the generation inside the
// class being declared; a model the layer cannot be written from is refused
// before any file is written.
TEST_F(ObjectLayer, WhatStopsTheGeneration) {
  parseOk(
      "Class Note \"Note\" {\n"
      "  Attributes { Integer id, PK; Text body; }\n"
      "  Methods { Internal Pair(id) returns id, body; }\n"
      "}\n");
  expand(true);
  writeScheme();
  try {
    ObjectMethodsGenerator("main", true, true).Generate(false);
    FAIL() << "no error";
  } catch (const Str& e) {
    EXPECT_EQ(e.std(), "ERROR! In class Note Internal methods cannot return more then one argument");
  }
  EXPECT_EQ(dir->read(".src/bNote.h"),
            "#ifndef _bNote_h_\n#define _bNote_h_\n\n\nclass bNote {\n  KVSession* rdb;\n  Str tabname;\n\n"
            "  NoteCache cache;\npublic:\n  bNote(KVSession* t);\n  ~bNote(){}\n  bool checkID( const int& id);\n"
            "  Note& getEntry( const int& id);\n  void addEntry( const int& id, const Str& body);\n"
            "  void add( const Note& );\n  void removeEntry( const int& id);\n"
            "  void updateEntry( const int& id, const Str& body);\n"
            "  void updateEntry(const Note&);\n\n// Non standard methods\n");

  main->methods.deleteMethod("Note", "Pair");
  try {
    ObjectMethodsGenerator("main", true, true).Generate(false);
    FAIL() << "no error";
  } catch (const Str& e) {
    EXPECT_EQ(e.std(), "ERROR! In class Note the internal method Pair has no signature");
  }

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
