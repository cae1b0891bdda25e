// The program page on the headless toolkit against simulated machines: the
// sampling-time estimate, the dwell rules of the kinds, the input limits,
// the axis grid, the file list with the Next and trial-run rules, program
// creation, the trial run and the hint line.
#include <string>
#include <vector>

#include "PagesFixture.h"
#include "common/Format.h"
#include "common/Path.h"
#include "pages/TrialRun.h"
#include "res/controls.h"

namespace pf::test {
namespace {

using Names = std::vector<std::wstring>;

class ProgramPageTest : public PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    sheet.ReadMachine();
    Open();
  }

  std::wstring GridText(const CProgramPage& page, int row, int column) {
    return page.m_gridAxis.GetItemText(row, column);
  }

  bool AllFilesHaveText(int kind, int index) {
    for (const CProgramData& file : Record(kind, index)) {
      if (file.m_strText.empty()) return false;
    }
    return true;
  }
};

TEST_F(ProgramPageTest, InputsWriteThroughAndReestimate) {
  Record(4, 1).m_strFeed = L"1000";
  CProgramPage& page = Show(4, 1);
  ASSERT_EQ(Text(page, PF_IDC_SMP_TIME), L"7.20");   // (6 s + no dwell) x 1.2
  EXPECT_FALSE(Enabled(page, PF_IDC_DWELL));

  ASSERT_TRUE(ui.Click(PF_IDC_DWELL_CHECK));        // dwell 0.5 s on
  EXPECT_EQ(Record(4, 1).m_bDwell, 1);
  EXPECT_TRUE(Enabled(page, PF_IDC_DWELL));
  EXPECT_EQ(Text(page, PF_IDC_SMP_TIME), L"7.80");

  ASSERT_TRUE(ui.TypeText(PF_IDC_DISTANCE, L"50"));
  EXPECT_EQ(Record(4, 1).m_strDistance, L"50");
  EXPECT_EQ(Text(page, PF_IDC_SMP_TIME), L"4.20");
  ASSERT_TRUE(ui.TypeText(PF_IDC_FEED, L"3000"));
  EXPECT_EQ(Record(4, 1).m_strFeed, L"3000");
  EXPECT_EQ(Text(page, PF_IDC_SMP_TIME), L"1.80");
  ASSERT_TRUE(ui.TypeText(PF_IDC_DWELL, L"1.5"));
  EXPECT_EQ(Record(4, 1).m_strDwell, L"1.5");
  EXPECT_EQ(Text(page, PF_IDC_SMP_TIME), L"3.00");
  EXPECT_EQ(Record(4, 1).m_strSmpTime, L"3.00");

  // A typed sampling time is kept until the next activation re-estimates it.
  ASSERT_TRUE(ui.TypeText(PF_IDC_SMP_TIME, L"9"));
  EXPECT_EQ(Record(4, 1).m_strSmpTime, L"9");
  Show(4, 1);
  EXPECT_EQ(Record(4, 1).m_strSmpTime, L"3.00");

  CProgramPage& circle = Show(10, 0);
  ASSERT_TRUE(ui.TypeText(PF_IDC_RADIUS, L"20"));
  EXPECT_EQ(Record(10, 0).m_strRadius, L"20");
  ASSERT_TRUE(ui.Click(PF_IDC_COUNTER_CLOCKWISE));
  EXPECT_EQ(Record(10, 0).m_nCircleDir, 1);
  ASSERT_TRUE(ui.Click(PF_IDC_CLOCKWISE));
  EXPECT_EQ(Record(10, 0).m_nCircleDir, 0);
  EXPECT_FALSE(Enabled(circle, PF_IDC_DISTANCE));
}

