#pragma once
// The project a server generator writes for, found again by its name, and
// the tables of it that get an object.
#include <list>

#include "model/project.h"
#include "rt/str.h"

// Throws a Str naming the project when the run registered none of that name.
Project& generatedProject(const Str& name);

// Whether the table `name` gets an access class b<name> and a member o<name>
// of the server: it belongs to a declared object whose class has an object.
// A virtual class has no declared object, even when it inherits the object of
// its parent: its own server keeps its rows.
bool hasAccessClass(const Project& project, const Str& name);

// The tables of `project`, in name order, that get an access class.
std::list<Str> objectTables(Project& project);
