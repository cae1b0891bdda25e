// The range of positions that one motion step sweeps on each axis: a line
// by its end points, an arc by its real extent (every quadrant point the
// sweep passes, the whole diameter for a full circle).
#pragma once

#include <vector>

#include "motion/ProgramFollower.h"

namespace pf {

struct AxisRange {
  bool touched = false;
  double min = 0.0;
  double max = 0.0;

  void Add(double value);
  void Add(const AxisRange& other);
};

// The ranges of `step`, one per axis; an axis the step does not move stays
// untouched. An axis whose position was unknown before the step counts from
// its target.
std::vector<AxisRange> SweptRanges(const MotionStep& step);

// The position of `axis` at angle `angle` of the arc (the arc's two axes
// follow the circle; others are where the step ends).
double PositionOnArc(const MotionStep& step, int axis, double angle);

}  // namespace pf
