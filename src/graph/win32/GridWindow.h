// Only Win32 code here. The grid's window: one per CGridCtrl whose dialog
// created it (the CChildControl arrives as WM_NCCREATE's lpCreateParams). It
// attaches itself to the grid as its view, paints the cells, and turns
// mouse and keyboard input into the grid's operations:
//
//   click on an editable cell, F2, Enter or typing   in-place editor (id 8) on the cell
//   Enter, or the editor losing the focus              the edit ends: CGridCtrlEx::EditCell
//   Escape                                             the edit is dropped
//   arrow keys                                         the focused cell moves
//
// The object lives from WM_NCCREATE to WM_NCDESTROY; when the grid object
// dies first, the window shows nothing and takes no input.
#pragma once

#include <string>

#include "graph/GridCtrl.h"
#include "graph/GridLayout.h"

#include <windows.h>

namespace pf {

class GridWindow final : public IGridView {
 public:
  // The class's window procedure; nothing it calls throws out of it.
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;

 private:
  GridWindow(HWND hwnd, CGridCtrl& grid);
  ~GridWindow() = default;

  static LRESULT CALLBACK EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  static GridWindow* Create(HWND hwnd, const CREATESTRUCTW& create);

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEditor(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);
  void Destroyed();

  // IGridView
  void OnGridChanged() override;
  void OnGridGone() override;

  void MeasureRows();
  CGridLayout Layout() const { return CGridLayout(*grid_, rowHeight_, topRow_); }
  int PageRows() const;
  void UpdateScrollBar();
  void ScrollTo(int topRow);
  void OnVScroll(int request);
  void ShowRow(int row);

  void Paint(HDC dc);
  void PaintCell(HDC dc, int row, int column, const RECT& cell);

  void OnLButtonDown(POINT pt);
  UINT DialogCode(const MSG* msg) const;
  bool OnKeyDown(WPARAM key);
  void OnChar(WPARAM ch, LPARAM lParam);
  void MoveFocus(int rowStep, int columnStep);

  // Opens the editor on a cell with its text selected; with `typed`, the
  // editor starts empty and gets that character as typed.
  void BeginEdit(int row, int column, const MSG* typed);
  // Ends the open edit: the cell takes the text (commit) or keeps its own.
  // `refocus`: the editor has the focus, which goes back to the grid.
  void EndEdit(bool commit, bool refocus);

  HWND hwnd_;
  CGridCtrl* grid_;      // null once the grid object is gone
  CGridCtrlEx* gridEx_;  // the same grid when it can be edited, else null
  HFONT font_ = nullptr;
  int rowHeight_ = 0;
  int topRow_ = 0;
  HWND editor_ = nullptr;
  int editRow_ = -1;
  int editColumn_ = -1;
};

}  // namespace pf
