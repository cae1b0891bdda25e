// Only Win32 code here. What the script thread reads of the wizard's windows
// (which belong to the UI thread): window texts, list entries, tree items,
// and the top-level windows of this process. Messages whose answer the UI
// thread must give are sent with a time limit, so a hung wizard makes a
// read fail instead of holding the script.
#pragma once

#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

namespace pf {

// The window class of dialogs: sheets, dialogs and message boxes.
inline constexpr wchar_t kDialogWindowClass[] = L"#32770";

// Sends a message and waits at most the time limit for its answer; false
// when it was not answered.
bool AskWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer);

// The window's text (WM_GETTEXT).
std::wstring WindowTextOf(HWND hwnd);
// True when the window's class is `windowClass` (without case).
bool IsWindowClass(HWND hwnd, const wchar_t* windowClass);
bool HasStyle(HWND hwnd, LONG style);

// The visible top-level windows of this process, in z-order (top first).
std::vector<HWND> ProcessWindows();
// The first child of `window` of that class; null when none.
HWND ChildOfClass(HWND window, const wchar_t* windowClass);

// The entries of a list box or combo box; false for any other window.
bool ListEntries(HWND control, std::vector<std::wstring>& entries);

// Tree views.
HTREEITEM TreeRelative(HWND tree, UINT relation, HTREEITEM item);
std::wstring TreeItemText(HWND tree, HTREEITEM item);
// The item at the end of a path of item texts from the root; null when a
// segment is missing.
HTREEITEM FindTreePath(HWND tree, const std::vector<std::wstring>& path);
// The item's state image: 1 unticked, 2 ticked, 0 none.
UINT TreeStateImage(HWND tree, HTREEITEM item);
// The middle of the item's check box or of its text, in the tree's client
// coordinates; false when that part is not shown.
bool TreeStateIconPoint(HWND tree, HTREEITEM item, POINT* pt);
bool TreeLabelPoint(HWND tree, HTREEITEM item, POINT* pt);

}  // namespace pf