TEST_F(ProgramPageTest, EachKindHasItsDwellAndFeedRules) {
  struct Row {
    int kind;
    bool boxShown;
    bool boxEnabled;
    bool dwellEditable;
    int flag;
    int dwellMode;
    bool axisShown;
    bool feedShown;
    int flagFromOne;  // the dwell flag when the record's dwell mode was 1
  };
  // Every record starts with dwell mode 0.
  const Row kRows[] = {
      {0, false, false, true, 1, 1, true, false, 1},  {1, false, false, true, 1, 1, true, true, 1},
      {2, false, false, true, 1, 1, true, false, 1},  {3, false, false, true, 1, 1, true, true, 1},
      {4, true, true, false, 0, 0, true, true, 1},    {5, false, false, false, 0, 1, false, true, 0},
      {6, false, false, false, 0, 1, true, true, 0},  {7, true, false, false, 0, 0, false, true, 1},
      {8, true, false, false, 0, 0, false, true, 1},  {9, true, false, false, 0, 0, false, true, 1},
      {10, true, false, false, 0, 0, false, true, 1},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.kind);
    const CProgramPage& page = Show(row.kind, 0);
    EXPECT_EQ(Shown(page, PF_IDC_DWELL_CHECK), row.boxShown);
    EXPECT_EQ(Enabled(page, PF_IDC_DWELL_CHECK), row.boxEnabled);
    EXPECT_EQ(Enabled(page, PF_IDC_DWELL), row.dwellEditable);
    EXPECT_EQ(page.m_bDwellFlag, row.flag);
    EXPECT_EQ(Record(row.kind, 0).m_bDwell, row.dwellMode);
    EXPECT_EQ(Shown(page, PF_IDC_FEED), row.feedShown);
    if (row.axisShown) {
      EXPECT_EQ(Text(page, PF_IDC_AXIS), Format(LoadResString(14004), L"$1-X"));
      EXPECT_EQ(Text(page, PF_IDC_MINUS), L"-500.000");
      EXPECT_EQ(Text(page, PF_IDC_PLUS), L"500.000");
    }
    Record(row.kind, 0).m_bDwell = 1;
    EXPECT_EQ(Show(row.kind, 0).m_bDwellFlag, row.flagFromOne);
    EXPECT_EQ(Record(row.kind, 0).m_bDwell, 1);
  }
  // Kind 5 leaves the axis row as the template has it; the circles show the
  // plane's first axis; an axis without stroke ends shows "****".
  EXPECT_EQ(Text(sheet.Page(5), PF_IDC_AXIS), L"");
  EXPECT_EQ(Text(sheet.Page(5), PF_IDC_MINUS), L"");
  EXPECT_EQ(Text(sheet.Page(9), PF_IDC_AXIS), L"$1-X");
  EXPECT_EQ(Text(sheet.Page(9), PF_IDC_MINUS), L"-500.0000");
  Record(6, 1).m_strLimitMinus.clear();
  Show(6, 1);
  EXPECT_EQ(Text(sheet.Page(6), PF_IDC_MINUS), L"****");
  EXPECT_EQ(Text(sheet.Page(6), PF_IDC_PLUS), L"250.000");
}

TEST_F(ProgramPageTest, TheAxisGridListsThePartSystemAndStoresEdits) {
  Record(1, 3).m_aryAxis.at(4).m_nOrder = 4;
  CProgramPage& page = Show(1, 3);   // $2-X
  const CGridCtrlEx& grid = page.m_gridAxis;
  ASSERT_EQ(grid.GetRowCount(), 4);
  ASSERT_EQ(grid.GetColumnCount(), 3);
  EXPECT_EQ(grid.GetFixedRowCount(), 1);
  EXPECT_EQ(grid.GetFixedColumnCount(), 1);
  const unsigned kTitles[] = {12621, 14039, 14037};
  const int kWidths[] = {40, 84, 40};
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(GridText(page, 0, column), LoadResString(kTitles[column]));
    EXPECT_EQ(grid.GetColumnWidth(column), kWidths[column]);
    EXPECT_EQ(grid.GetColumnFormat(column), kDtCenter | kDtVCenter);
  }
  const Names labels = {GridText(page, 1, 0), GridText(page, 2, 0), GridText(page, 3, 0)};
  EXPECT_EQ(labels, (Names{L"$2-X", L"$2-Z", L"$2-C"}));
  EXPECT_EQ(GridText(page, 2, 1), L"0");
  EXPECT_EQ(GridText(page, 2, 2), L"4");
  EXPECT_EQ(grid.GetItemLimitText(1, 1), 13);
  EXPECT_EQ(grid.GetItemLimitText(1, 2), 2);
  EXPECT_EQ(grid.GetItemFormat(1, 1), kDtRight | kDtVCenter);
  EXPECT_EQ(grid.GetItemFormat(1, 2), kDtRight | kDtVCenter);

  EditCell(page, 2, 1, L"-12.5");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(4).m_strPosition, L"-12.5");
  EditCell(page, 2, 1, L"");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(4).m_strPosition, L"0");
  EXPECT_EQ(GridText(page, 2, 1), L"0");
  EditCell(page, 1, 2, L"7");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(3).m_nOrder, 7);
  EditCell(page, 1, 2, L"0");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(3).m_nOrder, 0);
  EditCell(page, 2, 2, L"-3");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(4).m_nOrder, 4);
  EXPECT_EQ(GridText(page, 2, 2), L"4");
  EditCell(page, 3, 1, L"12345678901234");
  EXPECT_EQ(Record(1, 3).m_aryAxis.at(5).m_strPosition, L"1234567890123");
  // The axes of part system 1 keep their entries.
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Record(1, 3).m_aryAxis.at(i).m_strPosition, L"0");
    EXPECT_EQ(Record(1, 3).m_aryAxis.at(i).m_nOrder, 0);
  }

  // A circle lists the part system of its plane's axes: $2-KI has $2-Z, $2-X.
  CProgramPage& circle = Show(9, 3);
  EXPECT_EQ(circle.m_aryCircleAxis, (Names{L"$2-Z", L"$2-X"}));
  EXPECT_EQ(circle.m_gridAxis.GetRowCount(), 4);
  EXPECT_EQ(GridText(circle, 1, 0), L"$2-X");
}

