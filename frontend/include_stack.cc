#include "frontend/include_stack.h"

#include <sys/stat.h>

#include "model/process_state.h"
#include "model/project.h"

std::list<FileStruct> includeStack;

FileStruct::FileStruct(const Str& name_, const Str& dir_, std::FILE* file_, int line_)
    : line(line_), file(file_), name(name_), dir(dir_) {}

void pushCurrentInput() { includeStack.emplace_front(CP->fileName, CP->dir, CP->input, CP->line); }

FileStruct popInclude() {
  if (includeStack.empty()) throw Str("An input ended that was never opened by a directive");
  FileStruct top = includeStack.front();
  includeStack.pop_front();
  return top;
}

std::vector<Project*>& nestedProjects() {
  static auto* projects = new std::vector<Project*>;
  return *projects;
}

namespace {

// Two names of one file have the same device and inode, whatever links,
// "." or ".." their paths go through.
bool sameFile(const struct stat& a, std::FILE* file) {
  struct stat b;
  return file && fstat(fileno(file), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool isBeingRead(const struct stat& candidate) {
  if (CP && sameFile(candidate, CP->input)) return true;
  for (const FileStruct& suspended : includeStack)
    if (sameFile(candidate, suspended.file)) return true;
  return false;
}

}  // namespace

bool isBeingRead(const Str& path) {
  struct stat candidate;
  return stat(path.str(), &candidate) == 0 && isBeingRead(candidate);
}

bool isBeingRead(std::FILE* file) {
  struct stat candidate;
  return fstat(fileno(file), &candidate) == 0 && isBeingRead(candidate);
}
