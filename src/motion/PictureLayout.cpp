// The layout of a motion picture (see PictureLayout.h).
#include "motion/PictureLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/Format.h"
#include "motion/SweptRange.h"

namespace pf {
namespace {

constexpr double kPad = 3.0;          // free space along the drawing's edges
constexpr double kLimitTolerance = 1e-6;  // a point on a stroke end is inside (length unit)
constexpr double kTouching = 1e-3;        // an inside part this short is a touch (length unit)
constexpr double kSmallPath = 0.2;    // a path below this share of the view gets an inset,
constexpr double kSmallRows = 4.0;    // and so does one below this many text rows
constexpr double kInsetShare = 0.5;   // the inset's share of the view's width and height
constexpr double kInsetZoom = 2.0;    // an inset that enlarges less than this is left out
constexpr double kCharWidth = 0.55;   // a character's width at most, in text heights
constexpr double kScaleShare = 0.3;   // the scale bar's longest length, as a share of its view's width
constexpr double kArrowAt = 0.125;    // where along the path the arrowhead sits, as a share of its length
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Indexed by Ink: the path blue, what lies beyond a stroke end and the
// stroke ends red, frames and scales grey, the start green.
constexpr InkStyle kInkStyles[] = {
    {0x0046C8, 1.5, false},  // Path
    {0xD00000, 2.5, false},  // Beyond
    {0x0046C8, 2.0, false},  // Travel
    {0xC80000, 1.0, true},   // Limit
    {0x707070, 1.0, false},  // Frame
    {0x000000, 1.0, false},  // Text
    {0x009600, 1.0, false},  // Start
};

double Width(const SceneBox& box) { return box.right - box.left; }
double Height(const SceneBox& box) { return box.bottom - box.top; }

// The box the stroke ends enclose, unbounded along an axis whose ends are
// unknown.
struct StrokeBox {
  double minX = -kInfinity, maxX = kInfinity, minY = -kInfinity, maxY = kInfinity;

  explicit StrokeBox(const MotionPicture& picture) {
    if (picture.horizontalLimits.known) {
      minX = picture.horizontalLimits.minus - kLimitTolerance;
      maxX = picture.horizontalLimits.plus + kLimitTolerance;
    }
    if (picture.verticalLimits.known) {
      minY = picture.verticalLimits.minus - kLimitTolerance;
      maxY = picture.verticalLimits.plus + kLimitTolerance;
    }
  }

  // The part [t0, t1] of the segment a-b inside the box; false when none.
  bool Clip(PicturePoint a, PicturePoint b, double& t0, double& t1) const {
    const double p[4] = {a.x - b.x, b.x - a.x, a.y - b.y, b.y - a.y};
    const double q[4] = {a.x - minX, maxX - a.x, a.y - minY, maxY - a.y};
    t0 = 0.0;
    t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0.0) {
        if (q[i] < 0.0) return false;
        continue;
      }
      const double r = q[i] / p[i];
      if (p[i] < 0.0) t0 = std::max(t0, r);
      else t1 = std::min(t1, r);
    }
    return t0 <= t1;
  }
};

// Machine coordinates onto a view: one scale for both axes, the content
// centred, machine up (+y) drawn up.
class ViewMap {
 public:
  ViewMap(const AxisRange& x, const AxisRange& y, const SceneBox& view) {
    const double spanX = x.max - x.min;
    const double spanY = y.max - y.min;
    // NOLINTNEXTLINE(bugprone-narrowing-conversions): the check takes infinity (no extent) for a double out of range
    scale_ = std::min(spanX > 0.0 ? Width(view) / spanX : kInfinity, spanY > 0.0 ? Height(view) / spanY : kInfinity);
    if (std::isinf(scale_)) scale_ = 1.0;
    left_ = view.left + (Width(view) - spanX * scale_) / 2.0 - x.min * scale_;
    bottom_ = view.bottom - (Height(view) - spanY * scale_) / 2.0 + y.min * scale_;
  }

  double X(double x) const { return left_ + x * scale_; }
  double Y(double y) const { return bottom_ - y * scale_; }
  ScenePoint At(PicturePoint p) const { return {X(p.x), Y(p.y)}; }
  double scale() const { return scale_; }

 private:
  double scale_ = 1.0;
  double left_ = 0.0;
  double bottom_ = 0.0;
};

