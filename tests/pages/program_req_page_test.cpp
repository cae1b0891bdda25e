// The requirements page: the tree of the offered groups with their marks and
// the motion check of the selected entry. The text of the selected entry is
// the end-to-end runs' (existing-programs).
#include <string>
#include <tuple>
#include <vector>

#include "PagesFixture.h"
#include "common/Format.h"
#include "res/controls.h"

namespace pf::test {
namespace {

class ProgramReqPageTest : public PagesTest {
 protected:
  void SetUp() override {
    PagesTest::SetUp();
    UseMachine(kTandemMachine);
    sheet.ReadMachine();
    Open();
  }

  const CTreeCtrl& Tree() { return sheet.summary.m_treeProgram; }
  HeadlessTree& TreeControl() { return PagesTest::Tree(sheet.summary, PF_IDC_SUMMARY_TREE); }

  int Image(HTreeItem item) {
    int image = -1;
    int selectedImage = -1;
    Tree().GetItemImage(item, image, selectedImage);
    EXPECT_EQ(image, selectedImage);
    return image;
  }

  HTreeItem Child(int group, int position) { return Children(Tree(), sheet.summary.m_hGroup[group]).at(position); }
};

TEST_F(ProgramReqPageTest, TheTreeShowsTheOfferedGroupsWithTheirMarks) {
  Record(0, 0).m_bSaveFiles = 1;   // positioning X: rapid marked, feed in the project
  Record(1, 0).m_bLoaded = 1;
  Record(0, 1).m_bSaveFiles = 1;   // positioning Y: only the rapid one
  Record(2, 1).m_bLoaded = 1;      // time constant Y: only the rapid one
  Record(4, 1).m_bSaveFiles = 1;   // lost motion Y
  Record(9, 1).m_bSaveFiles = 1;   // circle $1-JK, both variants
  Record(10, 1).m_bLoaded = 1;
  for (int kind : {5, 6, 7, 8}) {  // groups that are never shown
    for (CProgramInfo& record : sheet.Programs(kind)) record.m_bSaveFiles = 1;
  }
  ShowSummary();

  // The offered groups in order, each closed, with its mark and its entries' marks.
  // The group, its entries' marks, its own mark.
  const std::tuple<int, std::vector<int>, int> kRows[] = {
      {0, {1, 0}, 1}, {1, {0, 0}, 0}, {2, {0, 1}, 1}, {6, {0, 1, 0}, 1}};
  HTreeItem groupItem = Tree().GetRootItem();
  for (const auto& [group, entryMarks, groupMark] : kRows) {
    SCOPED_TRACE(group);
    ASSERT_EQ(groupItem, sheet.summary.m_hGroup[group]);
    EXPECT_EQ(Image(groupItem), groupMark);
    EXPECT_FALSE(TreeControl().IsExpanded(groupItem));
    std::vector<int> marks;
    for (HTreeItem child : Children(Tree(), groupItem)) marks.push_back(Image(child));
    EXPECT_EQ(marks, entryMarks);
    groupItem = Tree().GetNextSiblingItem(groupItem);
  }
  EXPECT_EQ(groupItem, nullptr);
  EXPECT_EQ(Tree().GetItemText(Child(6, 2)), Format(LoadResString(14038), L"$1-KI"));
  EXPECT_EQ(Tree().GetItemData(Child(6, 2)), 2u);

  // Rebuilt at every activation.
  Record(1, 1).m_bSaveFiles = 1;
  ShowSummary();
  EXPECT_EQ(Image(Child(0, 1)), 1);
  EXPECT_EQ(Tree().GetCount(), 4u + 2u + 2u + 2u + 3u);

  // The two program marks: 15 x 15 images with a mask, bitmap 2503 (not in
  // the project) and 2502 (in it), white transparent.
  const auto& images = TreeControl().imageList();
  ASSERT_TRUE(images.has_value());
  EXPECT_EQ(std::vector<int>({images->cx(), images->cy(), images->flags() & kIlcMask ? 1 : 0}), std::vector<int>({15, 15, 1}));
  ASSERT_EQ(images->entries().size(), 2u);
  for (unsigned i = 0; i < 2; ++i) {
    EXPECT_EQ(images->entries()[i].bitmapId, 2503u - i);
    EXPECT_EQ(images->entries()[i].maskColor, 0xFFFFFFu);
  }
}

// Of two programs within the limits the entry shows the one with a remark.
TEST_F(ProgramReqPageTest, AnEntryShowsTheMotionWithARemarkFirst) {
  UseMachine(nullptr);
  sheet.ReadMachine(kMachineCentre);
  Record(0, 0).at(0).m_strText = L"G90G00X0\r\n";
  Record(0, 0).at(1).m_strText = L"G91G00X10.\r\nG00X-10.\r\n";
  Record(1, 0).at(0).m_strText = L"G90G00X0\r\n";
  Record(1, 0).at(1).m_strText = L"(smptime=0.1)\r\nG91G01X10.F600.\r\nG01X-10.\r\n";
  ShowSummary();
  ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SUMMARY_TREE, sheet.summary.m_hGroup[0], TreePart::Button));
  ASSERT_TRUE(ui.SelectTreeItem(PF_IDC_SUMMARY_TREE, Child(0, 0)));
  EXPECT_EQ(Text(sheet.summary, PF_IDC_MOTION_VERDICT),
            L"Within the stroke limits: X 0.000 \u2026 10.000\r\n"
            L"Sampling 0.10 s ends during the move on line 2 of G1b.eia (0.00-1.00 s); 2.00 s covers both moves");
}

}  // namespace
}  // namespace pf::test
