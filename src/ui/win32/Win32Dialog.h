// Only Win32 code here. The peer of a dialog window made from a dialog
// template (a modal dialog or a wizard page), and the dialog-procedure
// trampoline that binds the peer to its window and runs the C++ dialog:
//
//   WM_INITDIALOG   binds the peer (lParam), attaches it, runs OnInitDialog
//   WM_COMMAND      the control's notification through the message map
//   WM_NOTIFY       the same, or a sheet's wizard notification (Win32Page)
//   WM_DRAWITEM     a picture control is drawn from its peer's picture
//   WM_NCDESTROY    detaches the peer
//
// No exception crosses the window procedure: a handler that throws is
// abandoned and recorded (Win32Ui::Guard) and the dialog goes on.
#pragma once

#include <vector>

#include "ui/ChildControl.h"
#include "ui/Dialog.h"
#include "ui/win32/Win32Window.h"

#include <windows.h>

namespace pf {

class Win32Dialog : public Win32Window<IDialogPeer> {
 public:
  ~Win32Dialog() override;
  Win32Dialog(const Win32Dialog&) = delete;
  Win32Dialog& operator=(const Win32Dialog&) = delete;

  // Creates the control's window (its own class, lpCreateParams = &control)
  // with the dialog's font, last in window order.
  bool CreateChild(CChildControl& control, int id, const Rect& rect, unsigned style) override;
  // A window of a run-time control's own (the grid's in-place editor, id 8)
  // counts by its own id, as the platform's GetFocus reports it; any other
  // inner window by the control that holds it.
  int GetFocusId() const override;
  void PlaceAfter(int id, int afterId) override;
  // A real WM_NOTIFY to this dialog; the details travel with it unchanged.
  LRESULT SendNotify(int id, Notify code, const NotifyInfo& info) override;
  void OwnerDestroyed() override;

  CDialog& owner() const { return owner_; }
  bool ownerGone() const { return ownerGone_; }

  // The dialog procedure of modal dialogs: WM_INITDIALOG's lParam is the peer.
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The dialog procedure of wizard pages: WM_INITDIALOG's lParam is the
  // page's PROPSHEETPAGEW, whose lParam is the peer.
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  Win32Dialog(Win32Ui& ui, CDialog& owner) : Win32Window(ui), owner_(owner) {}

  // The window exists and the peer is bound; the object is not attached yet.
  virtual void OnCreated() {}
  // A WM_NOTIFY that no control sent (a sheet's to its page): true, with
  // the answer, when taken.
  virtual bool OnOtherNotify(const NMHDR&, LRESULT*) { return false; }
  // The C++ object is gone; it is never called again.
  virtual void OnOwnerGone() {}

 private:
  struct Sending {
    const NMHDR* header;
    const NotifyInfo* info;
  };

  static INT_PTR Trampoline(Win32Dialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnInit(HWND hwnd);
  INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
  INT_PTR OnNotify(const NMHDR& header);
  INT_PTR OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDestroyed(HWND hwnd);
  INT_PTR Answer(LRESULT result);
  bool Dispatch(int id, Notify code, const NotifyInfo& info, LRESULT* result);

  CDialog& owner_;
  bool ownerGone_ = false;
  std::vector<HWND> childControls_;   // the windows made by CreateChild
  Sending sending_{nullptr, nullptr};
};

}  // namespace pf
