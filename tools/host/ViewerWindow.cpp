// Only Win32 code here. The log viewer's window beside the wizard's (see
// ViewerWindow.h).
#include "ViewerWindow.h"

#include "ViewerPlacement.h"
#include "nclink/LogEndpoint.h"

#include <windows.h>

namespace pf {
namespace {

ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void PlaceViewerBesideWizard(const std::wstring& wizardCaption) {
  const HWND viewer = FindWindowW(nullptr, kLogViewerTitle);
  const HWND wizard = FindWindowW(nullptr, wizardCaption.c_str());
  RECT wizardRect{};
  RECT viewerRect{};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (viewer == nullptr || wizard == nullptr || !GetWindowRect(wizard, &wizardRect) ||
      !GetWindowRect(viewer, &viewerRect) ||
      !GetMonitorInfoW(MonitorFromWindow(wizard, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return;
  }
  const ScreenRect placed = ViewerBeside(FromRect(wizardRect), FromRect(viewerRect), FromRect(monitor.rcWork));
  // Asynchronous: a viewer busy with records must not hold up the host.
  SetWindowPos(viewer, nullptr, placed.left, placed.top, placed.width(), placed.height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace pf
