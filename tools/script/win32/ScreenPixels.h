// Only Win32 code here. The screen's pixels inside an area, as a person sees
// them (with whatever stands in front of a window, a message box say): read
// by the grid driving to find cells, and kept as 24-bit BMP files for the
// screenshots.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace pf {

class ScreenPixels {
 public:
  // Reads the pixels inside `area` (screen coordinates); false when the
  // area is empty or the screen cannot be read.
  bool Read(const RECT& area);

  int width() const { return width_; }
  int height() const { return height_; }
  // The colour at (x, y) of the area.
  COLORREF At(int x, int y) const;

  // Writes the pixels as a BMP file; false when it cannot be written.
  bool WriteBmp(const std::wstring& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;   // top row first, blue in the low byte
};

}  // namespace pf
