// Only Win32 code here. Reading the wizard's windows from the script thread
// (see WindowQueries.h).
#include "tools/script/win32/WindowQueries.h"

#include <cstring>

namespace pf {
namespace {

constexpr UINT kAnswerMs = 10000;
constexpr int kItemTextMax = 512;

// EnumWindows' callback (stdcall, which a lambda is not on 32-bit Windows):
// keeps the visible windows of this process in the vector `found`.
BOOL CALLBACK KeepProcessWindow(HWND hwnd, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(hwnd)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

// TVM_GETITEMRECT takes the item in the rectangle it fills.
static bool TreeLabelRect(HWND tree, HTREEITEM item, RECT* label) {
  std::memcpy(label, &item, sizeof(item));  // NOLINT(bugprone-sizeof-expression): the handle itself goes in
  LRESULT shown = 0;
  return AskWindow(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(label), &shown) && shown != 0;
}

bool AskWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer) {
  DWORD_PTR result = 0;
  if (hwnd == nullptr || SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &result) == 0) {
    return false;
  }
  if (answer != nullptr) *answer = static_cast<LRESULT>(result);
  return true;
}

std::wstring WindowTextOf(HWND hwnd) {
  LRESULT length = 0;
  if (!AskWindow(hwnd, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return L"";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  LRESULT copied = 0;
  AskWindow(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied);
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool IsWindowClass(HWND hwnd, const wchar_t* windowClass) {
  wchar_t name[64] = {};
  if (GetClassNameW(hwnd, name, 64) == 0) return false;
  return CompareStringOrdinal(name, -1, windowClass, -1, TRUE) == CSTR_EQUAL;
}

bool HasStyle(HWND hwnd, LONG style) { return (GetWindowLongW(hwnd, GWL_STYLE) & style) == style; }

std::vector<HWND> ProcessWindows() {
  std::vector<HWND> windows;
  EnumWindows(KeepProcessWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND ChildOfClass(HWND window, const wchar_t* windowClass) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowClass(child, windowClass)) return child;
  }
  return nullptr;
}

bool ListEntries(HWND control, std::vector<std::wstring>& entries) {
  struct ListMessages {
    const wchar_t* windowClass;
    UINT count;
    UINT length;
    UINT text;
  };
  static constexpr ListMessages kLists[] = {
      {WC_LISTBOXW, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT},
      {WC_COMBOBOXW, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT},
  };
  for (const ListMessages& list : kLists) {
    if (!IsWindowClass(control, list.windowClass)) continue;
    LRESULT count = 0;
    AskWindow(control, list.count, 0, 0, &count);
    entries.clear();
    for (WPARAM i = 0; i < static_cast<WPARAM>(count > 0 ? count : 0); ++i) {
      LRESULT length = 0;
      AskWindow(control, list.length, i, 0, &length);
      std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
      AskWindow(control, list.text, i, reinterpret_cast<LPARAM>(buffer.data()), nullptr);
      entries.emplace_back(buffer.data());
    }
    return true;
  }
  return false;
}

HTREEITEM TreeRelative(HWND tree, UINT relation, HTREEITEM item) {
  LRESULT found = 0;
  AskWindow(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item), &found);
  return reinterpret_cast<HTREEITEM>(found);
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
  wchar_t buffer[kItemTextMax] = {};
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_TEXT;
  query.hItem = item;
  query.pszText = buffer;
  query.cchTextMax = kItemTextMax;
  AskWindow(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query), nullptr);
  return buffer;
}

HTREEITEM FindTreePath(HWND tree, const std::vector<std::wstring>& path) {
  HTREEITEM item = nullptr;
  for (const std::wstring& text : path) {
    HTREEITEM child = item == nullptr ? TreeRelative(tree, TVGN_ROOT, nullptr) : TreeRelative(tree, TVGN_CHILD, item);
    while (child != nullptr && TreeItemText(tree, child) != text) child = TreeRelative(tree, TVGN_NEXT, child);
    if (child == nullptr) return nullptr;
    item = child;
  }
  return item;
}

UINT TreeStateImage(HWND tree, HTREEITEM item) {
  LRESULT state = 0;
  AskWindow(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK, &state);
  return (static_cast<UINT>(state) & TVIS_STATEIMAGEMASK) >> 12;
}

// The state icon stands left of the text: the run of points along the
// item's middle line that hit-test on it.
bool TreeStateIconPoint(HWND tree, HTREEITEM item, POINT* pt) {
  RECT label{};
  if (!TreeLabelRect(tree, item, &label)) return false;
  const int y = (label.top + label.bottom) / 2;
  int first = -1;
  int last = -1;
  for (int x = 0; x < label.left; ++x) {
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    AskWindow(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit), nullptr);
    if (hit.hItem != item || (hit.flags & TVHT_ONITEMSTATEICON) == 0) continue;
    if (first < 0) first = x;
    last = x;
  }
  if (first < 0) return false;
  *pt = {(first + last) / 2, y};
  return true;
}

bool TreeLabelPoint(HWND tree, HTREEITEM item, POINT* pt) {
  RECT label{};
  if (!TreeLabelRect(tree, item, &label)) return false;
  *pt = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  return true;
}

}  // namespace pf
