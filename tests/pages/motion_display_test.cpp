// The motion check on the pages: the program page's verdict line and
// picture follow Create, edits of the file text, grid edits and the file
// selection; the summary page shows the worse program of the selected entry.
// The simulated built-in machine: $1-X from -500 to 500, $1-Y from -250 to
// 250, G0 speed 40000 on X; plane $1-IJ is X and Y.
#include <functional>
#include <string>

#include "PagesFixture.h"
#include "motion/PictureLayout.h"
#include "pages/page/ShownMotion.h"
#include "res/controls.h"
#include "ui/Controls.h"
#include "ui/Resources.h"

namespace pf::test {
namespace {

// The summary page's program tree.

constexpr wchar_t kNothingYet[] = L"No motion to check yet";
constexpr wchar_t kBeyondX[] = L"X reaches 550.000, beyond the stroke end 500.000 (Circle1.eia, line 6)";
// The stroke ends of $1-X and $1-Y as the picture labels them.
constexpr wchar_t kEnds[] = L"4 limit lines, ";
constexpr wchar_t kEndTexts[] = L"texts \"-500.000\" \"500.000\" \"-250.000\" \"250.000\" ";
constexpr wchar_t kScaleAndNames[] = L"\"200 mm\" \"X\" \"Y\"";

// A circle file of radius `radius` (two turns, G02 in G17) sampled for
// `smptime` seconds.
std::wstring CircleText(const wchar_t* radius, const wchar_t* smptime) {
  return std::wstring(L"(smptime=") + smptime + L")\r\n(R=" + radius + L".)\r\n(F=3000.)\r\nG91G61.1\r\nG17\r\nG02I" +
         radius + L".F3000.P2\r\nM30\r\n%";
}

std::wstring Position(const wchar_t* x) { return std::wstring(L"G90G94G64G49G40G00\r\nX") + x + L"Y0Z0\r\nM30\r\n%"; }

class MotionDisplayTest : public PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    sheet.ReadMachine(kMachineCentre);
    Open();
  }

  // The picture as the page printer shows it: laid out in the control's size.
  std::wstring PictureText(CWnd& page) {
    const Rect rect = ui.FindControl(page, PF_IDC_MOTION_PICTURE)->GetRect();
    return DescribeScene(LayOutPicture(CPictureCtrl(&page, PF_IDC_MOTION_PICTURE).GetPicture(), rect.right - rect.left,
                                       rect.bottom - rect.top, DialogUnitsToPixelsY(8)));
  }
};

TEST_F(MotionDisplayTest, TheProgramPageFollowsCreateEditsAndTheSelection) {
  struct Step {
    const char* name;
    std::function<void(CProgramPage&)> act;
    std::wstring verdict;
    std::wstring picture;
  };
  const std::wstring ends = std::wstring(kEnds);
  const std::wstring texts = std::wstring(kEndTexts);
  const Step kSteps[] = {
      {"activation: no files made yet", [](CProgramPage&) {}, kNothingYet, L"no picture"},
      {"a grid edit alone changes no file", [this](CProgramPage& p) { EditCell(p, 1, 1, L"350"); },
       kNothingYet, L"no picture"},
      {"create: the far side of the circle passes X 500",
       [this](CProgramPage&) { ASSERT_TRUE(ui.Click(PF_IDC_CREATE)); }, kBeyondX,
       L"path 0, " + ends + texts + kScaleAndNames},
      {"the circle file selected: the part beyond X 500 and how far",
       [this](CProgramPage&) { ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 1)); }, kBeyondX,
       L"path 50, beyond 25, " + ends + texts + L"\"X 550.000\" " + kScaleAndNames +
           L"; inset: path 50, beyond 25, 1 limit lines, arrow"},
      {"a radius of 50 typed in stays inside",
       [this](CProgramPage&) { ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, CircleText(L"50", L"99"))); },
       L"Within the stroke limits: X 350.000 \u2026 450.000, Y -50.000 \u2026 50.000",
       L"path 73, " + ends + texts + kScaleAndNames + L"; inset: path 73, arrow"},
      {"the position file moved to X -500.5",
       [this](CProgramPage&) {
         ASSERT_TRUE(ui.PickItem(PF_IDC_FILE_LIST, 0));
         ASSERT_TRUE(ui.TypeText(PF_IDC_PROGRAM_TEXT, Position(L"-500.5")));
       },
       L"X reaches -500.500, beyond the stroke end -500.000 (InitCircle1.eia, line 2)",
       L"path 0, " + ends + texts + L"\"X -500.500\" " + kScaleAndNames},
  };
  CProgramPage& page = Show(9, 0);
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.name);
    step.act(page);
    EXPECT_EQ(Text(page, PF_IDC_MOTION_VERDICT), step.verdict);
    EXPECT_EQ(PictureText(page), step.picture);
  }
}

TEST_F(MotionDisplayTest, TheSummaryShowsTheWorseProgramOfTheSelectedEntry) {
  struct Row {
    const char* name;
    std::wstring first;    // Circle1 (kind 9)
    std::wstring second;   // Circle2 (kind 10)
    std::wstring verdict;
    std::wstring picture;
  };
  const std::wstring ends = std::wstring(kEnds) + L"arrow, " + kEndTexts;
  const std::wstring within = L"Within the stroke limits: X 0.000 \u2026 100.000, Y -50.000 \u2026 50.000";
  const Row kRows[] = {
      {"nothing made", L"", L"", kNothingYet, L"no picture"},
      {"a program not made yet counts below a checked one", CircleText(L"50", L"99"), L"", within,
       L"path 73, " + ends + kScaleAndNames},
      {"the second leaves its limits", CircleText(L"50", L"99"), CircleText(L"260", L"99"),
       L"X reaches 520.000, beyond the stroke end 500.000 (Circle2.eia, line 6)",
       L"path 56, beyond 29, " + ends + L"\"X 520.000\" " + kScaleAndNames},
      {"of two within, the one with a sampling remark", CircleText(L"50", L"99"), CircleText(L"50", L"1"),
       within + L"\r\nSampling 1.00 s ends during the move on line 6 of Circle2.eia (0.00-12.57 s); 13.00 s covers the move",
       L"path 73, " + ends + kScaleAndNames},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Record(9, 0).at(0).m_strText = row.first.empty() ? L"" : Position(L"0");
    Record(9, 0).at(1).m_strText = row.first;
    Record(10, 0).at(0).m_strText = row.second.empty() ? L"" : Position(L"0");
    Record(10, 0).at(1).m_strText = row.second;
    ShowSummary();
    EXPECT_EQ(Text(sheet.summary, PF_IDC_MOTION_VERDICT), L"");
    const HTreeItem group = sheet.summary.m_hGroup[6];   // circular lost motion, method 3
    ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SUMMARY_TREE, group, TreePart::Button));
    ASSERT_TRUE(ui.SelectTreeItem(PF_IDC_SUMMARY_TREE, sheet.summary.m_treeProgram.GetChildItem(group)));
    EXPECT_EQ(Text(sheet.summary, PF_IDC_MOTION_VERDICT), row.verdict);
    EXPECT_EQ(PictureText(sheet.summary), row.picture);
    ASSERT_TRUE(ui.SelectTreeItem(PF_IDC_SUMMARY_TREE, group));
    EXPECT_EQ(Text(sheet.summary, PF_IDC_MOTION_VERDICT), L"");
    EXPECT_EQ(PictureText(sheet.summary), L"no picture");
  }
}

}  // namespace
}  // namespace pf::test
