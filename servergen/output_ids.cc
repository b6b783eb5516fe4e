#include "servergen/output_ids.h"

#include <set>

void numberRepeatedIds(AttribList& outputs) {
  std::set<Str> taken;
  outputs.reset();
  while (outputs.next()) {
    Attributes& a = outputs.getAttrib();
    if (taken.count(a.Id())) {
      int n = 1;
      while (taken.count(a.Id() + n)) ++n;
      a.setId(a.Id() + n);
    }
    taken.insert(a.Id());
  }
}
