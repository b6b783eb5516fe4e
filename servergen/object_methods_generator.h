#pragma once
// ObjectMethodsGenerator: the object (data-access) layer of the server: the
// b<T> access classes, b<P>.cc and the cache classes appended to
// dbScheme.h/.cc; in its standalone form the QPX database wrapper with its
// connector. Every operation opens its own files.
#include <utility>

#include "rt/str.h"

class ObjectMethodsGenerator {
public:
  // `standalone`: access classes hold a database session instead of the
  // server; `noArchive`: no archive classes or readers.
  ObjectMethodsGenerator(Str project, bool standalone, bool noArchive)
      : project_(std::move(project)), standalone_(standalone), noArchive_(noArchive) {}

  // Throws what keeps the layer from being written, before any file is.
  void Check();
  // Callers pass false.
  void Generate(bool unused);
  // .src/DBConnector.h and .src/DBConnector.cpp.
  void GenerateDBConnector();

private:
  Str project_;
  bool standalone_;
  bool noArchive_;
};
