// The remarks that follow a program's stroke verdict, each a line of its
// own: the measurement files that must each start from the start position,
// and a sampling time that ends before the motion does.
#pragma once

#include <string>
#include <vector>

#include "motion/ProgramFollower.h"

namespace pf {

// The remark on a measurement file whose "(smptime=...)" ends before its
// last move does (a dwell after it is standstill): which move the sampling
// misses, from when to when, and the whole seconds that cover every move:
//   Sampling 0.40 s ends before the return move of G1b.eia (0.67-0.83 s);
//   1.00 s covers both moves
// Empty when the file has no sampling time, was not followed to its end or
// is sampled long enough.
std::wstring SamplingRemark(const FollowResult& followed, const std::wstring& fileName);

// Measurement files that end away from where they start: two that leave the
// start position the same way on one axis would add up when run one after
// the other, so the start position program must run before each of them.
class StartPositionRemark {
 public:
  StartPositionRemark(const MotionSetup& setup, std::wstring positionFile);

  // `start`: where the file starts (the end of the position file).
  void AddFile(const std::wstring& fileName, const std::vector<double>& start, const FollowResult& followed);

  // The remark on the first two such files, or empty.
  const std::wstring& Text() const { return text_; }

 private:
  struct Leaving {
    std::wstring fileName;
    std::size_t axis;
    bool plus;
  };

  const MotionSetup& setup_;
  std::wstring positionFile_;
  std::vector<Leaving> leaving_;
  std::wstring text_;
};

}  // namespace pf
