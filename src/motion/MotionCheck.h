// The check of one program: the position file's targets give the start
// (each checked against its axis's stroke limits), then every measurement
// file is followed from there. Per axis the whole swept range counts (arcs
// by their real extent, turns included; a position on a stroke end is
// inside). The stroke verdict comes first; remarks follow it: measurement
// files that leave the start position the same way, and a "(smptime=...)"
// that ends before a file's last move (feeds as programmed, rapid moves at
// the axis's rapid speed, dwells between moves).
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

// The stroke outcome, worst first: a program that cannot be followed, one
// that leaves its stroke limits, one that moves an axis whose limits are
// unknown, one with nothing to check yet, one within its limits.
enum class MotionStatus { NotChecked, BeyondLimits, LimitsUnknown, Empty, Within };

struct MotionResult {
  MotionStatus status = MotionStatus::Empty;
  std::wstring verdict;                 // the stroke verdict, one line
  std::vector<std::wstring> remarks;    // the lines after it (MotionRemarks.h)
  std::vector<MotionPicture> pictures;  // one per file, in file order

  // The verdict and the remarks, one per line (CR LF between), as the pages
  // show them.
  std::wstring Text() const;
};

// `origin`: where the position file starts, one position per axis; empty:
// unknown, as on the machine (only absolute words place an axis then).
MotionResult CheckMotion(const MotionSetup& setup, const std::vector<MotionFile>& files, PictureAxes pictureAxes,
                         const std::vector<double>& origin = {});

}  // namespace pf
