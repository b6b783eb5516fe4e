// The UIL-style window and layout texts. The window model is empty until the
// window construction is built, so both files are created without windows.
#include <iostream>

#include "model/project.h"
#include "rt/output_file.h"

void Project::printUIL() {
  std::cout << "generating ." << "." << std::flush;
  OutputFile windowsText("newout.uil");
  OutputFile layoutText("newlay.uil");
  windowsText.close();
  layoutText.close();
  std::cout << " done" << std::endl;
}
