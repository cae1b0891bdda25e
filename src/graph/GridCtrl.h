// Our stand-in for the host's grid control: a table of text cells with fixed
// header rows and columns, created at run time inside a dialog.
//
// CGridCtrl holds the cells, their sizes and the focused cell; CGridCtrlEx
// adds per-column and per-cell formats, per-cell input limits and in-place
// editing: a cell edit ends with the end-of-edit notification (Notify::
// EndLabelEdit, with the cell's row and column) to the parent dialog, whose
// answer 0 accepts the typed text. The in-place editor is a control of its
// own with id PF_IDC_GRID_EDITOR (res/controls.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "res/controls.h"
#include "ui/ChildControl.h"

namespace pf {

// Text-drawing flags used as cell formats.
inline constexpr unsigned kDtCenter = 0x1;
inline constexpr unsigned kDtRight = 0x2;
inline constexpr unsigned kDtVCenter = 0x4;

// Where a cell of a grid `columns` wide lies in its row-by-row storage.
inline std::size_t GridCellIndex(int row, int columns, int column) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column);
}

// The platform window class of the grid's window.
inline constexpr wchar_t kGridWindowClass[] = L"PathForgeGridCtrl";

// What shows a grid: told after every change of what it draws (cells,
// counts, widths, formats, the focused cell), and when the grid object dies
// before the view does.
class IGridView {
 public:
  virtual void OnGridChanged() = 0;
  virtual void OnGridGone() = 0;

 protected:
  ~IGridView() = default;
};

class CGridCtrl : public CChildControl {
 public:
  CGridCtrl() = default;
  // Tells the view that the grid is gone.
  ~CGridCtrl() override;
  CGridCtrl(const CGridCtrl&) = delete;
  CGridCtrl& operator=(const CGridCtrl&) = delete;

  const wchar_t* GetWindowClass() const override { return kGridWindowClass; }

  // Creates the grid's window in `parent` with control id `id`.
  BOOL Create(const Rect& rect, CDialog* parent, int id, unsigned style);

  // The view that shows the grid (null: none). One at a time.
  void SetView(IGridView* view) { view_ = view; }

  // Changing a count keeps the cells that stay and empties new ones.
  BOOL SetRowCount(int rows);
  BOOL SetColumnCount(int columns);
  BOOL SetFixedRowCount(int rows);
  BOOL SetFixedColumnCount(int columns);
  int GetRowCount() const { return rows_; }
  int GetColumnCount() const { return columns_; }
  int GetFixedRowCount() const { return fixedRows_; }
  int GetFixedColumnCount() const { return fixedColumns_; }

  // Cells outside the grid: SetItemText fails, GetItemText gives "".
  BOOL SetItemText(int row, int column, const std::wstring& text);
  std::wstring GetItemText(int row, int column) const;

  BOOL SetColumnWidth(int column, int width);
  int GetColumnWidth(int column) const;

  // The focused cell; (-1, -1) when none.
  void SetFocusCell(int row, int column);
  int GetFocusRow() const { return focusRow_; }
  int GetFocusColumn() const { return focusColumn_; }

 protected:
  bool IsCell(int row, int column) const { return row >= 0 && row < rows_ && column >= 0 && column < columns_; }
  std::size_t CellIndex(int row, int column) const { return GridCellIndex(row, columns_, column); }

  // Called after the rows or columns changed (the cells were re-laid).
  virtual void OnResize(int oldRows, int oldColumns);
  // Tells the view that what it draws changed.
  void Changed();

 private:
  void Resize(int rows, int columns);

  IGridView* view_ = nullptr;
  int rows_ = 0;
  int columns_ = 0;
  int fixedRows_ = 0;
  int fixedColumns_ = 0;
  std::vector<std::wstring> cells_;
  std::vector<int> widths_;
  int focusRow_ = -1;
  int focusColumn_ = -1;
};

class CGridCtrlEx : public CGridCtrl {
 public:
  BOOL SetColumnFormat(int column, unsigned format);
  unsigned GetColumnFormat(int column) const;
  // A cell's own format; the column's format where none was set.
  BOOL SetItemFormat(int row, int column, unsigned format);
  unsigned GetItemFormat(int row, int column) const;
  // The most characters the in-place editor takes in the cell (0: no limit).
  BOOL SetItemLimitText(int row, int column, int maxChars);
  int GetItemLimitText(int row, int column) const;

  // True for a cell that a person may edit: inside the grid and not fixed.
  bool CanEditCell(int row, int column) const;

  // A person edits a cell in place: the cell becomes the focused one, the
  // typed text is cut to the cell's limit and stands in the cell, and the
  // parent is told with the end-of-edit notification. An answer other than
  // 0 rejects the edit: the cell gets its old text back. Fixed cells and
  // cells outside the grid cannot be edited (FALSE). The grid's window
  // calls it with the editor's text whenever an in-place edit ends, unless
  // the edit was cancelled.
  BOOL EditCell(int row, int column, const std::wstring& typed);

 protected:
  void OnResize(int oldRows, int oldColumns) override;

 private:
  std::vector<unsigned> columnFormats_;
  std::vector<unsigned> itemFormats_;  // 0: the column's
  std::vector<int> limits_;
};

}  // namespace pf
