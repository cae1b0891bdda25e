// Only Win32 code here. Where a cell of the grid control stands, found as a
// person finds it: by looking at the grid. Every cell draws its grid lines
// (in the platform's shadow colour) on its own right and bottom pixels, so
// the lines down the first column give the rows shown and the lines along a
// row give its columns. Rows count from the top of the window, so a grid
// scrolled down is read as if its top row were the first one.
#pragma once

#include <string>

#include <windows.h>

namespace pf {

// The middle of cell (row, column) in the grid's client coordinates; an
// empty text, or why the cell cannot be found (not shown, the screen not
// readable).
std::wstring FindGridCell(HWND grid, int row, int column, POINT* centre);

}  // namespace pf
