#include "graph/GridCtrl.h"

#include "graph/GridWindowClass.h"

#include <algorithm>

namespace pf {
namespace {

// Copies the cells of an old rows x columns layout into a new one.
template <class T>
std::vector<T> Relaid(const std::vector<T>& old, int oldColumns, int rows, int columns, int oldRows) {
  std::vector<T> cells(static_cast<std::size_t>(rows * columns), T());
  for (int r = 0; r < std::min(rows, oldRows); ++r)
    for (int c = 0; c < std::min(columns, oldColumns); ++c)
      cells[GridCellIndex(r, columns, c)] = old[GridCellIndex(r, oldColumns, c)];
  return cells;
}

}  // namespace

CGridCtrl::~CGridCtrl() {
  if (view_ != nullptr) view_->OnGridGone();
}

BOOL CGridCtrl::Create(const Rect& rect, CDialog* parent, int id, unsigned style) {
  if (!RegisterGridWindowClass()) return FALSE;
  return CreateChild(parent, id, rect, style);
}

void CGridCtrl::Changed() {
  if (view_ != nullptr) view_->OnGridChanged();
}

BOOL CGridCtrl::SetRowCount(int rows) {
  if (rows < 0) return FALSE;
  Resize(rows, columns_);
  return TRUE;
}

BOOL CGridCtrl::SetColumnCount(int columns) {
  if (columns < 0) return FALSE;
  Resize(rows_, columns);
  return TRUE;
}

BOOL CGridCtrl::SetFixedRowCount(int rows) {
  if (rows < 0 || rows > rows_) return FALSE;
  fixedRows_ = rows;
  Changed();
  return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int columns) {
  if (columns < 0 || columns > columns_) return FALSE;
  fixedColumns_ = columns;
  Changed();
  return TRUE;
}

void CGridCtrl::Resize(int rows, int columns) {
  const int oldRows = rows_;
  const int oldColumns = columns_;
  cells_ = Relaid(cells_, oldColumns, rows, columns, oldRows);
  widths_.resize(static_cast<std::size_t>(columns), 0);
  rows_ = rows;
  columns_ = columns;
  fixedRows_ = std::min(fixedRows_, rows);
  fixedColumns_ = std::min(fixedColumns_, columns);
  if (!IsCell(focusRow_, focusColumn_)) focusRow_ = focusColumn_ = -1;
  OnResize(oldRows, oldColumns);
  Changed();
}

void CGridCtrl::OnResize(int, int) {}

BOOL CGridCtrl::SetItemText(int row, int column, const std::wstring& text) {
  if (!IsCell(row, column)) return FALSE;
  cells_[CellIndex(row, column)] = text;
  Changed();
  return TRUE;
}

std::wstring CGridCtrl::GetItemText(int row, int column) const {
  return IsCell(row, column) ? cells_[CellIndex(row, column)] : std::wstring();
}

BOOL CGridCtrl::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= columns_) return FALSE;
  widths_[static_cast<std::size_t>(column)] = width;
  Changed();
  return TRUE;
}

int CGridCtrl::GetColumnWidth(int column) const {
  return column >= 0 && column < columns_ ? widths_[static_cast<std::size_t>(column)] : 0;
}

void CGridCtrl::SetFocusCell(int row, int column) {
  if (IsCell(row, column)) {
    focusRow_ = row;
    focusColumn_ = column;
  } else {
    focusRow_ = focusColumn_ = -1;
  }
  Changed();
}

void CGridCtrlEx::OnResize(int oldRows, int oldColumns) {
  columnFormats_.resize(static_cast<std::size_t>(GetColumnCount()), 0);
  itemFormats_ = Relaid(itemFormats_, oldColumns, GetRowCount(), GetColumnCount(), oldRows);
  limits_ = Relaid(limits_, oldColumns, GetRowCount(), GetColumnCount(), oldRows);
}

BOOL CGridCtrlEx::SetColumnFormat(int column, unsigned format) {
  if (column < 0 || column >= GetColumnCount()) return FALSE;
  columnFormats_[static_cast<std::size_t>(column)] = format;
  Changed();
  return TRUE;
}

unsigned CGridCtrlEx::GetColumnFormat(int column) const {
  return column >= 0 && column < GetColumnCount() ? columnFormats_[static_cast<std::size_t>(column)] : 0;
}

BOOL CGridCtrlEx::SetItemFormat(int row, int column, unsigned format) {
  if (!IsCell(row, column)) return FALSE;
  itemFormats_[CellIndex(row, column)] = format;
  Changed();
  return TRUE;
}

unsigned CGridCtrlEx::GetItemFormat(int row, int column) const {
  if (!IsCell(row, column)) return 0;
  const unsigned own = itemFormats_[CellIndex(row, column)];
  return own != 0 ? own : GetColumnFormat(column);
}

BOOL CGridCtrlEx::SetItemLimitText(int row, int column, int maxChars) {
  if (!IsCell(row, column) || maxChars < 0) return FALSE;
  limits_[CellIndex(row, column)] = maxChars;
  return TRUE;
}

int CGridCtrlEx::GetItemLimitText(int row, int column) const {
  return IsCell(row, column) ? limits_[CellIndex(row, column)] : 0;
}

bool CGridCtrlEx::CanEditCell(int row, int column) const {
  return IsCell(row, column) && row >= GetFixedRowCount() && column >= GetFixedColumnCount();
}

BOOL CGridCtrlEx::EditCell(int row, int column, const std::wstring& typed) {
  if (!CanEditCell(row, column)) return FALSE;
  SetFocusCell(row, column);
  const int limit = GetItemLimitText(row, column);
  const std::wstring old = GetItemText(row, column);
  SetItemText(row, column, limit > 0 ? typed.substr(0, static_cast<std::size_t>(limit)) : typed);
  NotifyInfo info;
  info.row = row;
  info.column = column;
  if (NotifyParent(Notify::EndLabelEdit, info) != 0) SetItemText(row, column, old);
  return TRUE;
}

}  // namespace pf
