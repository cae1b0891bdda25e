// Only Win32 code here. Modal dialogs on the backend's own loop.
#include "ui/win32/Win32ModalDialog.h"

#include "ui/win32/Win32Module.h"

namespace pf {

bool Win32ModalDialog::Create(HWND ownerWindow) {
  Win32Dialog* peer = this;
  HWND window = CreateDialogParamW(ResourceModule(), ResourceName(owner().GetTemplateId()), ownerWindow, &Win32Dialog::DialogProc,
                                   reinterpret_cast<LPARAM>(peer));
  if (window == nullptr) return false;
  ShowWindow(window, SW_SHOW);
  return true;
}

// The request may come from a sent message while the loop waits for a
// posted one: the loop is woken to see the end.
void Win32ModalDialog::EndDialog(INT_PTR result) {
  ended_ = true;
  result_ = result;
  if (hwnd() != nullptr) PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void Win32ModalDialog::Close() {
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

void Win32ModalDialog::OnOwnerGone() {
  EndDialog(kIdCancel);
  Close();
}

}  // namespace pf
