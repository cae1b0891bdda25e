// Only Win32 code here. The shared part of the Win32 dialog and sheet peers.
#include "ui/win32/Win32Window.h"

#include <stdexcept>

#include "common/Format.h"
#include "common/Text.h"
#include "res/styles.h"
#include "ui/win32/Win32Module.h"

namespace pf {

template <class Peer>
HWND Win32Window<Peer>::ControlWindow(int id) const {
  HWND control = id == kIdStatic || hwnd_ == nullptr ? nullptr : GetDlgItem(hwnd_, id);
  if (control == nullptr) throw std::out_of_range(ToNarrow(Format(L"the window has no control %d", id)));
  return control;
}

template <class Peer>
void Win32Window<Peer>::UnbindWindow() {
  hwnd_ = nullptr;
  controls_.clear();
}

template <class Peer>
bool Win32Window<Peer>::HasControl(int id) const {
  return id != kIdStatic && hwnd_ != nullptr && GetDlgItem(hwnd_, id) != nullptr;
}

template <class Peer>
IControlPeer& Win32Window<Peer>::Control(int id) {
  HWND control = ControlWindow(id);
  std::unique_ptr<Win32Control>& peer = controls_[control];
  if (!peer) peer = MakeControlPeer(control);
  return *peer;
}

template <class Peer>
std::vector<int> Win32Window<Peer>::RadioGroup(int firstId) const {
  std::vector<int> ids;
  HWND first = ControlWindow(firstId);
  for (HWND control = first; control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    if (control != first && (style & WS_GROUP) != 0) break;
    const LONG_PTR type = style & BS_TYPEMASK;
    if ((type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) && HasWindowClass(control, L"" PF_WC_BUTTON)) {
      ids.push_back(GetDlgCtrlID(control));
    }
  }
  return ids;
}

// The focus may sit in a part of a control (a combo box's edit field): the
// control is the child of this window that holds it.
template <class Peer>
int Win32Window<Peer>::GetFocusId() const {
  HWND focus = ::GetFocus();
  if (focus == nullptr || hwnd_ == nullptr || !IsChild(hwnd_, focus)) return 0;
  while (GetParent(focus) != hwnd_) focus = GetParent(focus);
  return GetDlgCtrlID(focus);
}

template <class Peer>
void Win32Window<Peer>::SetFocus(int id) {
  ::SetFocus(ControlWindow(id));
}

template <class Peer>
unsigned Win32Window<Peer>::GetStyle() const {
  return static_cast<unsigned>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
}

// The frame is redrawn so that a new minimise box shows at once.
template <class Peer>
void Win32Window<Peer>::ModifyStyle(unsigned remove, unsigned add) {
  const auto style = static_cast<unsigned>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

template <class Peer>
void Win32Window<Peer>::AppendSystemMenu(unsigned command, const std::wstring& text) {
  AppendMenuW(GetSystemMenu(hwnd_, FALSE), MF_STRING, command, text.c_str());
}

// GetDpiForWindow where Windows has it (10, version 1607, and later): the
// DPI of the window's monitor, or the standard one for a program that
// Windows stretches instead. Earlier Windows: the DPI of the window's screen.
template <class Peer>
unsigned Win32Window<Peer>::GetDpi() const {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
  const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(found));
  if (dpiForWindow != nullptr) return dpiForWindow(hwnd_);
  HDC dc = GetDC(hwnd_);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(hwnd_, dc);
  return dpi > 0 ? static_cast<unsigned>(dpi) : kStandardDpi;
}

template class Win32Window<IDialogPeer>;
template class Win32Window<ISheetPeer>;

}  // namespace pf