PicturePoint Along(PicturePoint a, PicturePoint b, double t) {
  if (t <= 0.0) return a;
  if (t >= 1.0) return b;
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Adds segments to a layer, continuing the last polyline of the same ink.
void AddSegment(SceneLayer& layer, ScenePoint from, ScenePoint to, Ink ink) {
  if (!layer.lines.empty()) {
    SceneLine& last = layer.lines.back();
    const ScenePoint end = last.points.back();
    if (last.ink == ink && end.x == from.x && end.y == from.y) {
      last.points.push_back(to);
      return;
    }
  }
  layer.lines.push_back({ink, {from, to}});
}

// The path, split where it crosses a stroke end.
void AddPath(SceneLayer& layer, const MotionPicture& picture, const ViewMap& map) {
  const StrokeBox box(picture);
  for (std::size_t i = 1; i < picture.path.size(); ++i) {
    const PicturePoint a = picture.path[i - 1];
    const PicturePoint b = picture.path[i];
    double t0 = 0.0;
    double t1 = 0.0;
    // A segment that only touches the box from outside lies beyond it.
    if (!box.Clip(a, b, t0, t1) || (t1 - t0) * std::hypot(b.x - a.x, b.y - a.y) <= kTouching) {
      AddSegment(layer, map.At(a), map.At(b), Ink::Beyond);
      continue;
    }
    if (t0 > 0.0) AddSegment(layer, map.At(a), map.At(Along(a, b, t0)), Ink::Beyond);
    AddSegment(layer, map.At(Along(a, b, t0)), map.At(Along(a, b, t1)), Ink::Path);
    if (t1 < 1.0) AddSegment(layer, map.At(Along(a, b, t1)), map.At(b), Ink::Beyond);
  }
}

// An arrowhead of `size` centred on `at`, pointing along (dx, dy) (a unit vector).
SceneLine ArrowHead(ScenePoint at, double dx, double dy, double size, Ink ink) {
  const ScenePoint tip{at.x + dx * size / 2, at.y + dy * size / 2};
  const ScenePoint back{tip.x - dx * size, tip.y - dy * size};
  return {ink, {{back.x - dy * size / 2, back.y + dx * size / 2}, tip, {back.x + dy * size / 2, back.y - dx * size / 2}}};
}

// The arrowhead of the direction of travel, an eighth of the way along the
// path (the middle of the first move of a move forth and back twice).
void AddTravelArrow(SceneLayer& layer, const MotionPicture& picture, const ViewMap& map, double size) {
  std::vector<ScenePoint> points;
  for (const PicturePoint& p : picture.path) points.push_back(map.At(p));
  double total = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) total += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  double left = total * kArrowAt;
  for (std::size_t i = 1; i < points.size() && total > size; ++i) {
    const double dx = points[i].x - points[i - 1].x;
    const double dy = points[i].y - points[i - 1].y;
    const double length = std::hypot(dx, dy);
    if (length <= 0.0 || left > length) {
      left -= length;
      continue;
    }
    const ScenePoint at{points[i - 1].x + dx * left / length, points[i - 1].y + dy * left / length};
    layer.lines.push_back(ArrowHead(at, dx / length, dy / length, size, Ink::Travel));
    return;
  }
}

// A text of one line at `at`, moved along x so that it stays within
// `left`..`right` as far as its width can be told.
SceneText TextWithin(Ink ink, ScenePoint at, TextAlign align, std::wstring text, double textHeight, double left,
                     double right) {
  const double width = static_cast<double>(text.size()) * kCharWidth * textHeight;
  if (align == TextAlign::Left) at.x = std::max(left, std::min(at.x, right - width));
  if (align == TextAlign::Right) at.x = std::min(right, std::max(at.x, left + width));
  return {ink, at, align, std::move(text)};
}

