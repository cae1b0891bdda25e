// The headless tree view: check boxes toggled by the state icon and the
// space bar, hit tests, expand state and image lists.
#include "TestPages.h"
#include "res/controls.h"
#include "ui/ImageList.h"
#include "ui/headless/HeadlessTree.h"

namespace pf::testing {
namespace {

// The selection template (2509): a tree with check boxes.
class SelectionDialog : public CDialog {
 public:
  SelectionDialog() : CDialog(2509) {}
  CTreeCtrl tree;
  LRESULT clickAnswer = 0;
  std::vector<std::wstring> events;

  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, PF_IDC_SELECTION_TREE, tree); }
  const MessageMap* GetMessageMap() const override {
    static const MessageEntry kEntries[] = {
        MapNotify(PF_IDC_SELECTION_TREE, Notify::Click, &SelectionDialog::OnClickTree),
        MapNotify(PF_IDC_SELECTION_TREE, Notify::TreeKeyDown, &SelectionDialog::OnKeydownTree),
        MapNotify(PF_IDC_SELECTION_TREE, Notify::TreeSelChanged, &SelectionDialog::OnSelchangedTree),
    };
    static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
  }

 private:
  LRESULT OnClickTree(const NotifyInfo& info) {
    unsigned flags = 0;
    HTreeItem item = tree.HitTest(info.pt, &flags);
    events.push_back(Format(L"click '%s' 0x%X checked %d", tree.GetItemText(item), flags, tree.GetCheck(item)));
    return clickAnswer;
  }
  LRESULT OnKeydownTree(const NotifyInfo& info) {
    events.push_back(Format(L"key %u", info.key));
    return 0;
  }
  LRESULT OnSelchangedTree(const NotifyInfo& info) {
    events.push_back(L"selected '" + tree.GetItemText(info.itemNew) + L"'");
    return 0;
  }
};

class TreeTest : public UiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.OpenDialog(dialog));
    group = dialog.tree.InsertItem(L"Positioning", 0, 0);
    first = dialog.tree.InsertItem(L"Axis $1-X", 1, 1, group, 7);
    second = dialog.tree.InsertItem(L"Axis $1-Y", 0, 0, group);
    dialog.tree.Expand(group, kTveExpand);
  }

  HeadlessTree& Peer() { return dynamic_cast<HeadlessTree&>(*ui.FindControl(dialog, PF_IDC_SELECTION_TREE)); }

  SelectionDialog dialog;
  HTreeItem group = nullptr;
  HTreeItem first = nullptr;
  HTreeItem second = nullptr;
};

