// Only Win32 code here. Finding a grid cell on the screen (see GridCells.h).
#include "tools/script/win32/GridCells.h"

#include <vector>

#include "common/Format.h"
#include "tools/script/win32/ScreenPixels.h"

namespace pf {
namespace {

// The spans between lines inside the one-pixel frame: each ends at a line.
struct Span {
  int first;
  int last;
};

template <class IsLine>
std::vector<Span> Spans(int length, IsLine isLine) {
  std::vector<Span> spans;
  int start = 1;
  for (int i = 1; i < length - 1; ++i) {
    if (!isLine(i)) continue;
    spans.push_back({start, i});
    start = i + 1;
  }
  return spans;
}

}  // namespace

std::wstring FindGridCell(HWND grid, int row, int column, POINT* centre) {
  RECT area{};
  GetClientRect(grid, &area);
  MapWindowPoints(grid, nullptr, reinterpret_cast<POINT*>(&area), 2);
  ScreenPixels picture;
  if (!picture.Read(area) || picture.width() < 4 || picture.height() < 4) {
    return L"the grid cannot be seen on the screen";
  }
  const COLORREF line = GetSysColor(COLOR_3DSHADOW);
  // Down the first column, left of its text.
  const std::vector<Span> rows = Spans(picture.height(), [&](int y) { return picture.At(2, y) == line; });
  if (row < 0 || row >= static_cast<int>(rows.size())) return Format(L"row %d of the grid is not shown", row);
  const Span& rowSpan = rows[static_cast<std::size_t>(row)];
  // Along the row just above its bottom line, below its text.
  const int y = rowSpan.last - 1;
  const std::vector<Span> columns = Spans(picture.width(), [&](int x) { return picture.At(x, y) == line; });
  if (column < 0 || column >= static_cast<int>(columns.size())) {
    return Format(L"column %d of the grid is not shown", column);
  }
  const Span& columnSpan = columns[static_cast<std::size_t>(column)];
  *centre = {(columnSpan.first + columnSpan.last) / 2, (rowSpan.first + rowSpan.last) / 2};
  return L"";
}

}  // namespace pf
