// Window construction steps. Standard windows and the window model are not
// built, so the model stays empty; the steps expand the project and print
// their progress.
#include <iostream>

#include "model/project.h"

void Project::prepareUIL(bool, bool) {
  std::cout << "compiling ." << std::flush;
  unwrapAll(false);
  for (std::size_t i = 0; i < classes.size(); ++i) std::cout << '.';
  std::cout << std::flush;
}

void Project::generateUIL(bool, bool, bool) { std::cout << " done" << std::endl; }
