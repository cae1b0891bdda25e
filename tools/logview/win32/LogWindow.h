// The log viewer's window on Windows. The records come through a
// RecordReceiver (the hidden window of kLogViewerTitle, on a thread of its
// own); this window takes them in batches, gives them sessions
// (SenderlessSessions) and shows them in a LogList: a filter box and a
// highlight box above the list, the counts, the history and the recording
// below it.
//
// Menus and keys (ViewerCommands.h): open a recording, record to a file,
// save the lines as text; copy the selected lines, select all, clear, find
// (a notice when nothing is found; the find box moves off the match),
// filter / highlight; auto scroll and always on top (both shown checked and
// kept between runs, with the column widths). A second start of the viewer
// brings this window to the front and can hand it a recording to open. Only
// Win32 code here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "FindBox.h"
#include "LogList.h"
#include "LogView.h"
#include "LogViewer.h"
#include "RecordReceiver.h"
#include "SenderlessSessions.h"
#include "ViewerOptions.h"
#include "ViewerSettings.h"

namespace pf {

// The title of the window a person sees: not the receiver's, so that the
// module finds only the receiver.
extern const wchar_t kViewerWindowTitle[];

class LogWindow {
 public:
  LogWindow();
  LogWindow(const LogWindow&) = delete;
  LogWindow& operator=(const LogWindow&) = delete;

  // Creates and shows the window and its receiver, and takes the options
  // (record, replay, save, filter, history); false, with a message box,
  // when the window cannot be made or a file of the options cannot be used.
  bool Create(HINSTANCE instance, int show, const ViewerOptions& options);

  // Lets the window's keys and its find dialog take the message; true when
  // one did (the message loop then dispatches nothing).
  bool TakeMessage(MSG& message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateChildren(HINSTANCE instance);
  void Layout();
  void Drain();
  void Show(std::size_t left);
  void ShowStatus();
  void Command(int id);
  void Request(const LogRecord& request);
  bool OpenRecording(const std::wstring& path);
  bool StartRecording(const std::wstring& path);
  void ToggleRecording();
  void SaveText();
  void SaveNewLines();
  void Copy();
  void Clear();
  void ApplyFilter();
  void SetOnTop(bool onTop);
  void ContextMenu(LPARAM at);
  void CheckMenus();
  void Complain(const std::wstring& text) const;

  HWND window_ = nullptr;
  HACCEL keys_ = nullptr;
  HFONT font_ = nullptr;
  HWND filterLabel_ = nullptr;
  HWND filterEdit_ = nullptr;
  HWND highlightLabel_ = nullptr;
  HWND highlightEdit_ = nullptr;
  HWND status_ = nullptr;
  LogViewer viewer_;
  LogView view_;
  LogList list_;
  SenderlessSessions sessions_;
  RecordReceiver receiver_;
  ViewerSettings settings_;
  bool draining_ = false;  // the drain timer is running
  int64_t drainedMs_ = 0;  // when the records were last taken
  std::ofstream recordFile_;
  std::wstring recordPath_;
  std::ofstream textFile_;  // --save: every line as it comes
  uint64_t saved_ = 0;      // the number of the first line not saved yet
  FindBox findBox_;
};

}  // namespace pf
