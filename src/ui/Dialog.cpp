// CDialog: modal runs through the backend, base handlers, message dispatch.
#include "ui/Dialog.h"

#include <stdexcept>

#include "ui/UiBackend.h"

namespace pf {

INT_PTR CDialog::DoModal() { return CurrentUiBackend().RunModalDialog(*this); }

void CDialog::EndDialog(INT_PTR result) { DialogPeer().EndDialog(result); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::PreTranslateMessage() {}

void CDialog::PlaceDlgItemAfter(int id, int afterId) { DialogPeer().PlaceAfter(id, afterId); }

const MessageMap* CDialog::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(kIdOk, Notify::Clicked, &CDialog::OnOK),
      MapCommand(kIdCancel, Notify::Clicked, &CDialog::OnCancel),
  };
  static const MessageMap kMap(nullptr, kEntries);
  return &kMap;
}

bool CDialog::OnCmdMsg(int id, Notify code, const NotifyInfo& info, LRESULT* result) {
  *result = 0;
  const MessageEntry* entry = GetMessageMap()->Find(id, code);
  if (entry == nullptr) return false;
  if (entry->command != nullptr) {
    (this->*(entry->command))();
  } else {
    *result = (this->*(entry->notify))(info);
  }
  return true;
}

void CDialog::AttachPeer(IDialogPeer* peer) {
  dialogPeer_ = peer;
  SetPeer(peer);
}

IDialogPeer& CDialog::DialogPeer() const {
  if (dialogPeer_ == nullptr) throw std::logic_error("the dialog window does not exist");
  return *dialogPeer_;
}

}  // namespace pf
