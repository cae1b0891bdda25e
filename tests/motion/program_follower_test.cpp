// Following program files: which words move what, how long the motion
// takes, and the word and line where following stops.
#include "motion/ProgramFollower.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "motion/SweptRange.h"

namespace pf {
namespace {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// X, Y, Z addressed absolutely (or by G90/G91), U incremental for X; base
// axes I=X, J=Y, K=Z; X rapids at 6000 per minute.
MotionSetup Machine(bool modalAddressing = true) {
  MotionSetup setup;
  setup.axes = {{L"X", true, -500, 500, 6000}, {L"Y", true, -300, 300, 0}, {L"Z", true, -400, 100, 0}};
  setup.addresses = {{L"X", 0, false}, {L"Y", 1, false}, {L"Z", 2, false}, {L"U", 0, true}};
  setup.centreAxis[kCentreI] = 0;
  setup.centreAxis[kCentreJ] = 1;
  setup.centreAxis[kCentreK] = 2;
  setup.modalAddressing = modalAddressing;
  return setup;
}

struct Row {
  const char* what;
  const wchar_t* text;
  bool modalAddressing;
  std::vector<double> start;
  bool followed;
  const wchar_t* word;
  int line;
  std::vector<double> end;
  double seconds;
};

TEST(ProgramFollower, FollowsOrStopsAtTheWord) {
  const std::vector<double> origin = {0, 0, 0};
  const std::vector<double> unknown = {kUnknown, kUnknown, kUnknown};
  const Row kRows[] = {
      {"G04 X is a dwell time, not a move", L"G91G01X10.F600.\r\nG04X2.\r\n", true, origin, true, L"", 0, {10, 0, 0}, 3.0},
      {"G90 absolute after G91", L"G91G01X10.F600.\r\nG90X-20.\r\n", true, origin, true, L"", 0, {-20, 0, 0}, 4.0},
      {"incremental name on a lathe list", L"G98G97\r\nG01U-30.F1800.\r\n", false, {5, 0, 0}, true, L"", 0, {-25, 0, 0}, 1.0},
      {"G91 is no program word on that list", L"G91\r\nG01U-30.F1800.\r\n", false, origin, false, L"G91", 1, {0, 0, 0}, 0.0},
      {"rapid at the axis's speed; unread speed counts as 1000", L"G91G00X60.Y10.\r\n", true, origin, true, L"", 0, {60, 10, 0}, 0.6},
      {"G8P1 and G8P0 switch high accuracy", L"G91\r\nG8P1\r\nG01Y10.F600.\r\nG8P0\r\n", true, origin, true, L"", 0, {0, 10, 0}, 1.0},
      {"G8 needs P0 or P1", L"G91\r\nG8P2\r\n", true, origin, false, L"G8", 2, {0, 0, 0}, 0.0},
      {"feed move without F", L"G91G01X10.\r\n", true, origin, false, L"G01 without F", 1, {0, 0, 0}, 0.0},
      {"axis word before any motion mode", L"G91\r\nX10.\r\n", true, origin, false, L"X10.", 2, {0, 0, 0}, 0.0},
      {"unknown M code", L"G91G01X10.F600.\r\nM03\r\n", true, origin, false, L"M03", 2, {10, 0, 0}, 1.0},
      {"an address the machine does not have", L"G91G01B10.F600.\r\n", true, origin, false, L"B10.", 1, {0, 0, 0}, 0.0},
      {"comment left open", L"(smptime=5\r\n", true, origin, false, L"(smptime=5", 1, {0, 0, 0}, 0.0},
      {"lower-case word", L"g01x10.\r\n", true, origin, false, L"g", 1, {0, 0, 0}, 0.0},
      {"nothing after M30 is run", L"G91G01X10.F600.\r\nM30\r\nG95\r\n", true, origin, true, L"", 0, {10, 0, 0}, 1.0},
      {"nothing after a % that follows blocks is run", L"G91G01X10.F600.\r\n%\r\nG95\r\n", true, origin, true, L"", 0,
       {10, 0, 0}, 1.0},
      {"a leading % starts the program; every line counts", L"%\r\n\r\nG91G01X10.F600.\r\nG95\r\n", true, origin,
       false, L"G95", 4, {10, 0, 0}, 1.0},
      {"a length without a decimal point", L"G91G01X-100F1000.\r\n", true, origin, false,
       L"X-100 has no decimal point", 1, {0, 0, 0}, 0.0},
      {"an exact 0 needs none; a centre word does", L"G90G00X0Y0\r\nG17G02I10F600.\r\n", true, origin, false,
       L"I10 has no decimal point", 2, {0, 0, 0}, 0.0},
      {"so does a dwell time", L"G04X5\r\n", true, origin, false, L"X5 has no decimal point", 1, {0, 0, 0}, 0.0},
      {"incremental move of an axis not yet placed", L"G91G01X10.F600.\r\n", true, unknown, false, L"X10.", 1,
       {kUnknown, kUnknown, kUnknown}, 0.0},
      {"absolute targets place unknown axes; the time from nowhere is not counted", L"G90G00X10.Z-5.\r\n", true, unknown,
       true, L"", 0, {10, kUnknown, -5}, 0.0},
      {"same axis twice in a block", L"G91G01X10.U5.F600.\r\n", true, origin, false, L"U5.", 1, {0, 0, 0}, 0.0},
      {"G17 arc with the K word", L"G91G17G02I10.K5.F600.\r\n", true, origin, false, L"K5.", 1, {0, 0, 0}, 0.0},
      {"arc whose end is off its circle", L"G91G17G02X5.I10.F600.\r\n", true, origin, false, L"G02", 1, {0, 0, 0}, 0.0},
      {"arc with a zero turn count", L"G17G02I10.F600.P0\r\n", true, origin, false, L"P0", 1, {0, 0, 0}, 0.0},
      {"P turns: three full circles", L"G17G03I10.F600.P3\r\n", true, origin, true, L"", 0, {0, 0, 0},
       3 * 2 * M_PI * 10 / 10.0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    const FollowResult result = FollowProgram(Machine(row.modalAddressing), row.text, row.start);
    EXPECT_EQ(result.followed, row.followed);
    EXPECT_EQ(result.word, row.word);
    EXPECT_EQ(result.line, row.line);
    ASSERT_EQ(result.end.size(), row.end.size());
    for (std::size_t a = 0; a < row.end.size(); ++a) {
      if (std::isnan(row.end[a])) {
        EXPECT_TRUE(std::isnan(result.end[a])) << "axis " << a;
      } else {
        EXPECT_DOUBLE_EQ(result.end[a], row.end[a]) << "axis " << a;
      }
    }
    EXPECT_NEAR(result.seconds, row.seconds, 1e-9);
  }
}

TEST(ProgramFollower, ReadsTheSamplingTimeComment) {
  struct Case {
    const wchar_t* text;
    bool has;
    double value;
  };
  const Case kCases[] = {
      {L"(smptime=0.40)\r\nM30\r\n", true, 0.40},
      {L"(smptime=)\r\nM30\r\n", false, 0.0},
      {L"(R=100.)\r\n(F=3000.)\r\n", false, 0.0},
      {L"(smptime=5)G91\r\n", true, 5.0},
  };
  for (const Case& c : kCases) {
    const FollowResult result = FollowProgram(Machine(), c.text, {0, 0, 0});
    EXPECT_TRUE(result.followed);
    EXPECT_EQ(result.hasSamplingTime, c.has);
    EXPECT_DOUBLE_EQ(result.samplingTime, c.value);
  }
}

// Quarter and three-quarter arcs from (0, 0) about the centre (10, 0) to
// (10, 10): the direction decides which side of the circle is swept.
TEST(SweptRange, ArcsByTheirRealExtent) {
  struct Case {
    const char* what;
    const wchar_t* text;
    double xMin, xMax, yMin, yMax;
  };
  const Case kCases[] = {
      {"clockwise quarter", L"G17G02X10.Y10.I10.F600.\r\n", 0, 10, 0, 10},
      {"counter-clockwise three quarters", L"G17G03X10.Y10.I10.F600.\r\n", 0, 20, -10, 10},
      {"full circle", L"G17G02I10.F600.\r\n", 0, 20, -10, 10},
      {"line", L"G01X-5.Y7.F600.\r\n", -5, 0, 0, 7},
      {"G18: Z-X, clockwise about X 10", L"G18G02X10.Z10.I10.F600.\r\n", 0, 20, 0, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const FollowResult result = FollowProgram(Machine(), c.text, {0, 0, 0});
    ASSERT_EQ(result.steps.size(), 1u);
    const std::vector<AxisRange> ranges = SweptRanges(result.steps[0]);
    EXPECT_NEAR(ranges[0].min, c.xMin, 1e-9);
    EXPECT_NEAR(ranges[0].max, c.xMax, 1e-9);
    EXPECT_NEAR(ranges[1].min, c.yMin, 1e-9);
    EXPECT_NEAR(ranges[1].max, c.yMax, 1e-9);
    EXPECT_EQ(ranges[2].touched, c.text[2] == L'8') << "Z moves in the G18 plane only";
  }
}

}  // namespace
}  // namespace pf
