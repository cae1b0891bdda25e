// Swept ranges of motion steps (see SweptRange.h).
#include "motion/SweptRange.h"

#include <algorithm>
#include <cmath>

namespace pf {
namespace {

constexpr double kQuarterTurn = kFullTurn / 4;
// Where the quadrant points lie on the unit circle, exactly (cos and sin of
// 0, 90, 180 and 270 degrees are not, in floating point).
constexpr double kQuadrantCos[] = {1, 0, -1, 0};
constexpr double kQuadrantSin[] = {0, 1, 0, -1};

// True when the sweep from `start` by `sweep` (signed) passes `angle`.
bool Passes(double start, double sweep, double angle) {
  if (std::fabs(sweep) >= kFullTurn) return true;
  const double ahead = sweep > 0 ? angle - start : start - angle;
  return std::fmod(ahead + 2 * kFullTurn, kFullTurn) <= std::fabs(sweep);
}

}  // namespace

void AxisRange::Add(double value) {
  if (!touched) {
    touched = true;
    min = max = value;
    return;
  }
  min = std::min(min, value);
  max = std::max(max, value);
}

void AxisRange::Add(const AxisRange& other) {
  if (!other.touched) return;
  Add(other.min);
  Add(other.max);
}

double PositionOnArc(const MotionStep& step, int axis, double angle) {
  const ArcSweep& arc = step.arc;
  if (axis == arc.first) return arc.centreFirst + arc.radius * std::cos(angle);
  if (axis == arc.second) return arc.centreSecond + arc.radius * std::sin(angle);
  return step.to[static_cast<std::size_t>(axis)];
}

std::vector<AxisRange> SweptRanges(const MotionStep& step) {
  std::vector<AxisRange> ranges(step.to.size());
  for (std::size_t a = 0; a < step.to.size(); ++a) {
    if (std::isnan(step.to[a]) || step.to[a] == step.from[a]) continue;
    ranges[a].Add(step.to[a]);
    if (!std::isnan(step.from[a])) ranges[a].Add(step.from[a]);
  }
  if (!step.isArc) return ranges;
  const ArcSweep& arc = step.arc;
  for (const int axis : {arc.first, arc.second}) {
    AxisRange& range = ranges[static_cast<std::size_t>(axis)];
    range.Add(step.from[static_cast<std::size_t>(axis)]);
    range.Add(step.to[static_cast<std::size_t>(axis)]);
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
      if (!Passes(arc.startAngle, arc.sweep, quadrant * kQuarterTurn)) continue;
      range.Add(axis == arc.first ? arc.centreFirst + arc.radius * kQuadrantCos[quadrant]
                                  : arc.centreSecond + arc.radius * kQuadrantSin[quadrant]);
    }
  }
  return ranges;
}

}  // namespace pf
