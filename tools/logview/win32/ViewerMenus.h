// The log viewer window's menu bar, keys and the list's context menu, made
// from the command table (ViewerCommands.h). Only Win32 code here.
#pragma once

#include <windows.h>

namespace pf {

HMENU MakeViewerMenuBar();
HACCEL MakeViewerKeys();
HMENU MakeListContextMenu();

}  // namespace pf
