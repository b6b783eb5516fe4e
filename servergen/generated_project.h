#pragma once
// The project a server generator writes for, found again by its name.
#include "model/project.h"
#include "rt/str.h"

// Throws a Str naming the project when the run registered none of that name.
Project& generatedProject(const Str& name);
