// The axis grid (see AxisGrid.h).
#include "pages/page/AxisGrid.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "pages/ProgramPageRules.h"
#include "program/MoveNames.h"

namespace pf {
namespace {

enum AxisGridColumn : int { kColumnAxis = 0, kColumnPosition = 1, kColumnOrder = 2 };

// The header of each column and its width in pixels at the standard DPI
// (on a denser screen the header's text is larger, and so is the column).
struct GridColumn {
  unsigned titleId;
  int width;
};
constexpr GridColumn kColumns[] = {
    {12621, 40},  // axis label
    {14039, 84},  // start position
    {14037, 40},  // order
};

constexpr unsigned kHeaderFormat = kDtCenter | kDtVCenter;
constexpr unsigned kValueFormat = kDtRight | kDtVCenter;

std::wstring OrderText(int order) { return Format(L"%d", order); }

}  // namespace

void FillAxisGrid(CGridCtrlEx& grid, unsigned dpi, const std::vector<std::wstring>& axisLabels,
                  const std::wstring& systemDigit, const CProgramAxisInfoAry& axes) {
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < axes.size(); ++i) {
    if (SystemDigit(axisLabels.at(i)) == systemDigit) shown.push_back(i);
  }
  const int columns = static_cast<int>(std::size(kColumns));
  grid.SetColumnCount(columns);
  grid.SetRowCount(1 + static_cast<int>(shown.size()));
  grid.SetFixedColumnCount(1);
  grid.SetFixedRowCount(1);
  for (int column = 0; column < columns; ++column) {
    const GridColumn& header = kColumns[column];
    grid.SetItemText(0, column, LoadResString(header.titleId));
    grid.SetColumnFormat(column, kHeaderFormat);
    grid.SetColumnWidth(column, ScaledToDpi(header.width, dpi));
  }
  int row = 1;
  for (std::size_t i : shown) {
    const CProgramAxisInfo& axis = axes[i];
    grid.SetItemText(row, kColumnAxis, axisLabels[i]);
    grid.SetItemText(row, kColumnPosition, axis.m_strPosition);
    grid.SetItemLimitText(row, kColumnPosition, kAxisPositionLimit);
    grid.SetItemFormat(row, kColumnPosition, kValueFormat);
    grid.SetItemText(row, kColumnOrder, OrderText(axis.m_nOrder));
    grid.SetItemLimitText(row, kColumnOrder, kAxisOrderLimit);
    grid.SetItemFormat(row, kColumnOrder, kValueFormat);
    ++row;
  }
}

void EndAxisGridEdit(CGridCtrlEx& grid, int row, int column, const std::vector<std::wstring>& axisLabels,
                     CProgramAxisInfoAry& axes) {
  const std::wstring label = grid.GetItemText(row, kColumnAxis);
  const auto found = std::find(axisLabels.begin(), axisLabels.end(), label);
  CProgramAxisInfo& axis = axes.at(static_cast<std::size_t>(found - axisLabels.begin()));
  std::wstring text = grid.GetItemText(row, column);
  if (column == kColumnPosition) {
    if (text.empty()) text = L"0";
    axis.m_strPosition = text;
  } else if (column == kColumnOrder) {
    const int order = TextToInt(text);
    if (order >= 0) axis.m_nOrder = order;
    text = OrderText(axis.m_nOrder);
  }
  grid.SetItemText(row, column, text);
}

}  // namespace pf
