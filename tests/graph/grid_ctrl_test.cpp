// The grid as the program page uses it: created in a dialog, filled with a
// fixed header row and column, edited in place with its end-of-edit answer;
// and as its window sees it: told of every change of what it draws, and that
// the grid is gone when it dies first.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Format.h"
#include "graph/GridCtrl.h"
#include "res/controls.h"
#include "res/styles.h"
#include "ui/Dialog.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {
namespace {

// The program page's template with a grid on its placeholder; the page's
// answer to an edit is set by the test.
class GridDialog : public CDialog {
 public:
  GridDialog() : CDialog(2506) {}
  CGridCtrlEx grid;
  LRESULT answer = 0;
  std::vector<std::wstring> edits;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.Create(GetDlgItem(PF_IDC_GRID_PLACE).GetRectInParent(), this, PF_IDC_AXIS_GRID, PF_WS_CHILD | PF_WS_VISIBLE);
    return TRUE;
  }
  const MessageMap* GetMessageMap() const override {
    static const MessageEntry kEntries[] = {MapNotify(PF_IDC_AXIS_GRID, Notify::EndLabelEdit, &GridDialog::OnEndEdit)};
    static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
  }

 private:
  LRESULT OnEndEdit(const NotifyInfo& info) {
    edits.push_back(Format(L"%d,%d:%s", info.row, info.column, grid.GetItemText(info.row, info.column)));
    return answer;
  }
};

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.OpenDialog(dialog));
    CGridCtrlEx& grid = dialog.grid;
    grid.SetColumnCount(3);
    grid.SetRowCount(3);
    grid.SetFixedColumnCount(1);
    grid.SetFixedRowCount(1);
    grid.SetItemText(1, 0, L"$1-X");
    grid.SetItemText(1, 1, L"12.5");
    grid.SetItemLimitText(1, 1, 4);
  }

  HeadlessUi ui;
  ScopedUiBackend backend{ui};
  GridDialog dialog;
};

TEST_F(GridTest, AnEditEndsWithTheCellsRowAndColumnToTheParent) {
  CGridCtrlEx& grid = dialog.grid;
  EXPECT_TRUE(grid.EditCell(1, 1, L"-7.25"));   // cut to the cell's limit of 4
  EXPECT_EQ(dialog.edits, std::vector<std::wstring>{L"1,1:-7.2"});
  EXPECT_EQ(grid.GetItemText(1, 1), L"-7.2");
  EXPECT_EQ(grid.GetFocusRow(), 1);
  EXPECT_EQ(grid.GetFocusColumn(), 1);

  dialog.answer = 1;   // refused: the old text comes back
  EXPECT_TRUE(grid.EditCell(1, 1, L"9"));
  EXPECT_EQ(grid.GetItemText(1, 1), L"-7.2");
}

TEST_F(GridTest, FixedCellsAndCellsOutsideCannotBeEdited) {
  CGridCtrlEx& grid = dialog.grid;
  const int cells[][2] = {{0, 1}, {1, 0}, {3, 1}, {1, 3}, {-1, 1}};
  for (const auto& cell : cells) {
    SCOPED_TRACE(Format(L"%d,%d", cell[0], cell[1]));
    EXPECT_FALSE(grid.EditCell(cell[0], cell[1], L"1"));
  }
  EXPECT_TRUE(dialog.edits.empty());
  EXPECT_TRUE(grid.EditCell(2, 2, L"-12345.123456"));   // no limit: the whole text
  EXPECT_EQ(grid.GetItemText(2, 2), L"-12345.123456");
}

TEST_F(GridTest, ResizingKeepsTheCellsThatStayAndFormatsFallBackToTheColumn) {
  CGridCtrlEx& grid = dialog.grid;
  grid.SetColumnFormat(1, kDtRight | kDtVCenter);
  grid.SetItemFormat(2, 1, kDtCenter);
  grid.SetRowCount(2);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.GetItemText(1, 0), L"$1-X");
  EXPECT_EQ(grid.GetItemText(3, 0), L"");
  EXPECT_EQ(grid.GetItemFormat(1, 1), kDtRight | kDtVCenter);
  EXPECT_EQ(grid.GetItemFormat(2, 1), kDtRight | kDtVCenter);  // row 2 was dropped and made anew
  EXPECT_EQ(grid.GetItemLimitText(1, 1), 4);
  EXPECT_FALSE(grid.SetFixedRowCount(5));
  grid.SetColumnCount(2);
  EXPECT_EQ(grid.GetItemText(1, 1), L"12.5");   // a column fewer: the cells keep their places
}

struct RecordingView : IGridView {
  int changes = 0;
  int gone = 0;
  void OnGridChanged() override { ++changes; }
  void OnGridGone() override { ++gone; }
};

TEST(GridView, EveryChangeOfWhatIsDrawnReachesTheView) {
  struct Row {
    const char* name;
    std::function<BOOL(CGridCtrlEx&)> change;
    bool notified;
  };
  const Row rows[] = {
      {"row count", [](CGridCtrlEx& g) { return g.SetRowCount(4); }, true},
      {"column count", [](CGridCtrlEx& g) { return g.SetColumnCount(2); }, true},
      {"fixed rows", [](CGridCtrlEx& g) { return g.SetFixedRowCount(1); }, true},
      {"fixed columns", [](CGridCtrlEx& g) { return g.SetFixedColumnCount(1); }, true},
      {"text", [](CGridCtrlEx& g) { return g.SetItemText(1, 1, L"5"); }, true},
      {"width", [](CGridCtrlEx& g) { return g.SetColumnWidth(1, 84); }, true},
      {"column format", [](CGridCtrlEx& g) { return g.SetColumnFormat(1, kDtCenter); }, true},
      {"cell format", [](CGridCtrlEx& g) { return g.SetItemFormat(1, 1, kDtRight); }, true},
      {"focused cell", [](CGridCtrlEx& g) { g.SetFocusCell(1, 1); return TRUE; }, true},
      {"edit", [](CGridCtrlEx& g) { return g.EditCell(1, 1, L"7"); }, true},
      {"text outside", [](CGridCtrlEx& g) { return !g.SetItemText(5, 1, L"5"); }, false},
      {"width outside", [](CGridCtrlEx& g) { return !g.SetColumnWidth(3, 1); }, false},
      {"edit of a fixed cell", [](CGridCtrlEx& g) { return !g.EditCell(0, 1, L"7"); }, false},
      {"input limit", [](CGridCtrlEx& g) { return g.SetItemLimitText(1, 1, 3); }, false},
  };
  CGridCtrlEx grid;
  RecordingView view;
  grid.SetView(&view);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = view.changes;
    EXPECT_TRUE(row.change(grid));
    EXPECT_EQ(view.changes > before, row.notified);
  }
  EXPECT_EQ(view.gone, 0);
}

TEST(GridView, TheViewLearnsWhenTheGridDiesAndADetachedViewHearsNothing) {
  RecordingView view;
  auto grid = std::make_unique<CGridCtrlEx>();
  grid->SetView(&view);
  grid.reset();
  EXPECT_EQ(view.gone, 1);

  RecordingView detached;
  CGridCtrlEx other;
  other.SetView(&detached);
  other.SetView(nullptr);
  other.SetRowCount(2);
  EXPECT_EQ(detached.changes, 0);
}

}  // namespace
}  // namespace pf
