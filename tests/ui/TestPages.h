// Small dialogs, pages and a wizard built on the module's real templates, for
// the toolkit tests: they record what the toolkit calls and answer as a test
// tells them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/Format.h"
#include "res/controls.h"
#include "ui/Controls.h"
#include "ui/DataExchange.h"
#include "ui/Dialog.h"
#include "ui/PropertySheet.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessUi.h"

namespace pf::testing {

// Every test runs on a fresh headless toolkit.
class UiTest : public ::testing::Test {
 protected:
  HeadlessUi ui;
  ScopedUiBackend backend{ui};
};

// A wizard page that answers Back and Next as a test tells it and sets the
// wizard buttons for its place, as the module's pages do.
class RecordingPage : public CPropertyPage {
 public:
  explicit RecordingPage(unsigned templateId) : CPropertyPage(templateId) {}

  LRESULT backAnswer = 0;
  LRESULT nextAnswer = 0;
  BOOL killAnswer = TRUE;
  std::function<void()> onNext;   // runs inside OnWizardNext
  int inits = 0;

  BOOL OnInitDialog() override {
    ++inits;
    return CPropertyPage::OnInitDialog();
  }
  BOOL OnSetActive() override {
    CPropertySheet& sheet = *GetParentSheet();
    const int index = sheet.GetActiveIndex();
    const int last = sheet.GetPageCount() - 1;
    sheet.PostWizardButtons(index == 0 ? kWizNext : index == last ? kWizBack | kWizFinish : kWizBack | kWizNext);
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override { return killAnswer; }
  LRESULT OnWizardBack() override { return backAnswer; }
  LRESULT OnWizardNext() override {
    if (onNext) onNext();
    return nextAnswer;
  }
};

// Three pages: project (2507), machine information (2505), selection (2509).
struct TestWizard {
  RecordingPage project{2507};
  RecordingPage machine{2505};
  RecordingPage selection{2509};
  CPropertySheet sheet{14001};

  TestWizard() {
    sheet.m_psh.dwFlags |= kPshWizard97;
    sheet.AddPage(&project);
    sheet.AddPage(&machine);
    sheet.AddPage(&selection);
  }
};

// A dialog on the program page's template (2506) that logs its notifications.
class ProgramDialog : public CDialog {
 public:
  ProgramDialog() : CDialog(2506) {}

  std::vector<std::wstring> events;
  std::function<void()> onCreate;   // runs when PF_IDC_CREATE is clicked
  int focusSeen = -1;               // GetFocusId() at the last PreTranslateMessage
  int dwell = 0;

  void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, PF_IDC_DWELL_CHECK, dwell); }
  // Shows the feed, which the template keeps hidden until a page of a kind
  // with a feed shows it.
  BOOL OnInitDialog() override {
    GetDlgItem(PF_IDC_FEED).ShowWindow(kSwShow);
    return CDialog::OnInitDialog();
  }
  void PreTranslateMessage() override { focusSeen = GetFocusId(); }
  const MessageMap* GetMessageMap() const override {
    static const MessageEntry kEntries[] = {
        MapCommand(PF_IDC_CREATE, Notify::Clicked, &ProgramDialog::OnCreate),
        MapCommand(PF_IDC_DISTANCE, Notify::Change, &ProgramDialog::OnChangeDistance),
        MapCommand(PF_IDC_PROGRAM_TEXT, Notify::Change, &ProgramDialog::OnChangeFileText),
        MapCommand(PF_IDC_FILE_LIST, Notify::SelChange, &ProgramDialog::OnSelchangeFiles),
        MapCommand(PF_IDC_DWELL_CHECK, Notify::Clicked, &ProgramDialog::OnDwell),
        MapNotify(PF_IDC_AXIS_GRID, Notify::EndLabelEdit, &ProgramDialog::OnEndCellEdit),
    };
    static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
  }

 private:
  void OnCreate() {
    events.push_back(L"create");
    if (onCreate) onCreate();
  }
  void OnChangeDistance() { events.push_back(L"distance " + GetDlgItemText(PF_IDC_DISTANCE)); }
  void OnChangeFileText() { events.push_back(L"file text"); }
  void OnSelchangeFiles() { events.push_back(Format(L"file %d", CListBox(this, PF_IDC_FILE_LIST).GetCurSel())); }
  void OnDwell() {
    UpdateData(TRUE);
    events.push_back(Format(L"dwell %d", dwell));
  }
  LRESULT OnEndCellEdit(const NotifyInfo& info) {
    events.push_back(Format(L"cell %d,%d", info.row, info.column));
    return 7;
  }
};

}  // namespace pf::testing
