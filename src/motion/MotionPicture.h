// The picture of one program file's motion: its path projected onto the
// plane of the program (or onto the moved axis for a single-axis move), the
// start point and the stroke ends of the picture's axes. Pure geometry in
// the NC's length unit; PictureLayout.h places it in a drawing, which the
// pages (GDI or headless) and pathforge (SVG) then draw.
#pragma once

#include <string>
#include <vector>

namespace pf {

struct PicturePoint {
  double x = 0.0;
  double y = 0.0;
};

// The stroke ends of one picture axis; known when the NC gave a stroke range.
struct PictureLimits {
  bool known = false;
  double minus = 0.0;
  double plus = 0.0;
};

struct MotionPicture {
  std::wstring fileName;        // the program file, "Circle1.eia"
  std::wstring horizontalAxis;  // the axis along x, "X"
  std::wstring verticalAxis;    // the axis along y; empty: a single-axis move drawn along x (y stays 0)
  std::vector<PicturePoint> path;  // the swept path in order (arcs as short chords through their extremes)
  PicturePoint start;              // where the file's motion starts
  PictureLimits horizontalLimits;
  PictureLimits verticalLimits;    // never known for a single-axis picture

  // A file without motion has no picture, not a lone start point.
  bool IsEmpty() const { return path.empty(); }
};

}  // namespace pf
