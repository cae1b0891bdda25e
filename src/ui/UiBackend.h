// The backend seam: what runs the toolkit's windows. The Win32 backend shows
// real windows; the headless backend holds them in memory and takes input
// from tests and scripts. Pages never name a backend: they call DoModal,
// ShowMessage and CWaitCursor, which reach the backend in force.
#pragma once

#include "common/MessageSink.h"
#include "ui/UiTypes.h"

namespace pf {

class CDialog;
class CPropertySheet;

class IUiBackend {
 public:
  virtual ~IUiBackend() = default;

  // Creates the dialog's window from its template, runs OnInitDialog and the
  // input loop until EndDialog; returns EndDialog's result, -1 when the
  // window cannot be created.
  virtual INT_PTR RunModalDialog(CDialog& dialog) = 0;

  // Creates the sheet's window, runs its OnInitDialog and the input loop until
  // the sheet closes; returns kIdWizFinish or kIdCancel, -1 when the sheet
  // cannot be created.
  virtual INT_PTR RunPropertySheet(CPropertySheet& sheet) = 0;

  // The wait cursor; calls nest.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // Where message boxes go while the backend is in force.
  virtual IMessageSink& MessageSink() = 0;
};

// The backend in force: one that creates no window (DoModal gives -1) when
// none was installed.
IUiBackend& CurrentUiBackend();

// Installs a backend (nullptr restores the default) and returns the one before.
IUiBackend* SetUiBackend(IUiBackend* backend);

// Installs a backend and its message sink for the lifetime of the object.
class ScopedUiBackend {
 public:
  explicit ScopedUiBackend(IUiBackend& backend);
  ~ScopedUiBackend();
  ScopedUiBackend(const ScopedUiBackend&) = delete;
  ScopedUiBackend& operator=(const ScopedUiBackend&) = delete;

 private:
  IUiBackend* previous_;
  ScopedMessageSink sink_;
};

// Shows the wait cursor for its lifetime. Destroy it (end the scope) before a
// message box, so that the box is shown with the normal cursor.
class CWaitCursor {
 public:
  CWaitCursor() { CurrentUiBackend().BeginWaitCursor(); }
  ~CWaitCursor() { CurrentUiBackend().EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace pf
