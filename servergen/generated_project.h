#pragma once
// The project a server generator writes for, found again by its name, and
// the tables of it that get an object.
#include <list>

#include "model/project.h"
#include "rt/str.h"

// Throws a Str naming the project when the run registered none of that name.
Project& generatedProject(const Str& name);

// The tables of `project`, in name order, whose class has an object.
std::list<Str> objectTables(Project& project);
