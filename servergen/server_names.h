#pragma once
// The names a step gives to generated C++ and to Makefile.am: project names
// become file, class and automake variable names, declared methods become
// members of the server class. Each check throws a Str that names the file
// or the classes and the method, before the step writes anything; only
// checkStandardMethodNames, which needs the expanded model, comes after the
// full server has written Makefile.am.
class Project;

// Makefile.am names every project of the run; automake takes a name of
// ASCII letters, digits and "_" that does not begin with a digit.
void checkAutomakeNames();

// The full and the empty server: every project of the run also names C++
// classes and headers, so none may be a C++ keyword or "main". Then the
// declared methods of `project` must give distinct server methods, and with
// `withStandardMethods` (the full server) none may take the name of a
// standard method that the class model names, and no key or virtual
// attribute the name of the lists' sort argument SortNo.
void checkServerNames(Project& project, bool withStandardMethods);

// After the expansion, in the full server and the WSDL step, which both
// register the standard methods beside the declared ones: no declared method
// may take the name of a standard method, the key-filtered lists included,
// whose names only the expanded tables give.
void checkStandardMethodNames(Project& project);

// The QPX wrapper names only its own project in its sources.
void checkWrapperName(const Project& project);
