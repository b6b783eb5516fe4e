#pragma once
// The prohibited identifiers: each line of taboo.txt names an identifier and,
// after a blank or a tab, the reason it may not be used.
#include <cstdio>
#include <map>

#include "rt/str.h"

// Loads "taboo.txt" of the working directory, else the platform's shared
// list; when neither opens, no identifier is prohibited.
void loadTabooTable(std::map<Str, Str>& table);
// Reads the lines of an open list into `table` (identifier in upper case ->
// reason); a later line with the same identifier replaces the reason.
void readTabooList(std::FILE* list, std::map<Str, Str>& table);
