#include "ViewerMenus.h"

#include <vector>

#include "ViewerCommands.h"

namespace pf {

HMENU MakeViewerMenuBar() {
  HMENU bar = CreateMenu();
  for (int menu = 0; menu < kMenuCount; ++menu) {
    HMENU popup = CreatePopupMenu();
    for (const CommandRow& row : kViewerCommands) {
      if (row.menu == menu) AppendMenuW(popup, MF_STRING, row.id, row.text);
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), kViewerMenus[menu]);
  }
  return bar;
}

HACCEL MakeViewerKeys() {
  std::vector<ACCEL> keys;
  for (const CommandRow& row : kViewerCommands) {
    if (row.keyFlags != 0) keys.push_back(ACCEL{row.keyFlags, row.key, row.id});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

HMENU MakeListContextMenu() {
  HMENU popup = CreatePopupMenu();
  for (const CommandRow& row : kViewerCommands) {
    if (row.inContextMenu) AppendMenuW(popup, MF_STRING, row.id, row.text);
  }
  return popup;
}

}  // namespace pf
