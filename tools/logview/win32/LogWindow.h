// The log viewer's window on Windows: a top-level window titled exactly
// kLogViewerTitle that takes records as WM_COPYDATA messages (dwData the
// type, cbData the size, lpData the payload) and shows them in a LogList.
//
// Every record is a synchronous send, so the module waits while the window
// handles it: the window only queues a copy with its time and returns; a
// timer hands the queue to the viewer and the list in batches. A module's
// load line starts a new session, named after the process that has the
// plug-in loaded.
//
// Menu and keys: open a recording (Ctrl+O), save the lines as text
// (Ctrl+S), find (Ctrl+F, then F3 for the next). Only Win32 code here.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "LogList.h"
#include "LogViewer.h"

namespace pf {

class LogWindow {
 public:
  explicit LogWindow(std::ostream* recordFile) : viewer_(recordFile), list_(viewer_.book()) {}
  LogWindow(const LogWindow&) = delete;
  LogWindow& operator=(const LogWindow&) = delete;

  // Creates and shows the window; false when that fails.
  bool Create(HINSTANCE instance, int show);

  // Shows a recording in place of what is shown; false, with a message box,
  // when it cannot be read whole.
  bool OpenRecording(const std::wstring& path);

  // Lets the window's keys and its find dialog take the message; true when
  // one did (the message loop then dispatches nothing).
  bool TakeMessage(MSG& message);

 private:
  struct Pending {
    int64_t timeMs;
    LogRecord record;
    bool startsSession;
    uint32_t process;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Receive(const COPYDATASTRUCT& data);
  void Drain();
  void Command(int id);
  void SaveText();
  void ShowFind();
  void FindNext(bool down);
  void Complain(const std::wstring& text) const;

  HWND window_ = nullptr;
  HACCEL keys_ = nullptr;
  LogViewer viewer_;
  LogList list_;
  std::vector<Pending> queue_;
  bool draining_ = false;  // the drain timer is running
  uint32_t session_ = 0;
  std::set<uint32_t> named_;  // processes named by a session so far
  UINT findMessage_ = 0;
  HWND findDialog_ = nullptr;
  FINDREPLACEW find_{};
  wchar_t findText_[128] = L"";
};

}  // namespace pf
