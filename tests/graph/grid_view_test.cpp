// The grid tells its view (the window that shows it) of every change of what
// it draws, and that it is gone when it dies first.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "graph/GridCtrl.h"

namespace pf {
namespace {

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
