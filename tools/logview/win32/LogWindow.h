// The log viewer's window on Windows: a top-level window titled exactly
// kLogViewerTitle, filled by a tree view, that takes records as WM_COPYDATA
// messages (dwData the type, cbData the size, lpData the payload). Only
// Win32 code here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "LogViewer.h"

namespace pf {

class LogWindow {
 public:
  explicit LogWindow(std::ostream* recordFile) : viewer_(recordFile) {}
  LogWindow(const LogWindow&) = delete;
  LogWindow& operator=(const LogWindow&) = delete;

  // Creates and shows the window; false when that fails.
  bool Create(HINSTANCE instance, int show);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Receive(const COPYDATASTRUCT& data);
  void Insert(const LogEntry& entry);

  HWND window_ = nullptr;
  HWND tree_ = nullptr;
  std::vector<HTREEITEM> lastAtDepth_;  // the newest item of each depth
  LogViewer viewer_;
};

}  // namespace pf
