// The viewer's list on Windows: a virtual report list view over a LogView's
// rows (the control asks for the text of the rows it paints, so adding lines
// costs no control items), with failed calls in red, session lines and notes
// in blue and highlighted lines in yellow. Several lines can be selected.
// Column widths follow the window's DPI: they are kept in pixels at 96 DPI.
// Only Win32 code here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

#include "LogView.h"

namespace pf {

struct LineColours {
  COLORREF text;
  COLORREF back;
};

class LogList {
 public:
  explicit LogList(const LogView& view) : view_(view) {}

  // Makes the list with the column widths given (at 96 DPI; the defaults
  // where a width is missing or unusable).
  bool Create(HWND parent, HINSTANCE instance, int id, const std::vector<int>& widths);
  HWND hwnd() const { return list_; }

  // Shows the view's rows as they are now, `left` rows having left its front:
  // the selection stays on its lines; with `follow`, the newest row is
  // scrolled into view.
  void Refresh(std::size_t left, bool follow);

  // Shows the view's rows after they were made anew: nothing selected.
  void Reset();

  // The column widths at 96 DPI, as they are now.
  std::vector<int> Widths() const;
  // Sets the widths for the window's DPI now.
  void ApplyDpi(const std::vector<int>& widths);

  // The list's answer to its notifications (rows' texts and colours).
  LRESULT Notify(NMHDR& header);

  // Selects the row alone and scrolls it into view.
  void Select(std::size_t row);
  void SelectAll();
  // The selected rows, in order; the focused row (npos when none).
  std::vector<std::size_t> Selected() const;
  std::size_t Focused() const;
  // The row's rectangle on the screen.
  RECT RowOnScreen(std::size_t row) const;

 private:
  void FillCell(NMLVDISPINFOW& info);
  LRESULT Paint(NMLVCUSTOMDRAW& draw) const;
  const LineColours* Colours(std::size_t row) const;  // nullptr: the list's own
  void SetState(std::size_t row, UINT state, UINT mask) const;

  const LogView& view_;
  HWND list_ = nullptr;
  std::size_t shown_ = 0;
  std::wstring cell_;
};

// The window's DPI (96 when it cannot be told).
int WindowDpi(HWND window);

}  // namespace pf
