// Where a picture's parts fall in a control of a given size, in pixels: the
// drawing backend only strokes what this computes.
//
// The view holds the whole path (and the start point) with one scale for
// both axes, so that a circle stays round, centred in the control inside a
// margin. A known stroke limit is drawn as a line across the view where it
// lies; the view grows to take in every limit that lies within one path size
// of the path (a circle near its stroke end shows both). A limit farther away
// would shrink the path to a dot, so it stays outside the view and is not
// drawn: the verdict line names it. Machine up (+y) is screen up.
#pragma once

#include <optional>
#include <vector>

#include "ui/Picture.h"
#include "ui/UiTypes.h"

namespace pf {

struct PictureLine {
  Point from;
  Point to;

  bool operator==(const PictureLine& o) const {
    return from.x == o.from.x && from.y == o.from.y && to.x == o.to.x && to.y == o.to.y;
  }
};

struct PictureLayout {
  Rect view;                        // the area inside the margin
  std::vector<Point> path;
  std::optional<Point> start;
  std::vector<PictureLine> limits;  // minus then plus of the horizontal axis, then of the vertical
};

// Lays `picture` out in `client` (the control's client area) with `margin`
// pixels left free on every side. An empty picture, or a client area too
// small for the margin, gives an empty layout.
PictureLayout LayOutPicture(const CPicture& picture, const Rect& client, int margin);

}  // namespace pf
