// The headless wizard sheet: navigation answers, posted buttons and the
// sheets it refuses to open.
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
      {"next template id: jump", 0, true, 2509, 2},
      {"back 0: neighbour", 2, false, 0, 1},
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

TEST_F(SheetTest, PagesAreMadeOnceAndAKillActiveThatRefusesKeepsThePage) {
  TestWizard wizard;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.PressNext();
  ui.PressBack();
  ui.PressNext();
  EXPECT_EQ(wizard.project.inits, 1);
  EXPECT_EQ(wizard.machine.inits, 1);
  EXPECT_FALSE(wizard.selection.HasWindow());
  EXPECT_EQ(wizard.sheet.GetPage(3), nullptr);
  wizard.machine.killAnswer = FALSE;
  ui.PressNext();
  EXPECT_EQ(wizard.sheet.GetActiveIndex(), 1);
  EXPECT_FALSE(wizard.sheet.SetActivePage(2));
  EXPECT_FALSE(wizard.selection.HasWindow());
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

TEST_F(SheetTest, OnlyAWizardWithTemplatedPagesOpens) {
  TestWizard plain;
  plain.sheet.m_psh.dwFlags &= ~kPshWizard97;
  EXPECT_EQ(plain.sheet.DoModal(), -1);
  RecordingPage stray(2599);
  TestWizard missing;
  missing.sheet.AddPage(&stray);
  EXPECT_EQ(missing.sheet.DoModal(), -1);
  ASSERT_EQ(ui.rejected().size(), 2u);
  EXPECT_EQ(ui.rejected()[0].reason, L"the sheet is not a wizard");
  EXPECT_EQ(ui.rejected()[1].reason, L"there is no dialog template 2599");
}

// A message box first runs what was posted before it; unanswered, it takes
// its default button.
TEST_F(SheetTest, MessageBoxesRunThePostedRequestsFirstAndAreRecorded) {
  TestWizard wizard;
  std::vector<int> answers;
  bool backEnabledDuringBox = false;
  wizard.project.onNext = [&] {
    wizard.sheet.PostWizardButtons(kWizBack | kWizNext);
    {
      CWaitCursor wait;
      answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo, 1));
    }
    backEnabledDuringBox = Enabled(wizard.sheet, kIdWizBack);
    answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo, 1));
    answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo));
  };
  wizard.project.nextAnswer = -1;
  ASSERT_TRUE(ui.OpenSheet(wizard.sheet));
  ui.QueueAnswer(kAnswerYes);
  ui.PressNext();
  EXPECT_TRUE(backEnabledDuringBox);
  EXPECT_EQ(answers, (std::vector<int>{kAnswerYes, kAnswerNo, kAnswerYes}));
  ASSERT_EQ(ui.messages().size(), 3u);
  EXPECT_EQ(ui.messages()[0].waitDepth, 1);
  EXPECT_EQ(ui.messages()[1].waitDepth, 0);
}

}  // namespace
}  // namespace pf::testing
