// Only Win32 code here. A modal dialog (CDialog::DoModal): a window made from
// the dialog's template with CreateDialogParamW and run by the backend's own
// modal loop, so that the dialog's PreTranslateMessage runs before each
// message, as in the sheet's loop.
#pragma once

#include "ui/win32/Win32Dialog.h"
#include "ui/win32/Win32TopLevel.h"

namespace pf {

class Win32ModalDialog : public Win32Dialog, public Win32TopLevel {
 public:
  Win32ModalDialog(Win32Ui& ui, CDialog& dialog) : Win32Dialog(ui, dialog) {}

  // Creates the window, owned by `ownerWindow` (may be null), and shows it; false
  // when it cannot be created.
  bool Create(HWND ownerWindow);

  // Ends the run once the current handler returns.
  void EndDialog(INT_PTR result) override;

  HWND Window() const override { return hwnd(); }
  bool IsDone() const override { return ended_ || hwnd() == nullptr; }
  INT_PTR Result() const override { return result_; }
  bool TranslateDialogMessage(MSG& msg) override { return IsDialogMessageW(hwnd(), &msg) != FALSE; }
  CDialog* InputDialog() const override { return ownerGone() ? nullptr : &owner(); }
  void Close() override;

 protected:
  // A dialog whose object is gone ends as cancelled, its window destroyed.
  void OnOwnerGone() override;

 private:
  bool ended_ = false;
  INT_PTR result_ = kIdCancel;
};

}  // namespace pf
