// Only Win32 code here. Message boxes (see MessageBoxes.h).
#include "script/win32/MessageBoxes.h"

#include <algorithm>
#include <iterator>

#include "res/strings.h"
#include "script/win32/WindowQueries.h"

namespace pf {
namespace {

struct StringRow {
  unsigned id;
  const wchar_t* text;
};

#define PF_STRING_ROW(id, text) {id, L"" text},
constexpr StringRow kStringRows[] = {PF_STRING_LIST(PF_STRING_ROW)};
#undef PF_STRING_ROW

}  // namespace

bool IsMessageBoxWindow(HWND window, const std::wstring& caption) {
  return IsWindowVisible(window) && IsWindowClass(window, kDialogWindowClass) &&
         ChildOfClass(window, WC_TABCONTROLW) == nullptr && WindowTextOf(window) == caption;
}

std::wstring MessageBoxText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowClass(child, WC_STATICW) || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
    std::wstring text = WindowTextOf(child);
    if (!text.empty()) return text;
  }
  return L"";
}

unsigned StringIdOfText(const std::wstring& text) {
  const auto* row = std::find_if(std::begin(kStringRows), std::end(kStringRows),
                                 [&](const StringRow& r) { return text == r.text; });
  return row == std::end(kStringRows) ? 0 : row->id;
}

bool PressMessageBoxButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  if (button == nullptr) {
    LRESULT defaultId = 0;
    if (!AskWindow(box, DM_GETDEFID, 0, 0, &defaultId) || HIWORD(defaultId) != DC_HASDEFID) return false;
    id = LOWORD(defaultId);
    button = GetDlgItem(box, id);
  }
  return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}

}  // namespace pf
