// Follows the text of one program file block by block, as the NC would run
// it, and records every motion step with the positions before and after.
//
// It reads the G code the wizard writes and what a user may type into the
// file editor: G90/G91; G00/G01 with axis words; G02/G03 with the plane's
// centre words and P turns, in G17/G18/G19; F; G04 X (a dwell in seconds);
// G8P0/G8P1, G61.1, G64 and the mode words G94 G98 G97 G40 G49; comments;
// M30; % (before the first block it starts the program, after blocks it
// ends it). Lengths and times need a decimal point (an exact 0 aside): their
// unit without one is an NC setting. Anything else stops the follower at that
// word: a file is either followed to its end or reported with the word and
// line it could not take. Lines count as an editor shows them, blank and "%"
// lines included.
#pragma once

#include <string>
#include <vector>

#include "motion/MotionSetup.h"

namespace pf {

// An arc in the plane of two axes: centre and radius in those axes, the
// start angle and the signed sweep (radians, + counter-clockwise).
struct ArcSweep {
  int first = -1;
  int second = -1;
  double centreFirst = 0.0;
  double centreSecond = 0.0;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;
};

// One motion block: every axis's position before and after (NaN where the
// position is not known yet), an arc's geometry when it is one.
struct MotionStep {
  int line = 0;
  double begins = 0.0;  // seconds from the file's start, dwells included
  double ends = 0.0;
  std::vector<double> from;
  std::vector<double> to;
  bool isArc = false;
  ArcSweep arc;
};

struct FollowResult {
  bool followed = true;   // false: stopped at `word` on `line`
  std::wstring word;      // the word as written, or what is missing ("G01 without F")
  int line = 0;           // 1-based line of the file
  std::vector<MotionStep> steps;
  std::vector<double> end;        // the positions after the last block followed
  double seconds = 0.0;           // the motion's duration: moves and dwells
  bool hasSamplingTime = false;   // the file holds a "(smptime=...)" comment with a number
  double samplingTime = 0.0;
};

// Follows `text` from the axes' positions `start` (one per setup axis; NaN:
// unknown, so that only absolute words may move that axis).
FollowResult FollowProgram(const MotionSetup& setup, const std::wstring& text, const std::vector<double>& start);

}  // namespace pf
