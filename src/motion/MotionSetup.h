// What the motion follower and the check know about the machine: the axes
// with their stroke limits and rapid speeds, the address words that move
// them, the base axes that the centre words I, J and K refer to, and whether
// G90/G91 switch the addressing (they do not on the lathe lists that
// program incremental moves by the incremental axis names).
#pragma once

#include <string>
#include <vector>

namespace pf {

inline constexpr double kFullTurn = 6.283185307179586;  // radians

// The speed, in units per minute, of a move whose speed the NC did not give:
// the motion check's rapid moves and the sampling estimate's feed.
inline constexpr double kUnreadSpeed = 1000.0;

struct MotionAxis {
  std::wstring name;         // as verdicts and pictures name it, "X"
  bool limitsKnown = false;  // false: the NC gave no stroke range (an end not read, or equal ends)
  double limitMinus = 0.0;
  double limitPlus = 0.0;
  double rapidSpeed = 0.0;   // G00 speed in units per minute; 0: not read
};

// One address word of an axis: "X" absolute (or as G90/G91 say), "W"
// always incremental.
struct AxisAddress {
  std::wstring address;
  int axis = 0;              // index into MotionSetup::axes
  bool incremental = false;  // always incremental, whatever G90/G91 say
};

// The base axes of the centre words: kCentreI, kCentreJ, kCentreK.
inline constexpr int kCentreI = 0;
inline constexpr int kCentreJ = 1;
inline constexpr int kCentreK = 2;

struct MotionSetup {
  std::vector<MotionAxis> axes;
  std::vector<AxisAddress> addresses;
  int centreAxis[3] = {-1, -1, -1};  // axis of I, J, K; -1 when the machine has none
  bool modalAddressing = true;       // G90/G91 accepted; false: they are not program words here
};

// A stroke-limit text as the wizard shows it: a number ("500.000",
// "-0.0010"); "****" or empty mean the limit was not read.
bool ParseLimitText(const std::wstring& text, double& value);

}  // namespace pf
