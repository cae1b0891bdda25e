// The proofs' window helpers: Win32 code of the proofs.
#include "WindowInput.h"

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace pf::proof {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(hwnd, message, wParam, lParam);
}

std::wstring Text(HWND hwnd) {
  if (hwnd == nullptr) return L"(no window)";
  const auto length = static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH));
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const auto copied = static_cast<int>(Send(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void SetText(HWND hwnd, const std::wstring& text) { Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

std::wstring ListEntry(HWND list, UINT lengthMessage, UINT textMessage, int index) {
  const auto length = static_cast<int>(Send(list, lengthMessage, static_cast<WPARAM>(index)));
  if (length < 0) return L"(no entry)";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  Send(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

bool Shown(HWND hwnd) { return hwnd != nullptr && IsWindowVisible(hwnd); }
bool Enabled(HWND hwnd) { return hwnd != nullptr && IsWindowEnabled(hwnd); }
bool Checked(HWND button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }

bool HasChildText(HWND window, const std::wstring& text) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (Text(child) == text) return true;
  }
  return false;
}

namespace {

struct OwnedDialogSearch {
  HWND owner;
  const std::wstring* title;
  HWND found;
};

// EnumWindows' callback (stdcall, which a lambda is not on 32-bit Windows).
BOOL CALLBACK MatchOwnedDialog(HWND hwnd, LPARAM param) {
  auto& s = *reinterpret_cast<OwnedDialogSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (process == GetCurrentProcessId() && GetWindow(hwnd, GW_OWNER) == s.owner && IsWindowVisible(hwnd) &&
      std::wstring(cls) == L"#32770" && Text(hwnd) == *s.title) {
    s.found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindOwnedDialog(HWND owner, const std::wstring& title) {
  OwnedDialogSearch search{owner, &title, nullptr};
  EnumWindows(MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FocusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

UINT StateImage(HWND tree, HTREEITEM item) {
  return static_cast<UINT>(Send(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK)) >> 12;
}

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

int ItemImage(HWND tree, HTREEITEM item) {
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_IMAGE;
  query.hItem = item;
  Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return query.iImage;
}

HTREEITEM FindChildItem(HWND tree, HTREEITEM parent, const std::wstring& text) {
  HTREEITEM item = parent == nullptr ? TreeItem(tree, TVGN_ROOT, nullptr) : TreeItem(tree, TVGN_CHILD, parent);
  for (; item != nullptr; item = TreeItem(tree, TVGN_NEXT, item)) {
    wchar_t buffer[256] = {};
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = 256;
    Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    if (text == buffer) return item;
  }
  return nullptr;
}

bool StateIconPoint(HWND tree, HTREEITEM item, POINT* pt) {
  RECT label{};
  // NOLINTNEXTLINE(bugprone-sizeof-expression): TVM_GETITEMRECT takes the item handle itself in the rectangle
  std::memcpy(&label, &item, sizeof(item));
  if (!Send(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label))) return false;
  const int y = (label.top + label.bottom) / 2;
  int first = -1;
  int last = -1;
  for (int x = 0; x < label.left; ++x) {
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    Send(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.hItem != item || (hit.flags & TVHT_ONITEMSTATEICON) == 0) continue;
    if (first < 0) first = x;
    last = x;
  }
  if (first < 0) return false;
  *pt = {(first + last) / 2, y};
  return true;
}

void TypeKeys(const std::wstring& text) {
  for (wchar_t ch : text) {
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wScan = ch;
    input[0].ki.dwFlags = KEYEVENTF_UNICODE;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace pf::proof