TEST_F(TreeTest, CheckBoxesToggleOnTheStateIconAndTheSpaceBarButNotOnTheText) {
  struct Row {
    const char* name;
    LRESULT clickAnswer;
    std::function<void(HeadlessUi&, HTreeItem)> input;
    bool checked;
    std::vector<std::wstring> events;
  };
  const Row kRows[] = {
      {"state icon", 0,
       [](HeadlessUi& u, HTreeItem i) { u.ClickTreeItem(PF_IDC_SELECTION_TREE, i, TreePart::StateIcon); }, true,
       {L"click 'Axis $1-X' 0x40 checked 0"}},
      {"state icon, click answered 1", 1,
       [](HeadlessUi& u, HTreeItem i) { u.ClickTreeItem(PF_IDC_SELECTION_TREE, i, TreePart::StateIcon); }, false,
       {L"click 'Axis $1-X' 0x40 checked 0"}},
      {"text", 0, [](HeadlessUi& u, HTreeItem i) { u.ClickTreeItem(PF_IDC_SELECTION_TREE, i, TreePart::Label); }, false,
       {L"selected 'Axis $1-X'", L"click 'Axis $1-X' 0x4 checked 0"}},
      {"space bar on the caret", 0,
       [](HeadlessUi& u, HTreeItem i) {
         u.SelectTreeItem(PF_IDC_SELECTION_TREE, i);
         u.PressTreeKey(PF_IDC_SELECTION_TREE, kVkSpace);
       },
       true, {L"selected 'Axis $1-X'", L"key 32"}},
      {"another key", 0,
       [](HeadlessUi& u, HTreeItem i) {
         u.SelectTreeItem(PF_IDC_SELECTION_TREE, i);
         u.PressTreeKey(PF_IDC_SELECTION_TREE, 0x41);
       },
       false, {L"selected 'Axis $1-X'", L"key 65"}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    dialog.tree.SetCheck(first, FALSE);
    dialog.tree.SelectItem(nullptr);
    dialog.events.clear();
    dialog.clickAnswer = row.clickAnswer;
    row.input(ui, first);
    EXPECT_EQ(dialog.tree.GetCheck(first) != FALSE, row.checked);
    EXPECT_EQ(dialog.events, row.events);
  }
  EXPECT_TRUE(ui.rejected().empty());
}

// An image list takes the module's bitmaps of its size only.
TEST_F(TreeTest, HitTestsNameThePartOfTheRowUnderThePoint) {
  CImageList images;
  EXPECT_EQ(images.Add(2503, 0xFFFFFF), -1);   // not created yet
  ASSERT_TRUE(images.Create(15, 15, kIlcColor24 | kIlcMask, 2, 4));
  EXPECT_EQ(images.Add(2503, 0xFFFFFF), 0);
  EXPECT_EQ(images.Add(2502, 0xFFFFFF), 1);
  EXPECT_EQ(images.Add(2501, 0xFFFFFF), -1);   // the 49 x 49 header picture
  EXPECT_EQ(images.Add(2599, 0xFFFFFF), -1);   // no such bitmap
  EXPECT_EQ(images.GetImageCount(), 2);
  ASSERT_EQ(images.entries().size(), 2u);
  EXPECT_EQ(images.entries()[1].bitmapId, 2502u);
  EXPECT_EQ(images.entries()[1].maskColor, 0xFFFFFFu);
  Point pt;
  EXPECT_FALSE(Peer().PointOf(first, TreePart::Icon, &pt));   // no image list yet
  dialog.tree.SetImageList(images);
  struct Row {
    const char* name;
    bool group;
    TreePart part;
    unsigned flags;
  };
  static constexpr Row kRows[] = {
      {"expand button", true, TreePart::Button, kTvhtOnItemButton},
      {"check box", false, TreePart::StateIcon, kTvhtOnItemStateIcon},
      {"image", false, TreePart::Icon, kTvhtOnItemIcon},
      {"text", false, TreePart::Label, kTvhtOnItemLabel},
      {"right of the text", false, TreePart::Right, kTvhtOnItemRight},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const HTreeItem item = row.group ? group : first;
    ASSERT_TRUE(Peer().PointOf(item, row.part, &pt));
    unsigned flags = 0;
    EXPECT_EQ(dialog.tree.HitTest(pt, &flags), item);
    EXPECT_EQ(flags, row.flags);
  }
  EXPECT_FALSE(Peer().PointOf(first, TreePart::Button, &pt));   // no children, no button
  unsigned flags = 0;
  EXPECT_EQ(dialog.tree.HitTest(Point{5, 3 * kTreeRowHeight + 2}, &flags), nullptr);
  EXPECT_EQ(flags, kTvhtNowhere);
}

TEST_F(TreeTest, CollapsingMovesTheCaretUpAndHidesTheChildrenFromInput) {
  dialog.tree.SelectItem(first);
  dialog.tree.Expand(group, kTveCollapse);
  EXPECT_EQ(dialog.tree.GetSelectedItem(), group);
  EXPECT_FALSE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, second, TreePart::StateIcon));
  EXPECT_EQ(ui.rejected().back().reason, L"that part of the item is not shown");
  EXPECT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, group, TreePart::Button));   // the user expands it again
  EXPECT_TRUE(Peer().IsExpanded(group));
  dialog.tree.Expand(group, kTveCollapse);
  dialog.tree.EnsureVisible(second);
  EXPECT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, second, TreePart::StateIcon));
  EXPECT_TRUE(dialog.tree.GetCheck(second));
  EXPECT_EQ(dialog.events.front(), L"selected 'Axis $1-X'");
  EXPECT_EQ(dialog.events[1], L"selected 'Positioning'");
}

}  // namespace
}  // namespace pf::testing
