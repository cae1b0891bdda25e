// The headless toolkit draws no windows: the grid needs no window class.
#include "graph/GridWindowClass.h"

namespace pf {

bool RegisterGridWindowClass() { return true; }

}  // namespace pf