// The stroke ends that fall within `view` as dashed lines across it; with
// `labelRow` > 0 each with its value: a horizontal axis's in the row of that
// height below the view, inside the box where both values fit there, else
// outside it; a vertical axis's inside the box beside its line.
void AddLimits(SceneLayer& layer, const MotionPicture& picture, const ViewMap& map, const SceneBox& view,
               double labelRow) {
  const PictureLimits& across = picture.horizontalLimits;
  const PictureLimits& up = picture.verticalLimits;
  const double rowMiddle = view.bottom + labelRow / 2;
  const std::wstring minusText = Format(L"%.3f", across.minus);
  const std::wstring plusText = Format(L"%.3f", across.plus);
  const double labels = static_cast<double>(minusText.size() + plusText.size() + 2) * kCharWidth * (labelRow - 2);
  const bool inside = map.X(across.plus) - map.X(across.minus) >= labels;
  for (const double value : {across.minus, across.plus}) {
    const double x = map.X(value);
    if (!across.known || x < view.left - 0.5 || x > view.right + 0.5) continue;
    layer.lines.push_back({Ink::Limit, {{x, view.top}, {x, view.bottom}}});
    if (labelRow <= 0) continue;
    const bool right = (value == across.minus) == inside;  // the text to the right of the line
    layer.texts.push_back(TextWithin(Ink::Text, {right ? x + 2 : x - 2, rowMiddle}, right ? TextAlign::Left : TextAlign::Right,
                                     value == across.minus ? minusText : plusText, labelRow - 2,
                                     view.left - labelRow / 2, view.right + labelRow / 2));
  }
  for (const double value : {up.minus, up.plus}) {
    const double y = map.Y(value);
    if (!up.known || y < view.top - 0.5 || y > view.bottom + 0.5) continue;
    layer.lines.push_back({Ink::Limit, {{view.left, y}, {view.right, y}}});
    const double offset = (value == up.minus ? -1 : 1) * (labelRow / 2 + 1);
    if (labelRow > 0) layer.texts.push_back({Ink::Text, {view.left + 2, y + offset}, TextAlign::Left, Format(L"%.3f", value)});
  }
}

// The largest round length (1, 2 or 5 times a power of ten) up to `most`.
double RoundLength(double most) {
  if (!(most > 0.0) || std::isinf(most)) return 0.0;
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  for (const double step : {5.0, 2.0, 1.0})
    if (step * power <= most) return step * power;
  return power;
}

// A scale bar from `left` on the text row around `y` with its length beside
// it, both within `left`..`left + room`: the bar at most a share of the
// room, its text of a few characters after it.
void AddScale(SceneLayer& layer, const ViewMap& map, double left, double y, double room, double row) {
  const double tick = row / 3;
  const double mostPixels = std::min(room * kScaleShare, room - 4 - 6 * kCharWidth * (row - 2));
  const double length = RoundLength(mostPixels / map.scale());
  if (length <= 0.0) return;
  const double right = left + length * map.scale();
  layer.lines.push_back({Ink::Frame, {{left, y - tick}, {left, y}, {right, y}, {right, y - tick}}});
  layer.texts.push_back({Ink::Text, {right + 4, y - tick / 2}, TextAlign::Left, Format(L"%g mm", length)});
}

// The axes' names with arrows: the horizontal one at the bottom right, the
// vertical one at the top left.
void AddAxisNames(SceneLayer& layer, const MotionPicture& picture, double width, double height, double row) {
  const double y = height - kPad - row / 2;
  const double arrow = row * 1.2;
  layer.lines.push_back({Ink::Frame, {{width - kPad - arrow, y}, {width - kPad, y}}});
  layer.lines.push_back(ArrowHead({width - kPad - row / 4, y}, 1, 0, row / 2, Ink::Frame));
  layer.texts.push_back({Ink::Text, {width - kPad - arrow - 3, y}, TextAlign::Right, picture.horizontalAxis});
  if (picture.verticalAxis.empty()) return;
  const double x = kPad + row / 4;
  layer.lines.push_back({Ink::Frame, {{x, kPad + row}, {x, kPad}}});
  layer.lines.push_back(ArrowHead({x, kPad + row / 4}, 0, -1, row / 2, Ink::Frame));
  layer.texts.push_back({Ink::Text, {x + row / 2, kPad + row / 2}, TextAlign::Left, picture.verticalAxis});
}

// How far `p` lies beyond the stroke ends (0 inside), and along which axis.
double Excess(const MotionPicture& picture, PicturePoint p, bool& vertical) {
  const PictureLimits& h = picture.horizontalLimits;
  const PictureLimits& v = picture.verticalLimits;
  const double across = h.known ? std::max({p.x - h.plus, h.minus - p.x, 0.0}) : 0.0;
  const double up = v.known ? std::max({p.y - v.plus, v.minus - p.y, 0.0}) : 0.0;
  vertical = up > across;
  return std::max(across, up);
}

