// Pictures of followed files (see PictureBuilder.h).
#include "motion/PictureBuilder.h"

#include <algorithm>
#include <cmath>

#include "motion/SweptRange.h"

namespace pf {
namespace {

// Arcs are drawn as chords of at most 5 degrees, through every quadrant
// point they pass, so that the path reaches as far as the arc does.
constexpr double kChordAngle = kFullTurn / 72;
constexpr double kQuarterTurn = kFullTurn / 4;

bool Known(const std::vector<double>& position, PictureAxes axes) {
  return !std::isnan(position[static_cast<std::size_t>(axes.horizontal)]) &&
         (axes.vertical < 0 || !std::isnan(position[static_cast<std::size_t>(axes.vertical)]));
}

PicturePoint Project(const std::vector<double>& position, PictureAxes axes) {
  PicturePoint point;
  point.x = position[static_cast<std::size_t>(axes.horizontal)];
  if (axes.vertical >= 0) point.y = position[static_cast<std::size_t>(axes.vertical)];
  if (std::isnan(point.x)) point.x = 0.0;
  if (std::isnan(point.y)) point.y = 0.0;
  return point;
}

// Draws more than one turn as one turn plus what the sweep has beyond its
// whole turns: further turns retrace the same circle.
double DrawnSweep(double sweep) {
  const double size = std::fabs(sweep);
  if (size <= kFullTurn) return sweep;
  const double drawn = kFullTurn + std::fmod(size, kFullTurn);
  return sweep < 0 ? -drawn : drawn;
}

// The fractions of `sweep` from `start` at which the chords end.
std::vector<double> ChordEnds(double start, double sweep) {
  std::vector<double> ends;
  const int chords = static_cast<int>(std::ceil(std::fabs(sweep) / kChordAngle));
  for (int i = 1; i <= chords; ++i) ends.push_back(static_cast<double>(i) / chords);
  const double low = std::min(start, start + sweep);
  const double high = std::max(start, start + sweep);
  for (double q = std::ceil(low / kQuarterTurn); q * kQuarterTurn < high; ++q) ends.push_back((q * kQuarterTurn - start) / sweep);
  std::sort(ends.begin(), ends.end());
  ends.erase(std::unique(ends.begin(), ends.end(), [](double a, double b) { return b - a < 1e-9; }), ends.end());
  return ends;
}

void AddArc(const MotionStep& step, PictureAxes axes, std::vector<PicturePoint>& path) {
  const double sweep = DrawnSweep(step.arc.sweep);
  for (const double fraction : ChordEnds(step.arc.startAngle, sweep)) {
    if (fraction <= 0.0) continue;
    const double angle = step.arc.startAngle + sweep * fraction;
    PicturePoint point;
    point.x = PositionOnArc(step, axes.horizontal, angle);
    if (axes.vertical >= 0) point.y = PositionOnArc(step, axes.vertical, angle);
    path.push_back(point);
  }
}

}  // namespace

MotionPicture BuildPicture(const MotionSetup& setup, PictureAxes axes, const std::wstring& fileName,
                           const FollowResult& followed, const std::vector<double>& start) {
  MotionPicture picture;
  picture.fileName = fileName;
  if (axes.horizontal < 0) return picture;
  const MotionAxis& horizontal = setup.axes[static_cast<std::size_t>(axes.horizontal)];
  picture.horizontalAxis = horizontal.name;
  picture.horizontalLimits = {horizontal.limitsKnown, horizontal.limitMinus, horizontal.limitPlus};
  if (axes.vertical >= 0) {
    const MotionAxis& vertical = setup.axes[static_cast<std::size_t>(axes.vertical)];
    picture.verticalAxis = vertical.name;
    picture.verticalLimits = {vertical.limitsKnown, vertical.limitMinus, vertical.limitPlus};
  }
  picture.start = Project(start, axes);
  for (const MotionStep& step : followed.steps) {
    if (!Known(step.to, axes)) continue;
    if (picture.path.empty() && Known(step.from, axes)) picture.path.push_back(Project(step.from, axes));
    if (step.isArc && !picture.path.empty()) {
      AddArc(step, axes, picture.path);
    } else {
      picture.path.push_back(Project(step.to, axes));
    }
  }
  return picture;
}

}  // namespace pf
