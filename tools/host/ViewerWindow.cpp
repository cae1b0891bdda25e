// Only Win32 code here. The log viewer's window beside the wizard's (see
// ViewerWindow.h).
#include "ViewerWindow.h"

#include <utility>

#include "ViewerPlacement.h"
#include "nclink/LogEndpoint.h"
#include "tools/script/win32/WindowQueries.h"

namespace pf {
namespace {

constexpr DWORD kPollMs = 50;

ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HWND FindWizard(const std::wstring& caption) {
  for (HWND window : ProcessWindows()) {
    if (WindowTextOf(window) == caption) return window;
  }
  return nullptr;
}

struct ViewerSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK TakeVisible(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<ViewerSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search.process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) return TRUE;
  search.found = window;
  return FALSE;
}

// The window that the module finds by its title may be a hidden receiver:
// the viewer's process's own visible window is the one to move.
HWND VisibleViewer() {
  const HWND receiver = FindWindowW(nullptr, kLogViewerTitle);
  ViewerSearch search{0, nullptr};
  if (receiver == nullptr || GetWindowThreadProcessId(receiver, &search.process) == 0) return nullptr;
  EnumWindows(TakeVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

void PlaceViewerBesideWizard(const std::wstring& wizardCaption) {
  const HWND viewer = VisibleViewer();
  const HWND wizard = FindWizard(wizardCaption);
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

ViewerBesideWizardOnceShown::ViewerBesideWizardOnceShown(std::wstring wizardCaption)
    : caption_(std::move(wizardCaption)), ended_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (ended_ != nullptr) thread_ = std::thread([this] { Wait(); });
}

ViewerBesideWizardOnceShown::~ViewerBesideWizardOnceShown() {
  if (ended_ == nullptr) return;
  SetEvent(ended_);
  thread_.join();
  CloseHandle(ended_);
}

void ViewerBesideWizardOnceShown::Wait() const {
  while (WaitForSingleObject(ended_, kPollMs) == WAIT_TIMEOUT) {
    if (FindWizard(caption_) == nullptr) continue;
    PlaceViewerBesideWizard(caption_);
    return;
  }
}

}  // namespace pf
