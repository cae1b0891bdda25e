// The program page on the headless toolkit against simulated machines: the
// controls each kind shows, the axis grid and program creation. The inputs,
// the estimate, the circle direction and the Next and trial-run rules are the
// end-to-end runs' (lost-motion-inputs, circle-plane, trial-run, unread-axes).
#include <string>
#include <tuple>
#include <vector>

#include "PagesFixture.h"
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
};

TEST_F(ProgramPageTest, EachKindShowsItsDwellAndFeedControls) {
  // Kind; the dwell check box shown, enabled; the feed shown.
  const std::tuple<int, bool, bool, bool> kRows[] = {
      {0, false, false, false}, {1, false, false, true}, {4, true, true, true}, {7, true, false, true}};
  for (const auto& [kind, checkShown, checkEnabled, feedShown] : kRows) {
    SCOPED_TRACE(kind);
    CProgramPage& page = Show(kind, 0);
    EXPECT_EQ(Shown(page, PF_IDC_DWELL_CHECK), checkShown);
    EXPECT_EQ(Enabled(page, PF_IDC_DWELL_CHECK), checkEnabled);
    EXPECT_EQ(Shown(page, PF_IDC_FEED), feedShown);
  }
}

TEST_F(ProgramPageTest, TheAxisGridListsThePartSystemAndStoresEdits) {
  Record(1, 3).m_aryAxis.at(4).m_nOrder = 4;
  CProgramPage& page = Show(1, 3);   // $2-X
  ASSERT_EQ(page.m_gridAxis.GetRowCount(), 4);
  const Names labels = {GridText(page, 1, 0), GridText(page, 2, 0), GridText(page, 3, 0)};
  EXPECT_EQ(labels, (Names{L"$2-X", L"$2-Z", L"$2-C"}));
  EXPECT_EQ(GridText(page, 2, 1), L"0");
  EXPECT_EQ(GridText(page, 2, 2), L"4");

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

TEST_F(ProgramPageTest, CreateAsksBeforeReplacingText) {
  CProgramPage& page = Show(4, 0);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  const std::wstring generated = Record(4, 0).at(1).m_strText;
  ASSERT_FALSE(generated.empty());
  ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 1));
  ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, L"edited\r\n"));
  EXPECT_EQ(Record(4, 0).at(1).m_bModified, 1);

  ui.QueueAnswer(kAnswerNo);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages().back().stringId, 14042u);
  EXPECT_EQ(Record(4, 0).at(1).m_strText, L"edited\r\n");
  EXPECT_EQ(page.m_listFile.GetCurSel(), 0);
  EXPECT_EQ(Text(page, PF_IDC_PROGRAM_TEXT), Record(4, 0).at(0).m_strText);

  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_EQ(ui.messages().size(), 2u);
  EXPECT_EQ(Record(4, 0).at(1).m_strText, generated);
  EXPECT_EQ(Record(4, 0).at(1).m_bModified, 0);
  EXPECT_EQ(ui.waitBegins(), ui.waitEnds());

  // A file that cannot be made (a start position "1-2" typed into the grid)
  // keeps the page incomplete.
  EditCell(page, 1, 1, L"1-2");
  ui.QueueAnswer(kAnswerYes);
  ASSERT_TRUE(ui.Click(PF_IDC_CREATE));
  EXPECT_EQ(ui.messages().back().stringId, 12522u);
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
}

}  // namespace
}  // namespace pf::test
