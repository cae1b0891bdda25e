// CDialog: a window made from a dialog template, with a message map and data
// exchange. Modal dialogs (CAxisDlg) use it directly; property pages derive
// from it.
//
// Its window exists between creation by the backend (which attaches the peer
// and calls OnInitDialog) and the window's destruction (after EndDialog, or
// when the sheet of a page closes). Handlers run on the backend's dispatch,
// which catches std::exception: an exception abandons that one notification
// or call, it is recorded, and the dialog goes on.
#pragma once

#include "ui/MessageMap.h"
#include "ui/Peers.h"
#include "ui/Wnd.h"

namespace pf {

class CDialog : public CWnd {
 public:
  explicit CDialog(unsigned templateId) : templateId_(templateId) {}

  unsigned GetTemplateId() const { return templateId_; }

  // Runs the dialog modally: the current backend creates the window, calls
  // OnInitDialog and takes input until EndDialog. Returns EndDialog's result
  // (kIdOk, kIdCancel), or -1 when the window cannot be created.
  virtual INT_PTR DoModal();
  void EndDialog(INT_PTR result);

  // Window created. Base: UpdateData(FALSE), TRUE (the backend then puts the
  // focus on the first tab stop; FALSE means the dialog set the focus).
  virtual BOOL OnInitDialog();
  // The OK and Cancel buttons (kIdOk, kIdCancel) of the base message map.
  // OnOK: UpdateData(TRUE) then EndDialog(kIdOk). OnCancel: EndDialog(kIdCancel).
  virtual void OnOK();
  virtual void OnCancel();
  // Runs before the dialog handles input, so the dialog can follow the
  // keyboard focus (the program page's hint line). Headless: after every
  // injected input; Win32: before each message taken from the queue.
  virtual void PreTranslateMessage();

  // Moves control `id` right after control `afterId` in window (tab) order,
  // without moving or resizing either.
  void PlaceDlgItemAfter(int id, int afterId);

  virtual const MessageMap* GetMessageMap() const;

  // For backends. Runs the handler that the message map names for (id,
  // code); returns false when none does. `*result` gets a notify handler's
  // answer (0 for commands).
  bool OnCmdMsg(int id, Notify code, const NotifyInfo& info, LRESULT* result);
  // Attaches the peer of the new window, or detaches it (nullptr) when the
  // window is destroyed.
  void AttachPeer(IDialogPeer* peer);
  // The window's peer; throws std::logic_error while there is no window.
  IDialogPeer& DialogPeer() const;

 private:
  unsigned templateId_;
  IDialogPeer* dialogPeer_ = nullptr;
};

}  // namespace pf
