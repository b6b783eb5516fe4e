#pragma once
// Which methods of a project's method map the generated server serves, and
// the name of each one's entry point. The container, the empty server's
// header and the RPC stubs must agree on both, so they all ask here.
#include "model/methods_map.h"
#include "rt/str.h"

// The class of the entry under the cursor: its declaring class, or that of
// the entry's key for a method a generator registered without a class record.
Str classIdOf(MethodsMap& map);

// Whether the entry under the map's cursor gets an entry point in the
// container: internal methods, those without a header declaration and the
// reads the server answers itself (Get, GetAbstract, GetForUpdate, MoveToArc)
// do not.
bool isServed(MethodsMap& map);

// The entry-point name of the entry under the cursor: its method name, with
// the class id in front of a name that is exactly "Add" or "Update".
Str entryPointName(MethodsMap& map);
