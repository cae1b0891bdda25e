// The check of one program: the position file's targets give the start
// (each checked against its axis's stroke limits), then every measurement
// file is followed from there. Per axis the whole swept range counts (arcs
// by their real extent, turns included), and each measurement file's
// duration (feeds as programmed, rapid moves at the axis's rapid speed,
// dwells) is compared with its "(smptime=...)".
#pragma once

#include <string>
#include <vector>

#include "motion/MotionPicture.h"
#include "motion/MotionSetup.h"

namespace pf {

// One file of the program, in file order; file 0 is the position file.
struct MotionFile {
  std::wstring fileName;
  std::wstring text;  // CR LF lines as generated or edited; empty: not made yet
};

// The picture's axes: indexes into MotionSetup::axes; vertical -1 for a
// single-axis picture.
struct PictureAxes {
  int horizontal = -1;
  int vertical = -1;
};

// The outcome, worst first: a program that cannot be followed, one that
// leaves its stroke limits, one whose limits were not read, one whose
// sampling time is shorter than its motion, one with nothing to check yet,
// one within its limits.
enum class MotionStatus { NotChecked, BeyondLimits, LimitsUnknown, SamplingShort, Empty, Within };

struct MotionResult {
  MotionStatus status = MotionStatus::Empty;
  std::wstring verdict;                 // the one-line verdict shown to the user
  std::vector<MotionPicture> pictures;  // one per file, in file order
};

MotionResult CheckMotion(const MotionSetup& setup, const std::vector<MotionFile>& files, PictureAxes pictureAxes);

}  // namespace pf
