// Only Win32 code here. Dialog peers and the dialog-procedure trampoline.
#include "ui/win32/Win32Dialog.h"

#include <algorithm>

#include "common/Format.h"
#include "ui/win32/NotifyCodes.h"
#include "ui/win32/PictureDrawing.h"
#include "ui/win32/Win32Module.h"
#include "ui/win32/Win32Tree.h"
#include "ui/win32/Win32Ui.h"

#include <prsht.h>

namespace pf {
namespace {

Win32Dialog* BoundPeer(HWND hwnd) { return reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER)); }

}  // namespace

Win32Dialog::~Win32Dialog() {
  if (hwnd() != nullptr) SetWindowLongPtrW(hwnd(), DWLP_USER, 0);
}

INT_PTR CALLBACK Win32Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Dialog* self = message == WM_INITDIALOG ? reinterpret_cast<Win32Dialog*>(lParam) : BoundPeer(hwnd);
  return Trampoline(self, hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK Win32Dialog::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Dialog* self = message == WM_INITDIALOG
                          ? reinterpret_cast<Win32Dialog*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam)
                          : BoundPeer(hwnd);
  return Trampoline(self, hwnd, message, wParam, lParam);
}

// Messages before WM_INITDIALOG (the dialog font) find no peer and get the
// default processing.
INT_PTR Win32Dialog::Trampoline(Win32Dialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (self == nullptr) return FALSE;
  INT_PTR answer = FALSE;
  self->Ui().Guard(L"window procedure", [&] { answer = self->Handle(hwnd, message, wParam, lParam); });
  return answer;
}

INT_PTR Win32Dialog::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit(hwnd);
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_NCDESTROY:
      OnDestroyed(hwnd);
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR Win32Dialog::OnInit(HWND hwnd) {
  BindWindow(hwnd);
  SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  RenewTreeCheckBoxes(hwnd);
  OnCreated();
  owner_.AttachPeer(this);
  BOOL defaultFocus = TRUE;
  Ui().Guard(L"OnInitDialog", [&] { defaultFocus = owner_.OnInitDialog(); });
  return defaultFocus;
}

void Win32Dialog::OnDestroyed(HWND hwnd) {
  SetWindowLongPtrW(hwnd, DWLP_USER, 0);
  if (!ownerGone_) owner_.AttachPeer(nullptr);
  childControls_.clear();
  UnbindWindow();
}

void Win32Dialog::OwnerDestroyed() {
  ownerGone_ = true;
  OnOwnerGone();
}

INT_PTR Win32Dialog::Answer(LRESULT result) {
  SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, result);
  return TRUE;
}

// A handler that threw counts as having taken the notification (answer 0).
bool Win32Dialog::Dispatch(int id, Notify code, const NotifyInfo& info, LRESULT* result) {
  *result = 0;
  if (ownerGone_) return false;
  bool handled = false;
  const bool ran = Ui().Guard(Format(L"control %d notification %d", id, static_cast<int>(code)),
                              [&] { handled = owner_.OnCmdMsg(id, code, info, result); });
  return handled || !ran;
}

INT_PTR Win32Dialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  Notify code = Notify::Clicked;
  if (!DecodeCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam), &code)) return FALSE;
  LRESULT result = 0;
  return Dispatch(LOWORD(wParam), code, NotifyInfo(), &result) ? TRUE : FALSE;
}

INT_PTR Win32Dialog::OnNotify(const NMHDR& header) {
  LRESULT result = 0;
  if (OnOtherNotify(header, &result)) return Answer(result);
  Notify code = Notify::Clicked;
  NotifyInfo info;
  if (&header == sending_.header) {
    code = static_cast<Notify>(static_cast<int>(header.code));
    info = *sending_.info;
  } else if (!DecodeNotify(header, &code, &info)) {
    return FALSE;
  }
  if (!Dispatch(static_cast<int>(header.idFrom), code, info, &result)) return FALSE;
  return Answer(result);
}

INT_PTR Win32Dialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC || !HasControl(static_cast<int>(item.CtlID))) return FALSE;
  IPicturePeer* picture = Control(static_cast<int>(item.CtlID)).AsPicture();
  if (picture == nullptr) return FALSE;
  DrawPicture(item.hwndItem, item.hDC, item.rcItem, picture->GetPicture());
  return TRUE;
}

bool Win32Dialog::CreateChild(CChildControl& control, int id, const Rect& rect, unsigned style) {
  if (id == kIdStatic || hwnd() == nullptr || GetDlgItem(hwnd(), id) != nullptr) return false;
  HWND child = CreateWindowExW(0, control.GetWindowClass(), L"", style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, hwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ResourceModule(), &control);
  if (child == nullptr) return false;
  childControls_.push_back(child);
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)), FALSE);
  return true;
}

int Win32Dialog::GetFocusId() const {
  HWND focus = ::GetFocus();
  HWND holder = focus == nullptr ? nullptr : GetParent(focus);
  const bool ownWindow = std::find(childControls_.begin(), childControls_.end(), holder) != childControls_.end();
  return ownWindow ? GetDlgCtrlID(focus) : Win32Window::GetFocusId();
}

void Win32Dialog::PlaceAfter(int id, int afterId) {
  HWND control = ControlWindow(id);
  HWND after = ControlWindow(afterId);
  if (control == after) return;
  SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT Win32Dialog::SendNotify(int id, Notify code, const NotifyInfo& info) {
  if (hwnd() == nullptr) return 0;
  NMHDR header{};
  header.hwndFrom = GetDlgItem(hwnd(), id);
  header.idFrom = static_cast<UINT_PTR>(id);
  header.code = static_cast<UINT>(static_cast<int>(code));
  const Sending outer = sending_;
  sending_ = {&header, &info};
  const LRESULT answer = SendMessageW(hwnd(), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
  sending_ = outer;
  return answer;
}

}  // namespace pf
