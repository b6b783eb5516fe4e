#include "model/process_state.h"

#include "frontend/attribute_decls.h"
#include "frontend/class_decls.h"
#include "frontend/lexer.h"
#include "frontend/method_decls.h"
#include "frontend/type_decls.h"
#include "frontend/view_decls.h"
#include "model/adict.h"
#include "model/class_desc.h"
#include "model/project.h"
#include "model/types_house.h"

std::map<Str, int> options;
int language = ADict::english;
std::set<Str> patches;
Str patchName;
TypesHouse TypesPool;
ADict* dict = nullptr;
ProjectMap projectMap;
Project* CP = nullptr;
Project* MP = nullptr;
std::list<Str> listLocales;
std::list<Str> mainProjectFiles;
int Level = 0;
std::map<Str, int> projectOut;
std::map<Str, std::map<Str, int>> projectOutTree;
int debug_level = 0;

Str tr(const char* english) { return Str(dict ? dict->translate(english) : english); }

void resetProcessState() {
  options.clear();
  language = ADict::english;
  patches.clear();
  patchName = Str();
  TypesPool = TypesHouse();
  delete dict;
  dict = nullptr;
  projectMap.clear();
  CP = nullptr;
  MP = nullptr;
  listLocales.clear();
  mainProjectFiles.clear();
  Level = 0;
  projectOut.clear();
  projectOutTree.clear();
  debug_level = 0;
  Project::options.clear();
  ClassDesc::sNull = Str();
  resetLexer();
  resetTypeDecls();
  resetClassDecls();
  resetMethodDecls();
  resetAttributeDecls();
  resetViewDecls();
}
