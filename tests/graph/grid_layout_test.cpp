// Where the grid's window puts the cells, which cell a point hits, how it
// scrolls and where the arrow keys move the focused cell.
#include <gtest/gtest.h>

#include "common/Format.h"
#include "graph/GridLayout.h"

namespace pf {
namespace {

constexpr int kRowHeight = 20;

// Six rows (one fixed), three columns (one fixed) 40, 84 and 40 pixels wide.
class GridLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetColumnCount(3);
    grid.SetRowCount(6);
    grid.SetFixedColumnCount(1);
    grid.SetFixedRowCount(1);
    const int widths[] = {40, 84, 40};
    for (int column = 0; column < 3; ++column) grid.SetColumnWidth(column, widths[column]);
  }

  CGridCtrlEx grid;
};

TEST_F(GridLayoutTest, CellsSitInsideTheFrameWithTheFixedRowsAboveTheScrolledOnes) {
  const struct {
    int topRow, row, column;
    Rect expected;
  } rows[] = {
      {1, 0, 0, {1, 1, 41, 21}},     {1, 0, 1, {41, 1, 125, 21}},  {1, 1, 2, {125, 21, 165, 41}},
      {1, 5, 1, {41, 101, 125, 121}}, {3, 0, 2, {125, 1, 165, 21}}, {3, 3, 1, {41, 21, 125, 41}},
      {3, 4, 0, {1, 41, 41, 61}},     {3, 2, 1, {}},                {1, 6, 1, {}},
      {1, 1, 3, {}},                  {1, -1, 0, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(Format(L"top %d, cell %d,%d", row.topRow, row.row, row.column));
    EXPECT_EQ(CGridLayout(grid, kRowHeight, row.topRow).CellRect(row.row, row.column), row.expected);
  }
}

TEST_F(GridLayoutTest, APointHitsTheCellDrawnThere) {
  const struct {
    int topRow;
    Point pt;
    bool hit;
    int row, column;
  } rows[] = {
      {1, {1, 1}, true, 0, 0},    {1, {41, 21}, true, 1, 1},   {1, {164, 120}, true, 5, 2},
      {3, {50, 25}, true, 3, 1},  {3, {50, 5}, true, 0, 1},    {1, {0, 5}, false, 0, 0},
      {1, {165, 5}, false, 0, 0}, {1, {10, 121}, false, 0, 0}, {4, {10, 61}, false, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(Format(L"top %d, point %d,%d", row.topRow, row.pt.x, row.pt.y));
    int hitRow = -1;
    int hitColumn = -1;
    ASSERT_EQ(CGridLayout(grid, kRowHeight, row.topRow).HitTest(row.pt, hitRow, hitColumn), row.hit);
    if (!row.hit) continue;
    EXPECT_EQ(hitRow, row.row);
    EXPECT_EQ(hitColumn, row.column);
  }
}

TEST_F(GridLayoutTest, ScrollingKeepsTheTopRowAmongTheScrollableRows) {
  EXPECT_EQ(CGridLayout(grid, kRowHeight, 0).TopRow(), 1);
  EXPECT_EQ(CGridLayout(grid, kRowHeight, 99).TopRow(), 5);
  const CGridLayout layout(grid, kRowHeight, 1);
  EXPECT_EQ(layout.PageRows(100), 3);   // 100 - frame 2 - header 20 leaves 78
  EXPECT_EQ(layout.PageRows(10), 1);
  EXPECT_EQ(layout.LastTopRow(3), 3);
  EXPECT_EQ(layout.LastTopRow(10), 1);

  const struct {
    int topRow, row, expected;
  } rows[] = {{1, 0, 1}, {1, 3, 1}, {1, 4, 2}, {1, 5, 3}, {3, 1, 1}, {3, 4, 3}, {3, 2, 2}};
  for (const auto& row : rows) {
    SCOPED_TRACE(Format(L"top %d, row %d", row.topRow, row.row));
    EXPECT_EQ(CGridLayout(grid, kRowHeight, row.topRow).TopRowShowing(row.row, 3), row.expected);
  }
}

TEST_F(GridLayoutTest, ArrowKeysMoveTheFocusedCellInsideTheEditableCells) {
  const struct {
    int row, column, rowStep, columnStep, toRow, toColumn;
  } rows[] = {
      {-1, -1, 1, 0, 1, 1}, {0, 1, 0, 1, 1, 1}, {1, 1, -1, 0, 1, 1}, {1, 1, 0, 1, 1, 2},
      {1, 2, 0, 1, 1, 2},   {5, 1, 1, 0, 5, 1}, {2, 2, 0, -1, 2, 1}, {3, 1, 1, 0, 4, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(Format(L"%d,%d by %d,%d", row.row, row.column, row.rowStep, row.columnStep));
    int toRow = row.row;
    int toColumn = row.column;
    ASSERT_TRUE(StepFocusCell(grid, row.rowStep, row.columnStep, toRow, toColumn));
    EXPECT_EQ(toRow, row.toRow);
    EXPECT_EQ(toColumn, row.toColumn);
  }
  grid.SetRowCount(1);
  int toRow = -1;
  int toColumn = -1;
  EXPECT_FALSE(StepFocusCell(grid, 1, 0, toRow, toColumn));
  EXPECT_EQ(toRow, -1);
}

}  // namespace
}  // namespace pf
