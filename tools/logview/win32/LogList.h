// The viewer's list on Windows: a virtual report list view over the book's
// lines (the control asks for the text of the rows it paints, so adding
// lines costs no control items), with failed calls in red and session lines
// in blue. It follows new lines only while its last line is in view. Only
// Win32 code here.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "LogBook.h"

namespace pf {

class LogList {
 public:
  explicit LogList(const LogBook& book) : book_(book) {}

  bool Create(HWND parent, HINSTANCE instance, int id);
  HWND hwnd() const { return list_; }

  // Shows the book's lines as they are now: scrolled to the newest when the
  // reader was at the end, else left where the reader is.
  void Refresh();

  // Fits the list into the window; a reader at the end stays at the end
  // (a smaller window would otherwise leave the newest lines below it and
  // stop the list from following).
  void Resize(int width, int height);

  // The list's answer to its notifications (rows' texts and colours).
  LRESULT Notify(NMHDR& header);

  // Selects the line and scrolls it into view.
  void Select(std::size_t index);

  // The selected line; npos when none is.
  std::size_t Selected() const;

 private:
  bool AtEnd() const;
  void ShowNewest() const;
  void FillCell(NMLVDISPINFOW& info);
  LRESULT Paint(NMLVCUSTOMDRAW& draw) const;

  const LogBook& book_;
  HWND list_ = nullptr;
  std::size_t shown_ = 0;
  std::wstring cell_;
};

}  // namespace pf
