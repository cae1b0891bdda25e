#include "FindBox.h"

#include <algorithm>
#include <string>

#include "common/Format.h"

namespace pf {

void FindBox::Attach(HWND owner) {
  owner_ = owner;
  message_ = RegisterWindowMessageW(FINDMSGSTRINGW);
}

void FindBox::Show() {
  if (dialog_ != nullptr) {
    SetFocus(dialog_);
    return;
  }
  find_ = FINDREPLACEW{};
  find_.lStructSize = sizeof find_;
  find_.hwndOwner = owner_;
  find_.lpstrFindWhat = text_;
  find_.wFindWhatLen = sizeof text_ / sizeof text_[0];
  find_.Flags = FR_DOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;
  dialog_ = FindTextW(&find_);
}

void FindBox::Next() {
  if (text_[0] == 0) {
    Show();
  } else {
    Find(true);
  }
}

bool FindBox::TakeMessage(MSG& message) { return dialog_ != nullptr && IsDialogMessageW(dialog_, &message); }

bool FindBox::Handle(UINT message, LPARAM lParam) {
  if (message != message_ || message_ == 0) return false;
  const auto& find = *reinterpret_cast<const FINDREPLACEW*>(lParam);
  if ((find.Flags & FR_DIALOGTERM) != 0) dialog_ = nullptr;
  if ((find.Flags & FR_FINDNEXT) != 0) Find((find.Flags & FR_DOWN) != 0);
  return true;
}

void FindBox::Find(bool down) {
  const std::size_t found = view_.Find(text_, list_.Focused(), down);
  if (found == std::wstring::npos) {
    MessageBoxW(dialog_ != nullptr ? dialog_ : owner_, Format(L"\"%s\" is not in the lines shown.", text_).c_str(),
                L"Find", MB_OK | MB_ICONINFORMATION);
    return;
  }
  list_.Select(found);
  MoveOffRow(found);
}

void FindBox::MoveOffRow(std::size_t row) {
  RECT box{};
  RECT overlap{};
  const RECT line = list_.RowOnScreen(row);
  if (dialog_ == nullptr || !GetWindowRect(dialog_, &box) || !IntersectRect(&overlap, &box, &line)) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
  const int height = box.bottom - box.top;
  const int gap = MulDiv(8, WindowDpi(owner_), 96);
  const bool roomBelow = line.bottom + gap + height <= monitor.rcWork.bottom;
  const int top = roomBelow ? line.bottom + gap : std::max(monitor.rcWork.top, line.top - gap - height);
  SetWindowPos(dialog_, nullptr, box.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pf
