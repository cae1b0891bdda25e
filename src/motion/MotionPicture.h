// The picture of one program file's motion: its path projected onto the
// plane of the program (or onto the moved axis for a single-axis move), the
// start point and the stroke-limit box. Pure geometry in the NC's length
// unit; the pages draw it (GDI or headless) and pathforge writes it as SVG.
#pragma once

#include <string>
#include <vector>

namespace pf {

struct PicturePoint {
  double x = 0.0;
  double y = 0.0;
};

struct MotionPicture {
  std::wstring fileName;        // the program file, "Circle1.eia"
  std::wstring horizontalAxis;  // the axis along x, "X"
  std::wstring verticalAxis;    // the axis along y; empty: a single-axis move drawn along x (y stays 0)
  std::vector<PicturePoint> path;  // the swept path in order (arcs as short chords)
  PicturePoint start;              // where the file's motion starts
  bool limitsKnown = false;        // both picture axes have stroke limits read from the NC
  PicturePoint limitMin;           // the stroke-limit box (y 0 for a single-axis picture)
  PicturePoint limitMax;
};

}  // namespace pf
