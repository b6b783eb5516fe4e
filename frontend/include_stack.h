#pragma once
// The stack of suspended inputs: each time the parser opens an embedded file,
// a type file or a nested project, the position reached in the current input
// is kept here; the lexer restores it when the new input ends.
#include <cstdio>
#include <list>
#include <vector>

#include "rt/str.h"

class Project;

// One suspended input. It owns neither the stream nor anything else.
struct FileStruct {
  FileStruct(const Str& name, const Str& dir, std::FILE* file, int line);

  int line;         // line reached in the file
  std::FILE* file;  // its open stream
  Str name;         // its file name as shown in messages
  Str dir;          // its directory
};

extern std::list<FileStruct> includeStack;  // the front is the top

// Keeps the current project's position (file name, directory, input, line).
void pushCurrentInput();
// Takes the top position off the stack; throws when the stack is empty.
FileStruct popInclude();
// Whether the file at `path` is one of the files being read: the current
// input or a suspended one. Reading it again would never end.
bool isBeingRead(const Str& path);
bool isBeingRead(std::FILE* file);

// Every nested project of the run, in the order they were brought in. They
// live until the process ends, also those a later project of the same name
// replaced in the registry; this list is never destroyed, so they stay
// reachable while the process exits.
std::vector<Project*>& nestedProjects();