// The point of the path farthest beyond a stroke end, with its value beside
// the path: above or below it for a horizontal axis's end, level with the
// point for a vertical axis's end.
void AddFarthest(SceneLayer& layer, const MotionPicture& picture, const ViewMap& map, const SceneBox& path,
                 const SceneBox& view, double row) {
  double farthest = kLimitTolerance;
  const PicturePoint* point = nullptr;
  bool vertical = false;
  for (const PicturePoint& p : picture.path) {
    bool along = false;
    const double excess = Excess(picture, p, along);
    if (excess <= farthest) continue;
    farthest = excess;
    point = &p;
    vertical = along;
  }
  if (!point) return;
  const ScenePoint at = map.At(*point);
  layer.dots.push_back({Ink::Beyond, at});
  const bool right = at.x > (view.left + view.right) / 2;
  const std::wstring text = Format(L"%s %.3f", vertical ? picture.verticalAxis : picture.horizontalAxis,
                                   vertical ? point->y : point->x);
  const double above = path.top - row / 2;
  const double y = vertical ? at.y : above - row / 2 >= view.top ? above : path.bottom + row / 2;
  const double x = vertical ? (right ? at.x - 6 : at.x + 6) : at.x;
  layer.texts.push_back(TextWithin(Ink::Beyond, {x, y}, right ? TextAlign::Right : TextAlign::Left, text, row - 2,
                                   view.left - row / 2, view.right + row / 2));
}

void AddPoint(AxisRange& x, AxisRange& y, PicturePoint p) {
  x.Add(p.x);
  y.Add(p.y);
}

// The path's and the start's extent.
void PathExtent(const MotionPicture& picture, AxisRange& x, AxisRange& y) {
  AddPoint(x, y, picture.start);
  for (const PicturePoint& p : picture.path) AddPoint(x, y, p);
}

SceneLine Frame(const SceneBox& box) {
  return {Ink::Frame, {{box.left, box.top}, {box.right, box.top}, {box.right, box.bottom}, {box.left, box.bottom}, {box.left, box.top}}};
}

// Whether `box` hides part of `text` (one row high), as far as its width
// can be told.
bool Hides(const SceneBox& box, const SceneText& text, double row) {
  const double width = static_cast<double>(text.text.size()) * kCharWidth * (row - 2);
  const double left = text.align == TextAlign::Left    ? text.at.x
                      : text.align == TextAlign::Right ? text.at.x - width
                                                       : text.at.x - width / 2;
  return left < box.right && left + width > box.left && text.at.y - row / 2 < box.bottom && text.at.y + row / 2 > box.top;
}

// The inset's place: a corner of `view` a text row off its top and bottom
// edges (where the vertical axis's stroke ends carry their values) that
// hides no alarm text of `main`, the farthest such from the path's middle.
// A single-axis path needs a band only.
SceneBox InsetBox(const SceneBox& view, const SceneBox& path, const SceneLayer& main, double row, bool plane) {
  const double w = Width(view) * kInsetShare;
  const double h = plane ? Height(view) * kInsetShare : std::min(Height(view) * kInsetShare, 3 * row);
  const double middleX = (path.left + path.right) / 2;
  const double middleY = (path.top + path.bottom) / 2;
  SceneBox best;
  bool bestHides = true;
  double bestDistance = -1.0;
  for (const double left : {view.left, view.right - w}) {
    for (const double top : {view.top + row, view.bottom - row - h}) {
      const SceneBox box{left, top, left + w, top + h};
      const bool hides = std::any_of(main.texts.begin(), main.texts.end(),
                                     [&](const SceneText& t) { return t.ink == Ink::Beyond && Hides(box, t, row); });
      const double distance = std::hypot(left + w / 2 - middleX, top + h / 2 - middleY);
      if (hides > bestHides || (hides == bestHides && distance <= bestDistance)) continue;
      bestHides = hides;
      bestDistance = distance;
      best = box;
    }
  }
  return best;
}

