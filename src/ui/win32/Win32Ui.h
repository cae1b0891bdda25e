// The Win32 backend of the toolkit seam: wizard sheets and modal dialogs as
// real windows made from the module's resources, real message boxes and the
// platform's wait cursor.
//
//   Win32Ui ui(LoadResString(14001));   // the title of its message boxes
//   ScopedUiBackend backend(ui);        // DoModal, ShowMessage, CWaitCursor come here
//   sheet.DoModal();
//
// Sheets and dialogs run modally on the backend's own message loop. The
// backend's innermost window, else the thread's active window (the host's),
// owns the new window and is disabled for the run. Before each message the
// input dialog's PreTranslateMessage runs (a sheet's active page), so that a
// page can follow the keyboard focus.
// Every window procedure of the backend catches what a handler throws: the
// handler is abandoned and recorded in abandoned(), and the run goes on.
// The records are also published in the process's environment variable
// kAbandonedVariable ("where: what" lines), where a host that drives the
// wizard from a script in the same process finds them.
//
// A control that a page creates at run time (CChildControl) gets a window of
// its own class, registered by its library for this module's instance; its
// WM_NCCREATE's lpCreateParams is the CChildControl.
//
// The header does not include the platform headers; the peers in this folder
// do.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "ui/UiBackend.h"

namespace pf {

class Win32TopLevel;

// The environment variable of the process that lists the abandoned
// handlers, one "where: what" line each, oldest first.
inline constexpr wchar_t kAbandonedVariable[] = L"PATHFORGE_ABANDONED";

// What kAbandonedVariable holds so far.
std::wstring ReadAbandonedVariable();

// A handler that threw: the notification or call was abandoned.
struct AbandonedHandler {
  std::wstring where;   // "OnWizardNext", "control 35020 notification 0", ...
  std::string what;     // the exception's text
};

class Win32Ui : public IUiBackend, public IMessageSink {
 public:
  explicit Win32Ui(std::wstring messageCaption);
  ~Win32Ui() override = default;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  // -1 when the dialog's template is not a resource of the module or its
  // window cannot be made.
  INT_PTR RunModalDialog(CDialog& dialog) override;
  // -1 when the sheet is not a wizard, has no page, a page's template is not
  // a resource of the module, or the window cannot be made.
  INT_PTR RunPropertySheet(CPropertySheet& sheet) override;
  // The wait cursor; calls nest, the last end restores the cursor before.
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  IMessageSink& MessageSink() override { return *this; }

  // MessageBoxW over the innermost window of the backend (else the active
  // window), with the request's text, icon, buttons and default button.
  int Show(const MessageRequest& request) override;

  const std::vector<AbandonedHandler>& abandoned() const { return abandoned_; }
  int waitDepth() const { return waitDepth_; }

  // For the window peers: runs `call`; anything it throws abandons it, is
  // recorded, and false is returned. Nothing leaves.
  template <class Call>
  bool Guard(std::wstring_view where, Call&& call) noexcept {
    try {
      call();
      return true;
    } catch (const std::exception& e) {
      Abandon(where, e.what());
    } catch (...) {
      Abandon(where, "an exception of unknown type");
    }
    return false;
  }

 private:
  void* OwnerWindow() const;
  INT_PTR RunModal(Win32TopLevel& window, void* owner);
  void Abandon(std::wstring_view where, const char* what) noexcept;

  std::wstring messageCaption_;
  std::vector<Win32TopLevel*> windows_;   // the modal runs, innermost last
  std::vector<AbandonedHandler> abandoned_;
  int waitDepth_ = 0;
  void* cursorBeforeWait_ = nullptr;
};

}  // namespace pf
