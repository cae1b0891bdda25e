// The headless wizard sheet: navigation answers, page creation, posted
// buttons, Finish and Cancel, modal runs and message boxes.
#include <stdexcept>

#include "TestPages.h"
#include "res/controls.h"
#include "ui/headless/HeadlessSheet.h"

namespace pf::testing {
namespace {

using SheetTest = UiTest;

bool Enabled(CPropertySheet& sheet, int id) { return sheet.GetDlgItem(id).IsWindowEnabled() != FALSE; }
bool Shown(CPropertySheet& sheet, int id) { return sheet.GetDlgItem(id).IsWindowVisible() != FALSE; }

TEST_F(SheetTest, NavigationFollowsTheAnswerOfTheActivePage) {
  struct Row {
    const char* name;
    int startPage;
    bool next;          // Next, else Back
    LRESULT answer;
    int expectedPage;
  };
  static constexpr Row kRows[] = {
      {"next 0: neighbour", 0, true, 0, 1},
      {"next -1: stay", 0, true, -1, 0},
      {"next template id: jump", 0, true, 2509, 2},
      {"next unknown template: stay", 0, true, 2599, 0},
      {"back 0: neighbour", 2, false, 0, 1},
      {"back -1: stay", 2, false, -1, 2},
      {"back template id: jump", 2, false, 2507, 0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    TestWizard wizard;
    RecordingPage* start = static_cast<RecordingPage*>(wizard.sheet.GetPage(row.startPage));
    start->nextAnswer = row.answer;
    start->backAnswer = row.answer;
    wizard.sheet.m_psh.nStartPage = static_cast<unsigned>(row.startPage);
    ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
    EXPECT_TRUE(row.next ? ui.PressNext() : ui.PressBack());
    EXPECT_EQ(wizard.sheet.GetActiveIndex(), row.expectedPage);
    EXPECT_EQ(wizard.sheet.GetActivePage(), wizard.sheet.GetPage(row.expectedPage));
    ui.PressCancel();
    EXPECT_FALSE(ui.IsOpen(wizard.sheet));
  }
}

TEST_F(SheetTest, PagesAreMadeOnFirstActivationAndActivatedEveryTime) {
  TestWizard wizard;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressNext();
  ui.PressBack();
  ui.PressNext();
  // The page being activated is already the active one during its set-active.
  const std::vector<std::wstring> expected = {
      L"init 2507@0", L"set 2507@0",                                  // opening
      L"next 2507@0", L"kill 2507@0", L"init 2505@1", L"set 2505@1",  // Next
      L"back 2505@1", L"kill 2505@1", L"set 2507@0",                  // Back
      L"next 2507@0", L"kill 2507@0", L"set 2505@1",                  // Next again
  };
  EXPECT_EQ(wizard.log, expected);
  EXPECT_FALSE(wizard.selection.HasWindow());
  EXPECT_EQ(wizard.sheet.GetPage(3), nullptr);
}

TEST_F(SheetTest, AHandlerThatActivatesAPageItselfReturnsMinusOne) {
  TestWizard wizard;
  wizard.project.onNext = [&wizard] { EXPECT_TRUE(wizard.sheet.SetActivePage(&wizard.selection)); };
  wizard.project.nextAnswer = -1;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressNext();
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 2);
  EXPECT_FALSE(wizard.machine.HasWindow());
}

TEST_F(SheetTest, AKillActiveThatRefusesKeepsThePage) {
  TestWizard wizard;
  wizard.project.killAnswer = FALSE;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressNext();
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 0);
  EXPECT_FALSE(wizard.sheet.SetActivePage(1));
  EXPECT_FALSE(wizard.machine.HasWindow());
}

TEST_F(SheetTest, PostedButtonsTakeEffectAfterTheHandlerInPostingOrder) {
  struct Row {
    const char* name;
    std::vector<unsigned> posts;
    bool backEnabled, nextEnabled, nextShown, finishEnabled, finishShown;
  };
  const Row kRows[] = {
      {"back, next", {kWizBack | kWizNext}, true, true, true, false, false},
      {"last one wins", {kWizBack | kWizNext, 0}, false, false, true, false, false},
      {"finish takes next's place", {kWizBack | kWizFinish}, true, false, false, true, true},
      {"next after finish", {kWizFinish, kWizNext}, false, true, true, false, false},
      {"disabled finish", {kWizFinish | kWizDisabledFinish}, false, false, false, false, true},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    TestWizard wizard;
    bool seenInside = true;
    wizard.project.onNext = [&] {
      for (unsigned flags : row.posts) wizard.sheet.PostWizardButtons(flags);
      seenInside = Enabled(wizard.sheet, kIdWizNext);   // still as set-active posted it
    };
    wizard.project.nextAnswer = -1;
    ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
    EXPECT_FALSE(Enabled(wizard.sheet, kIdWizBack));   // the first page posted Next only
    ui.PressNext();
    EXPECT_TRUE(seenInside);
    EXPECT_EQ(Enabled(wizard.sheet, kIdWizBack), row.backEnabled);
    EXPECT_EQ(Enabled(wizard.sheet, kIdWizNext), row.nextEnabled);
    EXPECT_EQ(Shown(wizard.sheet, kIdWizNext), row.nextShown);
    EXPECT_EQ(Enabled(wizard.sheet, kIdWizFinish), row.finishEnabled);
    EXPECT_EQ(Shown(wizard.sheet, kIdWizFinish), row.finishShown);
    ui.CloseWindow();
  }
}

TEST_F(SheetTest, DisabledOrHiddenButtonsTakeNoPress) {
  TestWizard wizard;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  EXPECT_FALSE(ui.PressBack());                       // disabled on the first page
  EXPECT_FALSE(ui.PressFinish());                     // hidden
  EXPECT_TRUE(wizard.sheet.SetActivePage(2));
  ui.Focus(PF_IDC_SELECTION_TREE);                                    // lets the posted buttons run
  EXPECT_FALSE(ui.PressNext());                       // hidden behind Finish on the last page
  ASSERT_EQ(ui.rejected().size(), 3u);
  EXPECT_EQ(ui.rejected()[0].reason, L"control 12323 is disabled");
  EXPECT_EQ(ui.rejected()[2].reason, L"control 12324 is hidden");
  EXPECT_EQ(wizard.log.back(), L"set 2509@2");
}

TEST_F(SheetTest, CancelGoesAheadOnlyWhenTheActivePageAllowsIt) {
  TestWizard wizard;
  wizard.project.cancelAnswer = FALSE;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressCancel();
  EXPECT_TRUE(ui.IsOpen(wizard.sheet));
  wizard.project.cancelAnswer = TRUE;
  ui.CloseWindow();
  EXPECT_FALSE(ui.IsOpen(wizard.sheet));
  EXPECT_FALSE(wizard.sheet.HasWindow());
  EXPECT_FALSE(wizard.project.HasWindow());
  ASSERT_EQ(ui.closed().size(), 1u);
  EXPECT_EQ(ui.closed()[0].result, kIdCancel);
  EXPECT_EQ(wizard.log.back(), L"cancel 2507@0");
}

TEST_F(SheetTest, FinishClosesWhenThePageAgrees) {
  TestWizard wizard;
  wizard.sheet.m_psh.nStartPage = 2;
  wizard.selection.finishAnswer = FALSE;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressFinish();
  EXPECT_TRUE(ui.IsOpen(wizard.sheet));
  wizard.selection.finishAnswer = TRUE;
  ui.PressFinish();
  ASSERT_EQ(ui.closed().size(), 1u);
  EXPECT_EQ(ui.closed()[0].result, kIdWizFinish);
}

TEST_F(SheetTest, DoModalRunsOnTheInputQueue) {
  TestWizard wizard;
  ui.queue().Add([](HeadlessUi& u) { u.PressNext(); }).Add([](HeadlessUi& u) { u.PressNext(); });
  ui.queue().Add([](HeadlessUi& u) { u.PressFinish(); });
  EXPECT_EQ(wizard.sheet.DoModal(), kIdWizFinish);
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 0);   // the start page again: the window is gone
  EXPECT_FALSE(wizard.selection.HasWindow());
  EXPECT_EQ(wizard.log.back(), L"finish 2509@2");
}

