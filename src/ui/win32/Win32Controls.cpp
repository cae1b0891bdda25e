// Only Win32 code here. Control peers: each operation is one message or call.
#include "ui/win32/Win32Controls.h"

#include <vector>

#include "res/styles.h"
#include "ui/win32/Win32Module.h"
#include "ui/win32/Win32Tree.h"

namespace pf {
namespace {

template <class Peer>
std::unique_ptr<Win32Control> Make(HWND hwnd) {
  return std::make_unique<Peer>(hwnd);
}

struct ControlKind {
  const wchar_t* windowClass;
  std::unique_ptr<Win32Control> (*make)(HWND);
};

const ControlKind kKinds[] = {
    {L"" PF_WC_BUTTON, Make<Win32Button>},     {L"" PF_WC_EDIT, Make<Win32Edit>},
    {L"" PF_WC_LISTBOX, Make<Win32ListBox>},   {L"" PF_WC_COMBOBOX, Make<Win32ComboBox>},
    {L"" PF_WC_TREEVIEW, Make<Win32Tree>},
};

// The text of list entry `index`, read with the length and text messages of
// a list box or combo box; empty when the index is out of range.
std::wstring EntryText(HWND hwnd, UINT lengthMessage, UINT textMessage, int index) {
  const LRESULT length = SendMessageW(hwnd, lengthMessage, static_cast<WPARAM>(index), 0);
  if (length <= 0) return L"";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const LRESULT copied =
      SendMessageW(hwnd, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return copied <= 0 ? L"" : std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

}  // namespace

std::wstring Win32Control::GetText() const { return WindowText(hwnd_); }

void Win32Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

void Win32Control::Enable(bool enable) { EnableWindow(hwnd_, enable ? TRUE : FALSE); }

bool Win32Control::IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Control::Show(bool show) { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }

bool Win32Control::IsVisible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

Rect Win32Control::GetRect() const {
  RECT rc{};
  GetWindowRect(hwnd_, &rc);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rc), 2);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

void Win32Control::Redraw() { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

int Win32ListBox::AddString(const std::wstring& text) {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring Win32ListBox::GetText(int index) const { return EntryText(hwnd(), LB_GETTEXTLEN, LB_GETTEXT, index); }

int Win32ComboBox::AddString(const std::wstring& text) {
  return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring Win32ComboBox::GetLBText(int index) const {
  return EntryText(hwnd(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::unique_ptr<Win32Control> MakeControlPeer(HWND hwnd) {
  const auto staticType = static_cast<unsigned>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & PF_SS_TYPEMASK;
  if (HasWindowClass(hwnd, L"" PF_WC_STATIC) && staticType == PF_SS_OWNERDRAW) return Make<Win32Picture>(hwnd);
  for (const ControlKind& kind : kKinds) {
    if (HasWindowClass(hwnd, kind.windowClass)) return kind.make(hwnd);
  }
  return std::make_unique<Win32Control>(hwnd);
}

}  // namespace pf
