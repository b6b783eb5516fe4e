// The access-control file <P>.sdb: for every user group, the server methods
// that the group may call on the project's server object.
#include <ostream>

#include "expand/access_model.h"
#include "model/process_state.h"
#include "model/project.h"
#include "rt/output_file.h"
#include "rt/safe_rewrite.h"

namespace {

// Writes the file from the merged matrix, one block per group.
class AccessFileGenerator {
public:
  AccessFileGenerator(Project& project, std::ostream& out) : project_(project), out_(out) {}

  void write(const AccessMatrix& matrix) {
    header(matrix);
    for (const auto& [group, objects] : matrix) groupBlock(group, objects);
    out_ << "0\n";
  }

private:
  void header(const AccessMatrix& matrix) {
    out_ << "1 " << project_.name << "_Object\n";
    out_ << matrix.size() << "\n";
  }

  // A group the project does not declare is entered with number 0.
  void groupBlock(const Str& group, const std::map<Str, std::map<Str, int>>& objects) {
    out_ << project_.groups[group] << " " << group << " " << objects.size() << "\n";
    for (const auto& [object, methods] : objects) objectBlock(object, methods);
  }

  // The five methods every group may call come first; they are counted too.
  void objectBlock(const Str& object, const std::map<Str, int>& methods) {
    int granted = 0;
    for (const auto& [method, state] : methods)
      if (state == 1) ++granted;
    out_ << object << " " << 5 + granted << "\n";
    out_ << "__OrvaleExecutor __OrvaleCompiler __SQLExecutor __EnumValues DescribeObjectMethod ";
    for (const auto& [method, state] : methods)
      if (state == 1) out_ << method << " ";
    out_ << "\n";
  }

  Project& project_;
  std::ostream& out_;
};

}  // namespace

void Project::printAMT(bool checkOnly) {
  Str objName = name + "_Object";
  AccessMatrix matrix;
  for (Project* descendant : projectMap.getFamilyList(this))
    if (descendant->relation != 0) descendant->fillAccessGroups(objName, matrix);
  fillAccessGroups(objName, matrix);
  // The text is built in check-only mode too: writing it enters the groups
  // this project does not declare into its group map.
  if (checkOnly) {
    AccessFileGenerator(*this, nullSink()).write(matrix);
    return;
  }
  // The server reads this file for its rights: it is replaced whole or not
  // at all.
  SafeRewrite out(name + ".sdb");
  AccessFileGenerator(*this, out.stream()).write(matrix);
  out.commit();
}

void Project::fillAccessGroups(const Str& objName, AccessMatrix& matrix) {
  for (const auto& [cls, acl] : accessList)
    for (const auto& [method, record] : acl.methods())
      for (const auto& [group, state] : record.states())
        if (state != 0) matrix[group][objName][method] = state;
  // The standard inputs of referenced views may be called by every group
  // that may reference the class. A method hard-denied to the group stays
  // denied: the entry is kept, so a second view naming the same method
  // cannot grant it either.
  for (const auto& [cls, refs] : refsList) {
    std::list<Str> inputs = refs.getTablesStdInputsIfReferencible();
    if (inputs.empty()) continue;
    for (const auto& [group, flag] : refs.referencible()) {
      if (!refs.classReferencible(group)) continue;
      for (const Str& input : inputs) {
        int& state = matrix[group][objName][input];
        if (state != -1) state = 1;
      }
    }
  }
}
