// The proofs' window helpers: Win32 code that reads and drives windows of
// this process from the script thread as a person would (messages that the
// platform sends for typing and clicking, and real mouse and keyboard input
// where a control looks at the cursor or the focus).
#pragma once

#include <string>

#include <windows.h>
#include <commctrl.h>

#include "tools/script/win32/PersonInput.h"

namespace pf::proof {

using pf::ClickAt;
using pf::StrikeKey;

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// WM_GETTEXT; "(no window)" for a null window.
std::wstring Text(HWND hwnd);
// WM_SETTEXT.
void SetText(HWND hwnd, const std::wstring& text);
// Entry `index` of a list box or combo box (LB_GETTEXT / CB_GETLBTEXT).
std::wstring ListEntry(HWND list, UINT lengthMessage, UINT textMessage, int index);

bool Shown(HWND hwnd);
bool Enabled(HWND hwnd);
bool Checked(HWND button);
// True when a child of `window` reads `text`.
bool HasChildText(HWND window, const std::wstring& text);
// A shown dialog of this process owned by `owner` with the title `title`.
HWND FindOwnedDialog(HWND owner, const std::wstring& title);
// The window with the keyboard focus on thread `thread`.
HWND FocusOf(DWORD thread);

// Tree views: the item's state image (1 unticked, 2 ticked), a related
// item, the normal image, and the child of `parent` that reads `text`.
UINT StateImage(HWND tree, HTREEITEM item);
HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM item);
int ItemImage(HWND tree, HTREEITEM item);
HTREEITEM FindChildItem(HWND tree, HTREEITEM parent, const std::wstring& text);
// The middle of the item's check box, found by hit tests along its row.
bool StateIconPoint(HWND tree, HTREEITEM item, POINT* pt);

// Real key strokes to the focused window: the characters of `text`. (One
// click or one key: ClickAt and StrikeKey of tools/script/win32/PersonInput.h.)
void TypeKeys(const std::wstring& text);

// Lets the UI thread run for `ms` milliseconds.
void Pause(int ms);

}  // namespace pf::proof
