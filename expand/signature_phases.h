#pragma once
// The phases of the expansion that derive method and view signatures from
// the freshly built tables, between the tables and the full lists. The
// expansion calls them in this order and prints their progress dots itself.
class ClassDesc;
class Project;

// Results and arguments of the methods of one class into the method map.
void signClassMethods(Project& project, ClassDesc& cls);
// Dispatchers and virtual methods linked to the methods they serve.
void linkDispatchers(Project& project);
// Standard-input methods of the views.
void addStandardInputs(Project& project);
// Select statements of the views.
void rewriteViewSelects(Project& project);
