// The grid's geometry (see GridLayout.h).
#include "graph/GridLayout.h"

#include <algorithm>

namespace pf {

CGridLayout::CGridLayout(const CGridCtrl& grid, int rowHeight, int topRow)
    : grid_(grid), rowHeight_(rowHeight), topRow_(grid.GetFixedRowCount()) {
  const int lastRow = std::max(grid.GetFixedRowCount(), grid.GetRowCount() - 1);
  topRow_ = std::clamp(topRow, grid.GetFixedRowCount(), lastRow);
}

Rect CGridLayout::CellRect(int row, int column) const {
  const int fixedRows = grid_.GetFixedRowCount();
  const bool scrolledOut = row >= fixedRows && row < topRow_;
  if (row < 0 || row >= grid_.GetRowCount() || column < 0 || column >= grid_.GetColumnCount() || scrolledOut) {
    return Rect();
  }
  const int shownRow = row < fixedRows ? row : fixedRows + row - topRow_;
  Rect rect;
  rect.left = kFrame;
  for (int c = 0; c < column; ++c) rect.left += grid_.GetColumnWidth(c);
  rect.right = rect.left + grid_.GetColumnWidth(column);
  rect.top = kFrame + shownRow * rowHeight_;
  rect.bottom = rect.top + rowHeight_;
  return rect;
}

bool CGridLayout::HitTest(Point pt, int& row, int& column) const {
  if (pt.x < kFrame || pt.y < kFrame || rowHeight_ <= 0) return false;
  const int fixedRows = grid_.GetFixedRowCount();
  const int shownRow = (pt.y - kFrame) / rowHeight_;
  const int hitRow = shownRow < fixedRows ? shownRow : topRow_ + shownRow - fixedRows;
  if (hitRow >= grid_.GetRowCount()) return false;
  int left = kFrame;
  for (int c = 0; c < grid_.GetColumnCount(); ++c) {
    const int right = left + grid_.GetColumnWidth(c);
    if (pt.x < right) {
      row = hitRow;
      column = c;
      return true;
    }
    left = right;
  }
  return false;
}

int CGridLayout::PageRows(int height) const {
  if (rowHeight_ <= 0) return 1;
  const int free = height - 2 * kFrame - grid_.GetFixedRowCount() * rowHeight_;
  return std::max(1, free / rowHeight_);
}

int CGridLayout::LastTopRow(int pageRows) const {
  return std::max(grid_.GetFixedRowCount(), grid_.GetRowCount() - pageRows);
}

int CGridLayout::TopRowShowing(int row, int pageRows) const {
  if (row < grid_.GetFixedRowCount()) return topRow_;
  if (row < topRow_) return row;
  if (row >= topRow_ + pageRows) return row - pageRows + 1;
  return topRow_;
}

bool StepFocusCell(const CGridCtrl& grid, int rowStep, int columnStep, int& row, int& column) {
  const int firstRow = grid.GetFixedRowCount();
  const int firstColumn = grid.GetFixedColumnCount();
  if (firstRow >= grid.GetRowCount() || firstColumn >= grid.GetColumnCount()) return false;
  if (row < firstRow || column < firstColumn) {
    row = firstRow;
    column = firstColumn;
    return true;
  }
  row = std::clamp(row + rowStep, firstRow, grid.GetRowCount() - 1);
  column = std::clamp(column + columnStep, firstColumn, grid.GetColumnCount() - 1);
  return true;
}

}  // namespace pf