TEST_F(SheetTest, OnlyAWizardWithTemplatedPagesOpens) {
  TestWizard plain;
  plain.sheet.m_psh.dwFlags &= ~kPshWizard97;
  EXPECT_EQ(plain.sheet.DoModal(), -1);
  std::vector<std::wstring> log;
  RecordingPage stray(2599, log);
  TestWizard missing;
  missing.sheet.AddPage(&stray);
  EXPECT_EQ(missing.sheet.DoModal(), -1);
  ASSERT_EQ(ui.rejected().size(), 2u);
  EXPECT_EQ(ui.rejected()[0].reason, L"the sheet is not a wizard");
  EXPECT_EQ(ui.rejected()[1].reason, L"there is no dialog template 2599");
}

TEST_F(SheetTest, MessageBoxesAreAnsweredFromTheQueueOrByDefaultAndRecorded) {
  TestWizard wizard;
  std::vector<int> answers;
  wizard.project.onNext = [&] {
    {
      CWaitCursor wait;
      answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo, 1));
    }
    answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo, 1));
    answers.push_back(ShowMessageText(L"NCType Not Found", MsgIcon::Error));
  };
  wizard.project.nextAnswer = -1;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.QueueAnswer(kAnswerYes);
  ui.PressNext();
  EXPECT_EQ(answers, (std::vector<int>{kAnswerYes, kAnswerNo, kAnswerOk}));
  ASSERT_EQ(ui.messages().size(), 3u);
  EXPECT_EQ(ui.messages()[0].stringId, 14043u);
  EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Question);
  EXPECT_FALSE(ui.messages()[0].defaulted);
  EXPECT_EQ(ui.messages()[0].waitDepth, 1);
  EXPECT_TRUE(ui.messages()[1].defaulted);
  EXPECT_EQ(ui.messages()[1].waitDepth, 0);
  EXPECT_EQ(ui.messages()[2].stringId, 0u);
  EXPECT_EQ(ui.messages()[2].text, L"NCType Not Found");
  EXPECT_EQ(ui.waitBegins(), 1);
  EXPECT_EQ(ui.waitEnds(), 1);
}

TEST_F(SheetTest, AMessageBoxRunsThePostedRequestsFirst) {
  TestWizard wizard;
  bool backEnabledDuringBox = false;
  wizard.project.onNext = [&] {
    wizard.sheet.PostWizardButtons(kWizBack | kWizNext);
    ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo);
    backEnabledDuringBox = Enabled(wizard.sheet, kIdWizBack);
  };
  wizard.project.nextAnswer = -1;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressNext();
  EXPECT_TRUE(backEnabledDuringBox);
}

TEST_F(SheetTest, AnAbandonedNavigationHandlerLeavesThePageWhereItWas) {
  TestWizard wizard;
  wizard.project.onNext = [] { (void)std::vector<int>().at(1); };
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  EXPECT_TRUE(ui.PressNext());
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 0);
  ASSERT_EQ(ui.abandoned().size(), 1u);
  EXPECT_EQ(ui.abandoned()[0].where, L"OnWizardNext");
  wizard.project.onNext = nullptr;
  ui.PressNext();
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 1);
}

}  // namespace
}  // namespace pf::testing
