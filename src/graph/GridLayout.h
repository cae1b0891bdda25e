// Where a grid's cells sit in its window, in client pixels, and how the
// keyboard moves its focused cell: the geometry that the grid's window
// paints, hit-tests and scrolls by, kept apart from the platform.
//
// A one-pixel frame surrounds the cells. The fixed rows stay at the top;
// below them the scrollable rows follow from the first one shown (the top
// row). Columns stand side by side from the left at their widths; each cell
// draws its grid lines on its own right and bottom pixels.
//
//   CGridLayout layout(grid, rowHeight, topRow);
//   Rect cell = layout.CellRect(2, 1);
//   int row = 0, column = 0;
//   if (layout.HitTest(pt, row, column)) ...
#pragma once

#include "graph/GridCtrl.h"

namespace pf {

class CGridLayout {
 public:
  static constexpr int kFrame = 1;

  // `topRow` is clamped to the scrollable rows (the first one when the grid
  // has none).
  CGridLayout(const CGridCtrl& grid, int rowHeight, int topRow);

  int TopRow() const { return topRow_; }
  int RowHeight() const { return rowHeight_; }

  // The cell's rectangle; an empty one (all zero) for a cell outside the
  // grid or in a scrollable row above the top row.
  Rect CellRect(int row, int column) const;
  // The cell under `pt`; false when there is none.
  bool HitTest(Point pt, int& row, int& column) const;

  // How many scrollable rows fit into a client area `height` pixels high
  // (at least one).
  int PageRows(int height) const;
  // The highest top row that still fills a page of `pageRows` rows.
  int LastTopRow(int pageRows) const;
  // The top row nearest to the current one that shows `row` on a page of
  // `pageRows` rows.
  int TopRowShowing(int row, int pageRows) const;

 private:
  const CGridCtrl& grid_;
  int rowHeight_;
  int topRow_;
};

// The cell that an arrow key moves the focus to: one step by `rowStep` and
// `columnStep` from (row, column), kept inside the editable (non-fixed)
// cells. With no focused cell the first editable cell is taken. False, and
// nothing changed, when the grid has no editable cell.
bool StepFocusCell(const CGridCtrl& grid, int rowStep, int columnStep, int& row, int& column);

}  // namespace pf