TEST_F(ProgramPageTest, NextAndTrialRunFollowTheFileTexts) {
  CProgramPage& page = Show(1, 0);   // lathe: three files
  ASSERT_EQ(page.m_listFile.GetCount(), 3);
  const unsigned kTitles[] = {12599, 12602, 12603};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(page.m_listFile.GetText(i), LoadResString(kTitles[i]));
  EXPECT_EQ(page.m_listFile.GetCurSel(), 0);
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
  EXPECT_TRUE(Enabled(sheet, kIdWizBack));
  EXPECT_FALSE(Enabled(page, PF_IDC_TRIAL_RUN));

  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_TRUE(ui.messages().empty());   // nothing to replace: no question
  ASSERT_TRUE(AllFilesHaveText(1, 0));
  EXPECT_EQ(Text(page, PF_IDC_PROGRAM_TEXT), Record(1, 0).at(0).m_strText);
  EXPECT_TRUE(Enabled(sheet, kIdWizNext));
  EXPECT_TRUE(Enabled(page, PF_IDC_TRIAL_RUN));

  ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 2));
  EXPECT_EQ(Text(page, PF_IDC_PROGRAM_TEXT), Record(1, 0).at(2).m_strText);
  ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, L""));
  EXPECT_EQ(Record(1, 0).at(2).m_strText, L"");
  EXPECT_EQ(Record(1, 0).at(2).m_bModified, 1);
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
  EXPECT_FALSE(Enabled(page, PF_IDC_TRIAL_RUN));
  ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 1));   // the selected file has text: trial run again
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
  EXPECT_TRUE(Enabled(page, PF_IDC_TRIAL_RUN));
  ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 2));
  ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, L"G04X1.\r\n"));
  EXPECT_EQ(Record(1, 0).at(2).m_strText, L"G04X1.\r\n");
  EXPECT_TRUE(Enabled(sheet, kIdWizNext));

  // Axes that were not read from the NC allow no trial run.
  sheet.machine.m_bAxisInfoOK = 0;
  Show(1, 0);
  EXPECT_TRUE(Enabled(sheet, kIdWizNext));
  EXPECT_FALSE(Enabled(page, PF_IDC_TRIAL_RUN));
}

TEST_F(ProgramPageTest, CreateAsksBeforeReplacingText) {
  CProgramPage& page = Show(4, 0);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  const std::wstring generated = Record(4, 0).at(1).m_strText;
  ASSERT_FALSE(generated.empty());
  ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 1));
  ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, L"edited\r\n"));

  ui.QueueAnswer(kAnswerNo);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  ASSERT_EQ(ui.messages().size(), 1u);
  const MessageRecord& asked = ui.messages().back();
  EXPECT_EQ(asked.stringId, 14042u);
  EXPECT_EQ(asked.icon, MsgIcon::Question);
  EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
  EXPECT_EQ(asked.waitDepth, 1);
  EXPECT_EQ(Record(4, 0).at(1).m_strText, L"edited\r\n");
  EXPECT_EQ(page.m_listFile.GetCurSel(), 0);
  EXPECT_EQ(Text(page, PF_IDC_PROGRAM_TEXT), Record(4, 0).at(0).m_strText);

  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(Record(4, 0).at(1).m_strText, generated);
  EXPECT_EQ(Record(4, 0).at(1).m_bModified, 0);
  EXPECT_EQ(ui.waitDepth(), 0);
  EXPECT_EQ(ui.waitBegins(), ui.waitEnds());

  // A file that cannot be made (a start position "1-2" typed into the grid)
  // keeps the page incomplete.
  EditCell(page, 1, 1, L"1-2");
  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_EQ(ui.messages().back().stringId, 12522u);
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
}

// Two part systems.
constexpr const char kTrialMachine[] = R"(
[System1]
Axes=X Y
[System2]
Axes=X Z
)";

TEST_F(ProgramPageTest, TrialRunLoadsTheShownTextAfterAsking) {
  struct Row {
    const char* name;
    const char* machine;
    int axis;
    int answer;
    std::vector<unsigned> messages;
    bool loaded;
  };
  const Row kRows[] = {
      {"declined", kTrialMachine, 0, kAnswerNo, {12564}, false},
      {"loaded", kTrialMachine, 1, kAnswerYes, {12564}, true},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    UseMachine(row.machine);
    sheet.ReadMachine();
    Show(1, row.axis);
    ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
    const std::size_t before = ui.messages().size();
    sim_.ClearJournal();
    ui.QueueAnswer(row.answer);
    ASSERT_TRUE(ui.Click(PF_IDC_TRIAL_RUN));
    std::vector<unsigned> shown;
    for (std::size_t i = before; i < ui.messages().size(); ++i) shown.push_back(ui.messages()[i].stringId);
    EXPECT_EQ(shown, row.messages);
    EXPECT_EQ(WasCalled("NcLoadProgram("), row.loaded);
    EXPECT_EQ(ui.waitDepth(), 0);
    EXPECT_FALSE(PathExists(TrialFilePath()));
  }
}

}  // namespace
}  // namespace pf::test
