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

TEST_F(ProgramPageTest, ActivationShowsTheEstimateOfTheStoredParameters) {
  struct Row {
    const char* name;
    int kind;
    int index;
    const wchar_t* distance;
    const wchar_t* feed;
    int dwellMode;
    const wchar_t* radius;
    const wchar_t* first;
    const wchar_t* second;
  };
  const Row kRows[] = {
      // feed 0 counts as 1000: M = 6 s; no dwell while the box is unchecked
      {"feed kind, no dwell", 1, 0, L"100", L"0", 0, L"", L"14.40", L"28.80"},
      {"lost motion, dwell checked", 4, 0, L"100", L"1000", 1, L"", L"7.80", L"0.00"},
      // kind 5 dwells its fixed 1 s
      {"feed-forward, dwell always", 5, 0, L"100", L"1000", 0, L"", L"8.40", L"7.20"},
      // $1-Z's G0 speed 32000 from the NC: M = 0.1875 s, dwell 0.5 s
      {"rapid kind, NC speed", 0, 2, L"100", L"0", 0, L"", L"1.65", L"0.00"},
      {"circle, two turns", 9, 0, L"100", L"1000", 0, L"10", L"7.54", L"0.00"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    CProgramInfo& record = Record(row.kind, row.index);
    record.m_strDistance = row.distance;
    record.m_strFeed = row.feed;
    record.m_bDwell = row.dwellMode;
    record.m_strRadius = row.radius;
    record.m_strSmpTime = L"5";
    const CProgramPage& page = Show(row.kind, row.index);
    EXPECT_EQ(Text(page, PF_IDC_SMP_TIME), row.first);
    EXPECT_EQ(record.m_strSmpTime, row.first);
    EXPECT_EQ(record.m_strSmpTime2, row.second);
  }
  // The circle's distance and dwell are cleared; its heading is the plane's.
  EXPECT_EQ(Record(9, 0).m_strDistance, L"");
  EXPECT_EQ(Record(9, 0).m_strDwell, L"");
  EXPECT_EQ(Text(sheet.Page(9), PF_IDC_HEADING), Format(LoadResString(14038), L"$1-IJ"));
  EXPECT_EQ(Text(sheet.Page(1), PF_IDC_HEADING), Format(LoadResString(14004), L"$1-X"));
  EXPECT_EQ(CountCalls("NcGetParameter(0, 2, \"AFTER_INTERP_G0_MAX_SPEED\", 3) -> 0"), 2);
}

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

TEST_F(ProgramPageTest, TypedTextIsCutToTheInputLimits) {
  struct Row {
    int kind;
    int id;
    const wchar_t* typed;
    const wchar_t* kept;
  };
  Record(4, 0).m_bDwell = 1;
  const Row kRows[] = {
      {4, PF_IDC_DISTANCE, L"123456789012", L"1234567890"},
      {4, PF_IDC_FEED, L"123456789", L"1234567"},
      {4, PF_IDC_DWELL, L"1234567890", L"12345678"},
      {4, PF_IDC_SMP_TIME, L"12345", L"12"},
      {9, PF_IDC_RADIUS, L"123456789", L"1234567"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.id);
    const CProgramPage& page = Show(row.kind, 0);
    ASSERT_TRUE(ui.TypeText(row.id, row.typed));
    EXPECT_EQ(Text(page, row.id), row.kept);
  }
  EXPECT_EQ(Record(4, 0).m_strDistance, L"1234567890");
  EXPECT_EQ(Record(4, 0).m_strFeed, L"1234567");
  EXPECT_EQ(Record(4, 0).m_strDwell, L"12345678");
  EXPECT_EQ(Record(4, 0).m_strSmpTime, L"12");
  EXPECT_EQ(Record(9, 0).m_strRadius, L"1234567");
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

  // A file that cannot be made keeps the page incomplete.
  Record(4, 0).m_strDistance = L"1.2.3";
  Show(4, 0);
  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_EQ(ui.messages().back().stringId, 12525u);
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

TEST_F(ProgramPageTest, TheHintLineFollowsTheFocus) {
  CProgramPage& page = Show(1, 0);
  struct Step {
    int focus;
    unsigned hint;   // 0: no text
  };
  const Step kSteps[] = {
      {PF_IDC_DISTANCE, 14026}, {PF_IDC_FEED, 14023}, {PF_IDC_DWELL, 14018}, {PF_IDC_SMP_TIME, 14022},
      {PF_IDC_FILE_LIST, 14020}, {PF_IDC_PROGRAM_TEXT, 14020}, {PF_IDC_CREATE, 0}, {PF_IDC_DISTANCE, 14026},
  };
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.focus);
    ASSERT_TRUE(ui.Focus(step.focus));
    EXPECT_EQ(Text(page, PF_IDC_HINT), step.hint == 0 ? L"" : LoadResString(step.hint));
  }
  // The grid's hint is the one of its focused column.
  EditCell(page, 1, 2, L"1");
  ASSERT_TRUE(ui.Focus(PF_IDC_AXIS_GRID));
  EXPECT_EQ(Text(page, PF_IDC_HINT), LoadResString(14024));
  ASSERT_TRUE(ui.Focus(PF_IDC_DISTANCE));
  EditCell(page, 1, 1, L"5");
  ASSERT_TRUE(ui.Focus(PF_IDC_AXIS_GRID));
  EXPECT_EQ(Text(page, PF_IDC_HINT), LoadResString(14025));

  // The controls that other kinds show.
  const struct {
    int kind;
    int focus;
    unsigned hint;
  } kOtherKinds[] = {
      {4, PF_IDC_DWELL_CHECK, 14017}, {9, PF_IDC_RADIUS, 14021}, {9, PF_IDC_COUNTER_CLOCKWISE, 14016},
      {9, PF_IDC_CLOCKWISE, 14016},
  };
  for (const auto& step : kOtherKinds) {
    SCOPED_TRACE(step.focus);
    const CProgramPage& other = Show(step.kind, 0);
    ASSERT_TRUE(ui.Focus(step.focus));
    EXPECT_EQ(Text(other, PF_IDC_HINT), LoadResString(step.hint));
  }
  Show(1, 0);

  // Activation forgets the remembered focus: the hint comes back even
  // though the focus did not move.
  ASSERT_TRUE(ui.Focus(PF_IDC_DISTANCE));
  page.SetDlgItemText(PF_IDC_HINT, L"");
  Show(1, 0);
  EXPECT_EQ(Text(page, PF_IDC_HINT), LoadResString(14026));
}

TEST_F(ProgramPageTest, CancelAsksAndStaysUnlessYes) {
  Show(4, 0);
  ASSERT_TRUE(ui.PressCancel());   // no answer queued: the default No
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].stringId, 14043u);
  EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Question);
  EXPECT_EQ(ui.messages()[0].defaultButton, 1);
  EXPECT_EQ(ui.messages()[0].answer, kAnswerNo);
  EXPECT_TRUE(sheet.HasWindow());
  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.PressCancel());
  EXPECT_FALSE(sheet.HasWindow());
}

}  // namespace
}  // namespace pf::test
