// The host's short check of the plug-in's interface before it starts the
// wizard, as the servo-tuning application uses it: the plug-in's name and
// user level, and the graph family on the module's own graph object (a
// graph info stored and read back at a position, the list's size, the text
// info, a cleared position, the object's address).
#pragma once

#include <ostream>

#include "tools/shared/PluginModule.h"

namespace pf {

struct CheckCounts {
  int passed = 0;
  int failed = 0;
};

// Runs the checks; each failure is written to `report` as "self-check: ...".
CheckCounts CheckExports(const PluginModule& plugin, std::ostream& report);

}  // namespace pf
