// The program page's axis grid: one row per axis of the program's part
// system with the axis's start position and the order of its move to it
// (the record's m_aryAxis), and what an edit of a cell stores.
#pragma once

#include <string>
#include <vector>

#include "graph/GridCtrl.h"
#include "program/ProgramAxisInfo.h"

namespace pf {

// Fills the grid: a fixed header row (12621, 14039, 14037; centred; widths
// 40, 84, 40 at the standard DPI, scaled to `dpi`) and a fixed label
// column, then, in axis order, one row for
// every entry i of `axes` whose label (entry i of `axisLabels`) belongs to
// part system `systemDigit`: label, start position (up to 13 characters)
// and order (up to 2), right-aligned.
void FillAxisGrid(CGridCtrlEx& grid, unsigned dpi, const std::vector<std::wstring>& axisLabels,
                  const std::wstring& systemDigit, const CProgramAxisInfoAry& axes);

// Stores the edit that ended in cell (row, column): the axis is the first
// label equal to the row's label. An empty start position becomes "0"; a
// negative order brings the stored order back. The cell shows what was
// stored.
void EndAxisGridEdit(CGridCtrlEx& grid, int row, int column, const std::vector<std::wstring>& axisLabels,
                     CProgramAxisInfoAry& axes);

}  // namespace pf
