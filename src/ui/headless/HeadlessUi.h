// The headless toolkit: a UI backend whose windows live in memory, driven by
// input that tests and scripts inject, with every message box, abandoned
// handler and refused input recorded.
//
//   HeadlessUi ui;
//   ScopedUiBackend backend(ui);     // DoModal, ShowMessage, CWaitCursor come here
//   ui.OpenSheet(sheet);             // step by step ...
//   ui.TypeText(PF_IDC_PROJECT, L"Line2");
//   ui.PressNext();
//   ui.queue().Add([](HeadlessUi& u) { u.PressCancel(); });
//   sheet.DoModal();                 // ... or a modal run fed by the input source
//
// It behaves as the platform does where pages can tell: a single-line edit
// whose text is set sends its change notification, a multi-line edit's does
// not; combo and list selections set by code send nothing; input limits cut
// typed text only; hidden and disabled controls take no input; wizard button
// requests are posted and run after the current input (or when a message box
// opens, whose modal loop runs them); a handler that throws abandons its
// notification, is recorded, and the run goes on.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/UiBackend.h"
#include "ui/headless/HeadlessTree.h"
#include "ui/headless/InputSource.h"
#include "ui/headless/Records.h"
#include "ui/headless/TopLevel.h"

namespace pf {

class CDialog;
class CPropertySheet;
class CWnd;
class HeadlessSheet;

class HeadlessUi : public IUiBackend, public IMessageSink {
 public:
  HeadlessUi();
  ~HeadlessUi() override;
  HeadlessUi(const HeadlessUi&) = delete;
  HeadlessUi& operator=(const HeadlessUi&) = delete;

  // Modal runs take input from the input source until the window closes;
  // when the source has nothing left, the window closes as cancelled
  // (ClosedRecord::inputRanOut) so that a short script cannot hang a run.
  INT_PTR RunModalDialog(CDialog& dialog) override;
  INT_PTR RunPropertySheet(CPropertySheet& sheet) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  IMessageSink& MessageSink() override { return *this; }

  // Records the box and answers it from the answer queue, or with its default
  // button when none is queued.
  int Show(const MessageRequest& request) override;

  // Direct stepping: opens a window without a modal loop (false, recorded in
  // rejected(), when it cannot be created); the input methods then drive it.
  bool OpenSheet(CPropertySheet& sheet);
  bool OpenDialog(CDialog& dialog);
  bool IsOpen(const CWnd& window) const;

  // The input source of modal runs; nullptr gives back the built-in queue.
  void SetInputSource(IInputSource* source);
  InputQueue& queue() { return queue_; }

  // User input to the foreground window (the topmost open one; for a sheet,
  // its active page). True when taken; false, recorded in rejected(), when the
  // platform would not take it. Each input moves the focus to its control;
  // after it, posted requests run and then the foreground dialog's
  // PreTranslateMessage.
  bool Click(int id);   // button, check box, radio button, or a sheet's own button
  bool PressBack() { return Click(kIdWizBack); }
  bool PressNext() { return Click(kIdWizNext); }
  bool PressFinish() { return Click(kIdWizFinish); }
  bool PressCancel() { return Click(kIdCancel); }
  bool TypeText(int id, const std::wstring& text);   // an edit or a combo box's edit field
  bool PickItem(int id, int index);                  // an entry of a list box or combo box
  bool ClickTree(int id, Point pt);
  bool ClickTreeItem(int id, HTreeItem item, TreePart part);
  // Two quick clicks: a click, then the double-click the platform makes of
  // the second one.
  bool DoubleClickTreeItem(int id, HTreeItem item, TreePart part);
  bool PressTreeKey(int id, unsigned key);
  bool SelectTreeItem(int id, HTreeItem item);
  bool Focus(int id);                                // Tab or a click that only moves the focus
  bool CloseWindow();                               // the close box: Cancel
  // Editing in place inside a control of the module's own (a grid's cell),
  // as a person does it, in two inputs: the click opens the editor (`open`),
  // which takes the focus as control `editorId`; Enter ends the edit (`end`)
  // and gives the focus back to the control.
  bool EditInPlace(int id, int editorId, const std::function<std::wstring(HeadlessControl&)>& open,
                   const std::function<std::wstring(HeadlessControl&)>& end);
  // Any other input (a control of the module's own, such as the grid):
  // `action` returns an empty text when the input was taken, else the reason.
  bool RunInput(const std::wstring& what, const std::function<std::wstring()>& action);

