// The picture laid out in pixels (see PictureLayout.h).
#include "ui/PictureLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pf {
namespace {

// The least reach, in machine units, for a path without extent (a single
// point): limits within it still show.
constexpr double kSmallestReach = 1.0;

struct Span {
  double low;
  double high;

  double size() const { return high - low; }
  bool Holds(double v) const { return v >= low && v <= high; }
};

// One axis of the view: the path's own span, grown to take in every known
// limit within `reach` of it.
Span ViewSpan(double low, double high, const PictureLimits& limits, double reach) {
  Span span{low, high};
  for (const std::optional<double>& limit : {limits.minus, limits.plus}) {
    if (limit.has_value() && *limit >= low - reach && *limit <= high + reach) {
      span.low = std::min(span.low, *limit);
      span.high = std::max(span.high, *limit);
    }
  }
  return span;
}

// Pixels per machine unit for `span` in `pixels`; infinite for a span
// without size (it fits any scale).
double FitScale(const Span& span, int pixels) {
  return span.size() > 0.0 ? pixels / span.size() : std::numeric_limits<double>::infinity();
}

// Machine coordinates to pixels: one scale, the spans centred in the view.
class Mapping {
 public:
  Mapping(const Rect& view, const Span& across, const Span& up, double scale)
      : scale_(scale),
        left_(view.left + (view.right - view.left - across.size() * scale) / 2.0 - across.low * scale),
        bottom_(view.bottom - (view.bottom - view.top - up.size() * scale) / 2.0 + up.low * scale) {}

  int X(double x) const { return static_cast<int>(std::lround(left_ + x * scale_)); }
  int Y(double y) const { return static_cast<int>(std::lround(bottom_ - y * scale_)); }
  Point At(const PictureCoord& p) const { return {X(p.x), Y(p.y)}; }

 private:
  double scale_;
  double left_;
  double bottom_;
};

}  // namespace

PictureLayout LayOutPicture(const CPicture& picture, const Rect& client, int margin) {
  PictureLayout layout;
  layout.view = {client.left + margin, client.top + margin, client.right - margin, client.bottom - margin};
  std::vector<PictureCoord> points = picture.path;
  if (picture.start.has_value()) points.push_back(*picture.start);
  PictureCoord low;
  PictureCoord high;
  const int width = layout.view.right - layout.view.left;
  const int height = layout.view.bottom - layout.view.top;
  if (!PathExtent(points, &low, &high) || width <= 0 || height <= 0) return layout;

  const bool plane = !picture.verticalName.empty();
  const double reach = std::max({high.x - low.x, high.y - low.y, kSmallestReach});
  const Span across = ViewSpan(low.x, high.x, picture.horizontal, reach);
  const Span up = plane ? ViewSpan(low.y, high.y, picture.vertical, reach) : Span{low.y, high.y};
  double scale = std::min(FitScale(across, width), FitScale(up, height));
  if (std::isinf(scale)) scale = std::min(width, height) / kSmallestReach;
  const Mapping map(layout.view, across, up, scale);

  for (const PictureCoord& p : picture.path) layout.path.push_back(map.At(p));
  if (picture.start.has_value()) layout.start = map.At(*picture.start);
  for (const std::optional<double>& limit : {picture.horizontal.minus, picture.horizontal.plus}) {
    if (!limit.has_value() || !across.Holds(*limit)) continue;
    const int x = map.X(*limit);
    layout.limits.push_back({{x, layout.view.top}, {x, layout.view.bottom}});
  }
  if (!plane) return layout;
  for (const std::optional<double>& limit : {picture.vertical.minus, picture.vertical.plus}) {
    if (!limit.has_value() || !up.Holds(*limit)) continue;
    const int y = map.Y(*limit);
    layout.limits.push_back({{layout.view.left, y}, {layout.view.right, y}});
  }
  return layout;
}

}  // namespace pf
