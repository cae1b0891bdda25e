// Only Win32 code here. Message boxes (see MessageBoxes.h).
#include "tools/script/win32/MessageBoxes.h"

#include <algorithm>
#include <iterator>

#include "res/strings.h"
#include "tools/script/win32/WindowQueries.h"

namespace pf {
namespace {

struct StringRow {
  unsigned id;
  const wchar_t* text;
};

#define PF_STRING_ROW(id, text) {id, L"" text},
constexpr StringRow kStringRows[] = {PF_STRING_LIST(PF_STRING_ROW)};
#undef PF_STRING_ROW

// True when `text` is `format` with each directive (% and one letter) filled
// in by some text.
bool FillsFormat(const std::wstring& format, const std::wstring& text) {
  std::size_t used = 0;  // of the text
  for (std::size_t start = 0;; start += 2) {
    const std::size_t directive = format.find(L'%', start);
    const std::wstring piece = format.substr(start, directive - start);
    if (start == 0) {
      if (text.compare(0, piece.size(), piece) != 0) return false;
      used = piece.size();
    } else if (directive == std::wstring::npos) {
      return text.size() >= used + piece.size() && text.compare(text.size() - piece.size(), piece.size(), piece) == 0;
    } else {
      used = text.find(piece, used);
      if (used == std::wstring::npos) return false;
      used += piece.size();
    }
    if (directive == std::wstring::npos) return used == text.size();
    start = directive;
  }
}

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
  if (row == std::end(kStringRows)) {
    row = std::find_if(std::begin(kStringRows), std::end(kStringRows), [&](const StringRow& r) {
      return std::wstring(r.text).find(L'%') != std::wstring::npos && FillsFormat(r.text, text);
    });
  }
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
