// Method and view signatures are not derived yet: the method map keeps what
// the parser put into it.
#include "expand/signature_phases.h"

void signClassMethods(Project&, ClassDesc&) {}
void linkDispatchers(Project&) {}
void addStandardInputs(Project&) {}
void rewriteViewSelects(Project&) {}