// The enlarged path in its inset, with its own scale (`scale`: pixels per
// length unit there).
SceneLayer Inset(const MotionPicture& picture, const SceneBox& box, double row, double arrow, double& scale) {
  SceneLayer layer;
  layer.boxed = true;
  layer.box = box;
  const SceneBox view{box.left + kPad, box.top + kPad, box.right - kPad, box.bottom - kPad - row};
  AxisRange x;
  AxisRange y;
  PathExtent(picture, x, y);
  const ViewMap map(x, y, view);
  scale = map.scale();
  AddLimits(layer, picture, map, view, 0.0);
  AddPath(layer, picture, map);
  AddTravelArrow(layer, picture, map, arrow);
  layer.dots.push_back({Ink::Start, map.At(picture.start)});
  AddScale(layer, map, box.left + kPad, box.bottom - kPad - row / 2, Width(view), row);
  return layer;
}

}  // namespace

InkStyle StyleOf(Ink ink) { return kInkStyles[static_cast<int>(ink)]; }

PictureScene LayOutPicture(const MotionPicture& picture, double width, double height, double textHeight) {
  PictureScene scene;
  const bool plane = !picture.verticalAxis.empty();
  const double row = textHeight + 2;
  // Above the view the vertical axis's name, below it the horizontal
  // axis's stroke-end values, then the scale and the horizontal name.
  const SceneBox view{kPad + row / 2, kPad + (plane ? row : row / 2), width - kPad - row / 2, height - kPad - 2 * row};
  if (picture.IsEmpty() || Width(view) < 2 * row || Height(view) < row) return scene;

  AxisRange x;
  AxisRange y;
  PathExtent(picture, x, y);
  const AxisRange pathX = x;
  const AxisRange pathY = y;
  for (const PictureLimits* limits : {&picture.horizontalLimits, &picture.verticalLimits}) {
    if (!limits->known) continue;
    AxisRange& range = limits == &picture.horizontalLimits ? x : y;
    range.Add(limits->minus);
    range.Add(limits->plus);
  }
  const ViewMap map(x, y, view);
  const SceneBox path{map.X(pathX.min) - kPad, map.Y(pathY.max) - kPad, map.X(pathX.max) + kPad, map.Y(pathY.min) + kPad};
  SceneLayer main;
  AddLimits(main, picture, map, view, row);
  AddPath(main, picture, map);
  main.dots.push_back({Ink::Start, map.At(picture.start)});
  AddFarthest(main, picture, map, path, view, row);
  AddScale(main, map, kPad, height - kPad - row / 2, Width(view), row);
  AddAxisNames(main, picture, width, height, row);

  const double pathSize = std::max(Width(path), plane ? Height(path) : 0.0) - 2 * kPad;
  const double viewSize = plane ? std::min(Width(view), Height(view)) : Width(view);
  const bool small =
      picture.path.size() > 1 && pathSize > 0.0 && pathSize < std::max(viewSize * kSmallPath, row * kSmallRows);
  double insetScale = 0.0;
  SceneLayer inset = small ? Inset(picture, InsetBox(view, path, main, row, plane), row, row * 0.7, insetScale) : SceneLayer();
  if (insetScale < map.scale() * kInsetZoom) {
    AddTravelArrow(main, picture, map, row * 0.7);
    scene.layers.push_back(std::move(main));
    return scene;
  }
  main.lines.push_back(Frame(path));
  scene.layers.push_back(std::move(main));
  scene.layers.push_back(std::move(inset));
  return scene;
}

std::wstring DescribeScene(const PictureScene& scene) {
  std::wstring text;
  for (const SceneLayer& layer : scene.layers) {
    int path = 0;
    int beyond = 0;
    int limits = 0;
    bool arrow = false;
    for (const SceneLine& line : layer.lines) {
      const int points = static_cast<int>(line.points.size());
      if (line.ink == Ink::Path) path += points;
      if (line.ink == Ink::Beyond) beyond += points;
      if (line.ink == Ink::Limit) ++limits;
      arrow = arrow || line.ink == Ink::Travel;
    }
    std::wstring part = layer.boxed ? L"inset: " : L"";
    part += Format(L"path %d", path);
    if (beyond > 0) part += Format(L", beyond %d", beyond);
    if (limits > 0) part += Format(L", %d limit lines", limits);
    if (arrow) part += L", arrow";
    if (!layer.texts.empty()) part += L", texts";
    for (const SceneText& t : layer.texts) part += L" \"" + t.text + L"\"";
    text += (text.empty() ? L"" : L"; ") + part;
  }
  return text.empty() ? L"no picture" : text;
}

}  // namespace pf
