// The XML window files with their window-number register. The window model is
// empty until the window construction is built, so no window file is written;
// the register is read and written back unchanged, and every child project
// gets its folder under .xml/.
#include <iostream>

#include "model/process_state.h"
#include "model/project.h"
#include "rt/fs.h"
#include "winwriters/window_id_register.h"

namespace {

const char* const registerPath = "wid.txt";

// Writes the windows of the projects `project` brings in, each under
// .xml/<project>/, and then those of `project` itself.
void writeProjectWindows(Project& project, WindowIdRegister& windowIds) {
  for (const auto& [childName, child] : projectMap) {
    if (!child || child->Parent() != &project) continue;
    child->generateUIL(false, false, true);
    FS::Dir::fcreate(Str(".xml/") + childName, false);
    writeProjectWindows(*child, windowIds);
  }
}

}  // namespace

void Project::printXML() {
  std::cout << "generating ." << "." << std::flush;
  WindowIdRegister windowIds;
  // A register that exists but cannot be read is left as it is rather than
  // overwritten with the part that was read.
  bool readWhole = windowIds.load(registerPath);
  writeProjectWindows(*this, windowIds);
  if (!readWhole || !windowIds.save(registerPath))
    std::cout << "WARNING! Cannot save Window ID file wid.txt" << std::endl;
  std::cout << " done" << std::endl;
}
