#pragma once
// dnull: the one shared sink of the server generators. Check-only passes and
// the outputs a generator must not write go here; everything is discarded.
#include <ostream>

#include "rt/output_file.h"

inline std::ostream& dnull = nullSink();
