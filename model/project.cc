#include "model/project.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <sys/stat.h>

#include "model/class_desc.h"
#include "model/process_state.h"

std::map<Str, int> Project::options;

namespace {

// Opens a description file for reading. A directory opens on this system but
// reads as an empty file, so it is refused like any file that cannot be read.
std::FILE* openDescription(const Str& path) {
  std::FILE* file = std::fopen(path.str(), "r");
  struct stat status;
  if (file && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  return file;
}

bool isSet(const std::map<Str, int>& opts, const char* word) {
  auto it = opts.find(word);
  return it != opts.end() && it->second != 0;
}

}  // namespace

// A file directly under the root keeps "/" as its directory, so the files it
// names are looked up there and not in the working directory.
Str projectDirOf(const Str& path) {
  std::size_t slash = path.rfind('/');
  if (slash == Str::npos) return Str(".");
  if (slash == 0) return Str("/");
  return path.substr(0, slash);
}

Str projectNameOf(const Str& path) {
  std::size_t slash = path.rfind('/');
  Str last = slash == Str::npos ? path : path.substr(slash + 1);
  std::size_t dot = last.find('.');
  return dot == Str::npos ? last : last.substr(0, dot);
}

Project::Project(const std::map<Str, int>& opts, const Str& file, Project* parentProject)
    : parent(parentProject), input(nullptr), opened(nullptr), ownFile(nullptr), line(1), relation(0) {
  tables.setProject(this);
  arcTables.setProject(this);
  std::cout << "Project::Project " << file << " parent=";
  if (parent)
    std::cout << static_cast<const void*>(parent);
  else
    std::cout << 0;
  std::cout << std::endl;
  if (options.empty()) options = opts;
  dir = projectDirOf(file);
  name = projectNameOf(file);
  opened = openDescription(file);
  if (!opened) {
    // Taken at once: the output below may itself change errno.
    const char* reason = std::strerror(errno);
    std::cout << "Error: cannot open file '" << file << "'. (" << reason << ")" << std::endl;
    std::cout << "Exiting." << std::endl;
    std::exit(1);
  }
  input = ownFile = opened;
  fileName = file;
  projectMap[name] = this;
  if (!MP) MP = this;
  CP = this;
}

void Project::AddNewProject(const Str& file, const Str& directory) {
  Str path = (!file.IsEmpty() && file[0] == '/') || directory.IsEmpty() ? file : directory + "/" + file;
  CP = new Project(Project::options, path, this);
}

Project* Project::complete() {
  if (this == MP) return parent;
  const std::map<Str, int>& o = options;
  try {
    if (isSet(o, "oracle")) generateSQL(true);
    if (isSet(o, "mysql")) generateMySQL(true);
    if (isSet(o, "mssql")) generateMSSQL(true);
    if (isSet(o, "zdb")) generateZDB(true);
    if (isSet(o, "server") && !isSet(o, "empty") && !isSet(o, "automake-only")) generateCppSources(true);
    if (isSet(o, "server") && isSet(o, "empty")) generateEMPTY(true);
    if (isSet(o, "xml") && !isSet(o, "empty")) prepareUIL(false, true);
    if (isSet(o, "uil") && !isSet(o, "empty")) prepareUIL(false, false);
    if (isSet(o, "uil") && isSet(o, "empty")) prepareUIL(true, false);
    if (isSet(o, "amt")) printAMT(true);
    if (isSet(o, "doc")) printDOC(Str(""));
    if (isSet(o, "toxml")) converToXML(true);
    if (isSet(o, "report")) generateXMLtoReportGen(true);
    if (isSet(o, "wsdl")) generateWSDL(true);
    // The QPX and PostgreSQL steps expand the main project, whose classes may
    // reference this one's tables; no check of this project runs for them,
    // so it is expanded here unless a check above has done so.
    if (!expanded && (isSet(o, "qpx") || isSet(o, "postgres"))) unwrapAll(false);
  } catch (const Str& error) {
    // The check of a nested project failed: the run has failed.
    std::cout << "\nError: " << error << std::endl;
    std::exit(1);
  } catch (const char* error) {
    std::cout << "\nError: " << error << std::endl;
    std::exit(1);
  }
  return parent;
}

std::list<ClassDesc*> Project::findChildClasses(const Str& id) const {
  std::list<ClassDesc*> found;
  for (const auto& [classId, cls] : classes)
    if (cls && cls->Top()->Id() == id) found.push_back(cls);
  return found;
}

std::uint32_t Project::getHashCode() const {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < name.length(); ++i)
    sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(name[i])));
  return sum;
}

Project* ProjectMap::find(const Str& projectName) const {
  auto it = std::map<Str, Project*>::find(projectName);
  return it == end() ? nullptr : it->second;
}

ClassDesc* ProjectMap::findClass(const Str& projectName, const Str& classId) const {
  Project* project = find(projectName);
  if (!project) return nullptr;
  auto it = project->classes.find(classId);
  return it == project->classes.end() ? nullptr : it->second;
}

std::list<Project*> ProjectMap::getFamilyList(Project* root) const {
  std::list<Project*> family;
  for (const auto& [projectName, project] : *this) {
    if (project && project->Parent() == root) {
      family.push_back(project);
      family.splice(family.end(), getFamilyList(project));
    }
  }
  return family;
}
