// Drives the log viewer's window from outside, as the viewer's Wine check
// needs (scripts/check-logview.sh), one action per run:
//
//   logprobe count          "viewers N": the viewer's windows open
//   logprobe press TEXT     the menu command that reads TEXT (without & and key)
//   logprobe fill TEXT      types TEXT into the viewer's open dialog (find,
//                           open, save) and presses its default button
//   logprobe dismiss        cancels that dialog
//   logprobe box            prints the message box shown, presses OK
//   logprobe lines          selects all lines, copies them, prints the clipboard
//   logprobe state          the title, on top, rows, column widths, status line
//   logprobe width N W      sets column N's width to W pixels
//   logprobe menu [LETTER]  opens the list's context menu, or the menu bar's
//                           menu of that letter; `logprobe cancel` closes it
//
// Waits up to ten seconds for what it needs; exit 1 when it is not there.
// Only Win32 code here.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "RecordReceiver.h"
#include "ViewerCommands.h"
#include "common/Text.h"
#include "tools/script/win32/WindowQueries.h"

namespace pf {
namespace {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(hwnd, message, wParam, lParam);
}

struct Search {
  bool (*wanted)(HWND);
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  if (!IsWindowVisible(window) || !search.wanted(window)) return TRUE;
  search.found = window;
  return FALSE;
}

bool IsDialog(HWND window) {
  wchar_t kind[16] = L"";
  GetClassNameW(window, kind, 16);
  return std::wstring(kind) == L"#32770";
}

BOOL CALLBACK TakeEdit(HWND window, LPARAM param) {
  wchar_t kind[8] = L"";
  GetClassNameW(window, kind, 8);
  if (_wcsicmp(kind, L"Edit") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

// The dialog's first visible text box, a combo box's included (file dialogs).
HWND Edit(HWND dialog) {
  HWND edit = nullptr;
  EnumChildWindows(dialog, TakeEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

bool IsInputDialog(HWND window) { return IsDialog(window) && Edit(window) != nullptr; }
bool IsMessageBox(HWND window) { return IsDialog(window) && Edit(window) == nullptr; }

HWND Viewer() { return FindWindowW(kViewerWindowClass, nullptr); }

// A shown top-level window that `wanted` takes, waited for.
HWND Await(bool (*wanted)(HWND)) {
  for (int tries = 0; tries < 100; ++tries, Sleep(100)) {
    Search search{wanted, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
  }
  return nullptr;
}

bool Press(const std::wstring& wanted) {
  for (const CommandRow& row : kViewerCommands) {
    std::wstring text = row.text;
    text.resize(std::min(text.size(), text.find(L'\t')));
    text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
    if (_wcsicmp(text.c_str(), wanted.c_str()) == 0) return PostMessageW(Viewer(), WM_COMMAND, row.id, 0) != 0;
  }
  return false;
}

std::wstring StaticTexts(HWND dialog) {
  std::wstring texts;
  for (HWND at = nullptr; (at = FindWindowExW(dialog, at, L"Static", nullptr)) != nullptr;) {
    texts += L" " + WindowTextOf(at);
  }
  return texts;
}

void Print(const std::wstring& text) { std::fputs((ToNarrow(text) + "\n").c_str(), stdout); }

HWND Child(const wchar_t* kind) { return FindWindowExW(Viewer(), nullptr, kind, nullptr); }

// Fills and confirms the input dialog, prints and confirms the message box,
// or cancels the input dialog.
int Answer(const std::wstring& action, const std::wstring& value) {
  const HWND dialog = Await(action == L"box" ? IsMessageBox : IsInputDialog);
  if (dialog == nullptr) return 1;
  if (action == L"fill") Send(Edit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  if (action == L"box") Print(WindowTextOf(dialog) + L":" + StaticTexts(dialog));
  return PostMessageW(dialog, WM_COMMAND, action == L"dismiss" ? IDCANCEL : IDOK, 0) ? 0 : 1;
}

// Prints the viewer's lines, all selected and copied through the clipboard.
int PrintLines() {
  Send(Viewer(), WM_COMMAND, kCmdSelectAll);
  Send(Viewer(), WM_COMMAND, kCmdCopy);
  if (!OpenClipboard(nullptr)) return 1;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (text != nullptr) std::fputs(ToNarrow(text).c_str(), stdout);
  if (text != nullptr) GlobalUnlock(data);
  CloseClipboard();
  return text != nullptr ? 0 : 1;
}

// Prints the viewer's title, whether it stays on top, its rows, its column
// widths and its status line.
int PrintState(HWND list) {
  const bool onTop = (GetWindowLongW(Viewer(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  std::wstring widths;
  for (int column = 0; column < 4; ++column) widths += L" " + std::to_wstring(Send(list, LVM_GETCOLUMNWIDTH, column));
  Print(L"title " + WindowTextOf(Viewer()) + L"\non top " + (onTop ? L"yes" : L"no") + L"\nrows " +
        std::to_wstring(Send(list, LVM_GETITEMCOUNT)) + L"\nwidths" + widths + L"\nstatus " +
        WindowTextOf(Child(STATUSCLASSNAMEW)));
  return 0;
}

int Run(int argc, wchar_t** argv) {
  const std::wstring action = argc > 1 ? argv[1] : L"";
  const std::wstring value = argc > 2 ? argv[2] : L"";
  if (action == L"count") {
    int count = 0;
    for (HWND at = nullptr; (at = FindWindowExW(nullptr, at, kReceiverClass, nullptr)) != nullptr;) ++count;
    Print(L"viewers " + std::to_wstring(count));
    return 0;
  }
  if (action == L"fill" || action == L"box" || action == L"dismiss") return Answer(action, value);
  if (Await([](HWND window) { return window == Viewer(); }) == nullptr) return 1;
  const HWND list = Child(WC_LISTVIEWW);
  if (action == L"press") return Press(value) ? 0 : 1;
  if (action == L"menu" && !value.empty()) return PostMessageW(Viewer(), WM_SYSCOMMAND, SC_KEYMENU, value[0]) ? 0 : 1;
  if (action == L"menu")
    return PostMessageW(Viewer(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(200, 200)) ? 0 : 1;
  if (action == L"cancel") return PostMessageW(Viewer(), WM_CANCELMODE, 0, 0) ? 0 : 1;
  if (action == L"width") return Send(list, LVM_SETCOLUMNWIDTH, std::stoi(value), std::stoi(argv[3])) ? 0 : 1;
  if (action == L"lines") return PrintLines();
  if (action == L"state") return PrintState(list);
  return 2;
}

}  // namespace
}  // namespace pf

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  return pf::Run(argc, argv);
}
