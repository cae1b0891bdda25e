// CPicture: what a picture control shows, in the machine's own units: one
// path (a polyline through the positions the motion passes), the start
// point, the stroke limits of the two axes of the picture, and the axes'
// names. A move along one axis is a picture whose vertical axis has no name:
// its points all lie at height 0 and only its horizontal limits count.
//
// A limit that is not known is absent: the picture then shows no line for
// it. The headless toolkit keeps the value as it is given (tests and the page
// printer read it back, DescribePicture); the Win32 toolkit draws it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pf {

struct PictureCoord {
  double x = 0.0;
  double y = 0.0;

  bool operator==(const PictureCoord& o) const { return x == o.x && y == o.y; }
};

// The stroke ends of one axis of the picture; either may be unknown.
struct PictureLimits {
  std::optional<double> minus;
  std::optional<double> plus;

  bool operator==(const PictureLimits& o) const { return minus == o.minus && plus == o.plus; }
};

struct CPicture {
  std::vector<PictureCoord> path;
  std::optional<PictureCoord> start;
  PictureLimits horizontal;
  PictureLimits vertical;
  std::wstring horizontalName;
  std::wstring verticalName;    // empty for a move along one axis

  bool IsEmpty() const { return path.empty() && !start.has_value(); }
  bool operator==(const CPicture& o) const {
    return path == o.path && start == o.start && horizontal == o.horizontal && vertical == o.vertical &&
           horizontalName == o.horizontalName && verticalName == o.verticalName;
  }
};

// The picture in one line of text, numbers with three decimals, "****" for
// an unknown limit: the axes, the start, the path's point count and extent,
// and the limits, such as (in one line)
//   X/Y start 10.000 0.000, path 145 points X 10.000 .. 210.000 Y -100.000 .. 100.000,
//   limits X -200.000 .. 150.000 Y **** .. ****
// A move along one axis names one axis and one coordinate; an empty
// picture is "no picture".
std::wstring DescribePicture(const CPicture& picture);

// The smallest and largest coordinates of the path; false when it is empty.
bool PathExtent(const std::vector<PictureCoord>& path, PictureCoord* low, PictureCoord* high);

}  // namespace pf
