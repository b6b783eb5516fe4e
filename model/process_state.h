#pragma once
// The state of one run that every subsystem shares: the options, the patch
// set, the project registry with the current and main project, the include
// bookkeeping of the parser, the type registry and the word dictionary.
#include <list>
#include <map>
#include <set>

#include "rt/str.h"

class ADict;
class Project;
class ProjectMap;
class TypesHouse;

extern std::map<Str, int> options;       // switch word -> 1 for each switch given
extern int language;                     // dictionary column of -lang= (1: English)
extern std::set<Str> patches;            // patch names given with -patch
extern Str patchName;                    // patch section being read
extern TypesHouse TypesPool;             // data types of the run
extern ADict* dict;                      // the word dictionary (on the heap; reset deletes it)
extern ProjectMap projectMap;            // every project by name
extern Project* CP;                      // project being parsed
extern Project* MP;                      // main project
extern std::list<Str> listLocales;       // locale codes of -locales=
extern std::list<Str> mainProjectFiles;  // description file and the files it embeds
extern int Level;                        // nesting level of project files
extern std::map<Str, int> projectOut;    // project file stem -> nesting level
extern std::map<Str, std::map<Str, int>> projectOutTree;  // stem -> stems it brings in
extern int debug_level;                  // gate of dictionary tracing; stays 0

// Translates an English word through the dictionary; the word itself when
// there is no dictionary yet.
Str tr(const char* english);

// For tests only: puts every item above back to its state at start-up.
void resetProcessState();
