// Only Win32 code here. The script driver of real windows: the wizard runs
// on the UI thread of this process (its modal loop inside StartIF) and the
// script runs on a second thread, which drives the windows as a person
// would and reads them as a person sees them.
//
//   UiInbox inbox;                                       // UI thread
//   Win32ScriptDriver driver(inbox, caption, shots);     // script thread:
//   driver.WaitForWizard(ended);  runner.RunToNextStep() ... runner.RunRest();
//
// An input that makes a handler of the wizard throw fails with the handler
// and the exception's text, as the module's Win32 backend lists them.
//
// Inputs go to the window in front (a modal dialog when one is open, else
// the sheet's active page) and are carried out on the UI thread through the
// inbox with the platform's own messages: WM_SETTEXT (cut to the field's
// input limit, as typing is) with the EN_CHANGE or CBN_EDITCHANGE that
// typing sends, BM_CLICK with the dialog active,
// CB_SETCURSEL / LB_SETCURSEL with the selection change, PSM_PRESSBUTTON,
// WM_NEXTDLGCTL, TVM_EXPAND and TVM_SELECTITEM. Where a control looks at the
// click's position or at the key (a tree's check box and text, a grid's
// cell, the space bar in a tree) the input is real mouse or keyboard input;
// a grid cell is found by its grid lines on the screen, and the text goes
// into the in-place editor that the click opens (WM_SETTEXT, then Enter).
// After each input the UI thread's posted messages are worked off (the
// wizard buttons are set by posted requests) before anything is read.
//
// While an input is under way, every message box that appears is recorded
// (its text, and the string id of that text), pictured when screenshots are
// kept, and answered: with the queued answer's button, else with its
// default button. An input whose handler opens a modal dialog counts as
// taken once the dialog shows: the dialog's own loop carries out the next
// steps. Reads are sent messages with a time limit. An input that
// the wizard does not take within the step time limit fails, and the driver
// is stuck from then on: every later step fails at once.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/script/ScriptDriver.h"
#include "tools/script/win32/UiInbox.h"

#include <windows.h>
#include <commctrl.h>

namespace pf {

class Win32ScriptDriver : public IScriptDriver {
 public:
  // `caption`: the wizard's caption, which its message boxes carry as their
  // title too. `shotFolder`: where screenshots go as BMP files (ending in a
  // separator); empty: no screenshots.
  Win32ScriptDriver(const UiInbox& inbox, std::wstring caption, std::wstring shotFolder);

  // Waits until the wizard's sheet shows a page, answering the message
  // boxes shown before it; the reason when it did not within the time limit
  // or `ended` said that it never will.
  std::wstring WaitForWizard(const std::function<bool()>& ended);
  // True until the sheet's window is gone.
  bool WizardOpen() const;
  // True once an input or a wait ran out of time.
  bool stuck() const { return stuck_; }
  // Pictures the windows as "<n>-page-<index>" while a page of the wizard
  // is in front (nothing without a folder).
  void ShootPage();

  std::wstring Type(int id, const std::wstring& text) override;
  std::wstring Click(int id) override;
  std::wstring Pick(int id, int index) override;
  std::wstring Tick(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring DoubleTick(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring ClickItemText(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring SelectItem(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring PressKey(int id, ScriptKey key) override;
  std::wstring EditCell(int id, int row, int column, const std::wstring& text) override;
  std::wstring Focus(int id) override;
  std::wstring Press(WizardButton button) override;
  void QueueAnswer(ScriptAnswer answer) override { answers_.push_back(answer); }
  void Screenshot(const std::wstring& name) override;

  std::wstring ReadEntries(int id, std::vector<std::wstring>& entries) override;
  std::wstring ReadControl(int id, ControlState& state) override;
  std::wstring ReadPage(int& index) override;
  std::wstring ReadButtons(unsigned& buttons) override;
  int MessageCount() override { return static_cast<int>(messages_.size()); }
  std::wstring ReadLastMessage(ShownMessage& message) override;
  std::wstring ReadClosed(ScriptClose& how) override;

 private:
  using UiWork = std::function<std::wstring()>;

  // ---- the windows
  HWND Page() const;
  // A modal dialog of this process in front of the sheet; null when none.
  HWND FrontDialog() const;
  // The control of the window in front (a modal dialog, else the active
  // page) or a wizard button: null with the reason when it is missing; with
  // `input`, also when a person could not use it (hidden, disabled).
  HWND Control(int id, bool input, std::wstring& why) const;

  // ---- carrying out inputs
  // Runs `work` on the UI thread and waits for it, answering message boxes
  // meanwhile; then lets the UI thread work off what the input posted.
  std::wstring Carry(UiWork work);
  std::wstring Await(const std::shared_ptr<UiCall>& call);
  void Settle();
  // The first handler abandoned since the last look, as a failure; empty
  // when none was.
  std::wstring NewlyAbandoned();
  // Waits until `condition` holds, answering message boxes meanwhile.
  bool WaitUntil(const std::function<bool()>& condition, int ms);
  // Records, pictures and answers a message box that has appeared.
  void TendMessageBoxes();
  // Real input to a control of the window in front, once the window is
  // active; `effect` tells when the UI thread has taken it.
  std::wstring Real(HWND control, const std::function<void()>& give, const std::function<bool()>& effect,
                    const std::wstring& noEffect);
  // `clicks` quick clicks on the check box of a tree item.
  std::wstring ClickCheckBox(int id, const std::vector<std::wstring>& itemPath, int clicks);
  // The tree item of a path, its closed parents opened.
  std::wstring OpenItem(int id, const std::vector<std::wstring>& itemPath, HWND& tree, HTREEITEM& item);
  // Shoots the windows of this process under `name`.
  void Shoot(const std::wstring& name);

  const UiInbox& inbox_;
  std::wstring caption_;
  std::wstring shotFolder_;
  HWND sheet_ = nullptr;
  std::deque<ScriptAnswer> answers_;
  std::vector<ShownMessage> messages_;
  std::vector<HWND> answeredBoxes_;
  WizardButton lastPress_ = WizardButton::Cancel;
  bool pressed_ = false;
  bool stuck_ = false;
  std::size_t reportedAbandoned_ = 0;   // characters of the abandoned list already reported
  int shots_ = 0;
};

}  // namespace pf
