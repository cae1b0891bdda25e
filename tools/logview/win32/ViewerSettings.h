// What the log viewer window keeps between runs, in the user's registry
// (HKEY_CURRENT_USER\Software\PathForge\Log viewer): the column widths (in
// pixels at 96 DPI), Always on top and Auto scroll. Only Win32 code here.
#pragma once

#include <vector>

namespace pf {

struct ViewerSettings {
  std::vector<int> columnWidths;  // empty: the defaults
  bool onTop = false;
  bool autoScroll = true;
};

// The settings kept, or the defaults where none are.
ViewerSettings LoadViewerSettings();

void SaveViewerSettings(const ViewerSettings& settings);

}  // namespace pf
