// The viewer's Find box: the platform's modeless find dialog over the rows a
// LogList shows. It searches from the focused row, says so in a notice when
// no row holds the text, and moves itself off the row it found. Only Win32
// code here.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "LogList.h"
#include "LogView.h"

namespace pf {

class FindBox {
 public:
  FindBox(const LogView& view, LogList& list) : view_(view), list_(list) {}

  // The window that owns the box; once, before anything else.
  void Attach(HWND owner);

  // Opens the box, or brings it forward.
  void Show();
  // Finds the next row with the box's text (opens the box when it has none).
  void Next();

  // The box's messages: true when `message` was its keyboard input or its
  // request to the owner (which the owner's window procedure passes on).
  bool TakeMessage(MSG& message);
  bool Handle(UINT message, LPARAM lParam);

 private:
  void Find(bool down);
  void MoveOffRow(std::size_t row);

  const LogView& view_;
  LogList& list_;
  HWND owner_ = nullptr;
  UINT message_ = 0;
  HWND dialog_ = nullptr;
  FINDREPLACEW find_{};
  wchar_t text_[128] = L"";
};

}  // namespace pf