  void QueueAnswer(int answer) { answers_.push_back(answer); }

  const std::vector<MessageRecord>& messages() const { return messages_; }
  const std::vector<AbandonedRecord>& abandoned() const { return abandoned_; }
  const std::vector<RejectedRecord>& rejected() const { return rejected_; }
  const std::vector<ClosedRecord>& closed() const { return closed_; }
  int waitDepth() const { return waitDepth_; }
  int waitBegins() const { return waitBegins_; }
  int waitEnds() const { return waitEnds_; }

  // The dialog whose controls take input now, null when none.
  CDialog* ForegroundDialog() const;
  // A control of an existing window, for looking at its state; null when the
  // window or the control does not exist.
  HeadlessControl* FindControl(const CWnd& window, int id) const;
  // The ids of an existing window's controls in window (tab) order.
  std::vector<int> ControlIds(const CWnd& window) const;
  // The sheet's window, null when it does not exist.
  HeadlessSheet* SheetWindow(const CPropertySheet& sheet) const;

  // For the headless windows: sends a notification to a dialog's message map.
  LRESULT Dispatch(CDialog& dialog, int id, Notify code, const NotifyInfo& info);
  // Runs a handler; an exception abandons it and is recorded (false).
  bool Guard(const std::wstring& where, const std::function<void()>& call);
  // Posts a request to a window: it runs after the current input.
  void Post(const HeadlessTopLevel* target, std::function<void()> request);
  void SetFocus(const ControlOwner* window, int id);
  int FocusIdIn(const ControlOwner* window) const;

 private:
  struct Posted {
    const HeadlessTopLevel* target;
    std::function<void()> request;
  };

  HeadlessTopLevel* Top() const;
  HeadlessTopLevel* WindowOf(const CWnd& window) const;
  std::wstring OpenSheetWindow(CPropertySheet& sheet, bool modal);
  std::wstring OpenDialogWindow(CDialog& dialog, bool modal);
  void Push(std::unique_ptr<HeadlessTopLevel> window, bool modal);
  INT_PTR RunLoop(HeadlessTopLevel& window);
  void Destroy(HeadlessTopLevel& window, bool inputRanOut);
  void DestroyClosedWindows();
  void DrainPosted();
  std::wstring WithControl(int id, const std::function<std::wstring(HeadlessControl&)>& act);
  std::wstring WithTree(int id, const std::function<std::wstring(HeadlessTree&)>& act);
  // One mouse input (`input`) at a part of a tree item.
  bool TreeItemInput(int id, HTreeItem item, TreePart part, const wchar_t* what,
                     std::wstring (HeadlessTree::*input)(Point));

  std::vector<std::unique_ptr<HeadlessTopLevel>> windows_;
  std::deque<Posted> posted_;
  std::deque<int> answers_;
  InputQueue queue_;
  IInputSource* source_ = &queue_;
  const ControlOwner* focusWindow_ = nullptr;
  int focusId_ = 0;
  int inputDepth_ = 0;
  int waitDepth_ = 0;
  int waitBegins_ = 0;
  int waitEnds_ = 0;
  std::vector<MessageRecord> messages_;
  std::vector<AbandonedRecord> abandoned_;
  std::vector<RejectedRecord> rejected_;
  std::vector<ClosedRecord> closed_;
};

}  // namespace pf
