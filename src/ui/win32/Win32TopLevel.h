// Only Win32 code here. A window that a modal run of the Win32 backend
// drives (Win32Ui::RunModal): a wizard sheet or a modal dialog.
#pragma once

#include "ui/Dialog.h"

#include <windows.h>

namespace pf {

class Win32TopLevel {
 public:
  virtual ~Win32TopLevel() = default;

  virtual HWND Window() const = 0;
  // True once the run is over: the window ended, was destroyed or lost its
  // C++ object.
  virtual bool IsDone() const = 0;
  // The result of a run that is over.
  virtual INT_PTR Result() const = 0;
  // The window's keyboard navigation (Tab, Enter, Esc) for one message;
  // true when it took the message.
  virtual bool TranslateDialogMessage(MSG& msg) = 0;
  // The dialog that takes input now (a sheet's active page), null when none.
  virtual CDialog* InputDialog() const = 0;
  // The run is over: destroys the window; the C++ objects lose their peers.
  virtual void Close() = 0;
};

}  // namespace pf
