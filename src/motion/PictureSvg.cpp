// SVG of a motion picture (see PictureSvg.h).
#include "motion/PictureSvg.h"

#include <algorithm>

#include "common/Format.h"
#include "common/Text.h"
#include "motion/SweptRange.h"

namespace pf {
namespace {

constexpr double kSize = 400.0;    // the drawing's longer side, in SVG units
constexpr double kMargin = 40.0;
constexpr double kBandHeight = 40.0;  // a single-axis picture is a band this high

// The drawing's extent in machine coordinates.
struct Bounds {
  AxisRange x;
  AxisRange y;
  void Add(PicturePoint p) {
    x.Add(p.x);
    y.Add(p.y);
  }
};

// Two decimals in the C locale, whatever the host set.
std::string Number(double value) { return ToNarrow(Format(L"%.2f", value)); }

std::string Escaped(const std::wstring& text) {
  std::string out;
  for (const char c : ToNarrow(text)) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else out += c;
  }
  return out;
}

// Maps machine coordinates onto the drawing: one scale for both axes.
class Mapping {
 public:
  Mapping(const Bounds& b, bool singleAxis) : b_(b), singleAxis_(singleAxis) {
    const double span = std::max({b.x.max - b.x.min, b.y.max - b.y.min, 1e-9});
    scale_ = kSize / span;
    width_ = (b.x.max - b.x.min) * scale_ + 2 * kMargin;
    height_ = singleAxis ? kBandHeight + 2 * kMargin : (b.y.max - b.y.min) * scale_ + 2 * kMargin;
  }
  double X(double x) const { return kMargin + (x - b_.x.min) * scale_; }
  double Y(double y) const { return singleAxis_ ? kMargin + kBandHeight / 2 : kMargin + (b_.y.max - y) * scale_; }
  double width() const { return width_; }
  double height() const { return height_; }

 private:
  Bounds b_;
  bool singleAxis_;
  double scale_ = 1.0;
  double width_ = 0.0;
  double height_ = 0.0;
};

}  // namespace

std::string PictureToSvg(const MotionPicture& picture, const std::wstring& caption) {
  Bounds bounds;
  bounds.Add(picture.start);
  for (const PicturePoint& p : picture.path) bounds.Add(p);
  if (picture.limitsKnown) {
    bounds.Add(picture.limitMin);
    bounds.Add(picture.limitMax);
  }
  const bool singleAxis = picture.verticalAxis.empty();
  const Mapping map(bounds, singleAxis);

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(map.width()) + "\" height=\"" +
                    Number(map.height()) + "\" font-family=\"sans-serif\" font-size=\"12\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += "<text x=\"4\" y=\"16\">" + Escaped(caption) + "</text>\n";
  if (picture.limitsKnown) {
    const double top = singleAxis ? map.Y(0) - kBandHeight / 2 : map.Y(picture.limitMax.y);
    const double height = singleAxis ? kBandHeight : map.Y(picture.limitMin.y) - top;
    svg += "<rect x=\"" + Number(map.X(picture.limitMin.x)) + "\" y=\"" + Number(top) + "\" width=\"" +
           Number(map.X(picture.limitMax.x) - map.X(picture.limitMin.x)) + "\" height=\"" + Number(height) +
           "\" fill=\"none\" stroke=\"red\" stroke-dasharray=\"6 3\"/>\n";
  }
  svg += "<polyline fill=\"none\" stroke=\"blue\" stroke-width=\"1.5\" points=\"";
  for (const PicturePoint& p : picture.path) svg += Number(map.X(p.x)) + "," + Number(map.Y(p.y)) + " ";
  svg += "\"/>\n";
  svg += "<circle cx=\"" + Number(map.X(picture.start.x)) + "\" cy=\"" + Number(map.Y(picture.start.y)) +
         "\" r=\"4\" fill=\"green\"/>\n";
  svg += "<text x=\"" + Number(map.width() - kMargin) + "\" y=\"" + Number(map.height() - 8) + "\">" +
         Escaped(picture.horizontalAxis) + " \xE2\x86\x92</text>\n";
  if (!singleAxis) svg += "<text x=\"4\" y=\"" + Number(kMargin) + "\">" + Escaped(picture.verticalAxis) + " \xE2\x86\x91</text>\n";
  svg += "</svg>\n";
  return svg;
}

}  // namespace pf
