// Where the parts of a motion picture go in a drawing of a given size, in
// the drawing's own units (pixels, y downwards from the top left corner).
// The SVG writer and the pages' picture controls only stroke what this lays
// out, so that every picture of a program reads the same.
//
// The view holds the whole path, the start point and every known stroke end
// with one scale for both axes (a circle stays round), the horizontal axis
// to the right and the vertical one up: a G02 turns clockwise in G17 (X, Y),
// G18 (Z, X) and G19 (Y, Z) alike. Each stroke end is a dashed line across
// the view with its value beside it; the axes carry their names and arrows;
// a scale bar gives a round length. The parts of the path beyond a stroke
// end are drawn as alarm, and the point farthest beyond is marked with its
// value. An arrowhead shows the direction of travel. A path much smaller
// than its stroke box is shown again, enlarged, in an inset in the corner of
// the view farthest from it, with a scale of its own and the stroke ends
// that cross it.
#pragma once

#include <string>
#include <vector>

#include "motion/MotionPicture.h"

namespace pf {

// How a part is drawn: the path inside and beyond the stroke ends, the
// direction of travel, a stroke end (dashed), frames, axes and scale, plain
// text, the start point.
enum class Ink { Path, Beyond, Travel, Limit, Frame, Text, Start };

// How every drawing shows an ink: its colour (0xRRGGBB), its line width in
// pixels and whether lines of it are dashed.
struct InkStyle {
  unsigned rgb;
  double width;
  bool dashed;
};
InkStyle StyleOf(Ink ink);

struct ScenePoint {
  double x = 0.0;
  double y = 0.0;
};

struct SceneLine {
  Ink ink = Ink::Path;
  std::vector<ScenePoint> points;  // a polyline
};

enum class TextAlign { Left, Centre, Right };

// A text of one line; `at` is the middle of its height, at its left end, its
// centre or its right end.
struct SceneText {
  Ink ink = Ink::Text;
  ScenePoint at;
  TextAlign align = TextAlign::Left;
  std::wstring text;
};

struct SceneDot {
  Ink ink = Ink::Start;
  ScenePoint at;
};

struct SceneBox {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

// What is drawn over what: the main view first, then the inset, whose box
// (a white field in a frame) hides what lies below it.
struct SceneLayer {
  bool boxed = false;
  SceneBox box;
  std::vector<SceneLine> lines;
  std::vector<SceneDot> dots;
  std::vector<SceneText> texts;
};

struct PictureScene {
  std::vector<SceneLayer> layers;  // empty for an empty picture or no room
};

// Lays `picture` out in a drawing `width` x `height` whose text is
// `textHeight` high.
PictureScene LayOutPicture(const MotionPicture& picture, double width, double height, double textHeight);

// The scene in one line of text, for the headless toolkit's page printer
// and for tests: per layer the points of the path inside and beyond the
// stroke ends, the number of stroke-end lines, the travel arrow and the
// texts, such as
//   path 40, beyond 35, 4 limit lines, arrow, texts "-500.000" ... "X 600.000" ...
std::wstring DescribeScene(const PictureScene& scene);

}  // namespace pf
