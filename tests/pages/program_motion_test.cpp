// The motion check of a shown program, on hand-computed programs that differ
// in kind, machine type, G-code list, plane and direction: the verdict line
// and the status behind it.
#include "pages/ProgramMotion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pf {
namespace {

// One system of three axes with the planes of its base axes I=X, J=Y, K=Z.
// Stroke ends: X -500..500, Y -300..300, Z -400..100.
const std::vector<std::wstring> kLabels = {L"$1-X", L"$1-Y", L"$1-Z"};
const std::vector<std::wstring> kPlaneNames = {L"$1-IJ", L"$1-JK", L"$1-KI"};
const std::vector<std::wstring> kPlaneAxes = {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X"};
const std::vector<StrokeLimitTexts> kLimits = {
    {L"-500.000", L"500.000", true, true}, {L"-300.000", L"300.000", true, true}, {L"-400.000", L"100.000", true, true}};

// The planes with the stroke ends of their axes.
CPlaneArray PlaneTable() {
  CPlaneArray planes;
  for (std::size_t p = 0; p < kPlaneNames.size(); ++p) {
    CPlane& plane = planes.emplace_back();
    plane.m_strName = kPlaneNames[p];
    for (std::size_t k = 0; k < 2; ++k) {
      const std::wstring& axis = kPlaneAxes[2 * p + k];
      const StrokeLimitTexts& ends = kLimits[static_cast<std::size_t>(axis.back() - L'X')];
      plane.m_axis[k] = {axis, ends.minus, ends.plus, true, true};
    }
  }
  return planes;
}

struct Case {
  const char* what;
  int kind;
  int machineType;
  int gCodeList;
  int index;  // axis or plane
  std::vector<std::wstring> files;
  MotionStatus status;
  const wchar_t* verdict;
  std::vector<StrokeLimitTexts> limits = kLimits;
  std::vector<double> rapidSpeeds = {};
};

const wchar_t* kMcPosition = L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX350.Y0Z0\r\nM30\r\n";

std::vector<Case> Cases() {
  return {
      {"G17 clockwise full circle, far side past X+", 7, 1, 2, 0,
       {kMcPosition, L"(smptime=99)\r\n(R=100.)\r\n(F=3000.)\r\nG91G61.1\r\nG17\r\nG02I100.F3000.P2\r\nM30\r\n"},
       MotionStatus::BeyondLimits, L"X reaches 550.000, beyond the stroke end 500.000 (Circle1.eia, line 6)"},
      {"G19 clockwise full circle, far side past Z+", 9, 1, 2, 1,
       {L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z50.\r\nM30\r\n",
        L"(smptime=99)\r\nG91G61.1\r\nG19\r\nG02K30.F1000.P2\r\nM30\r\n"},
       MotionStatus::BeyondLimits, L"Z reaches 110.000, beyond the stroke end 100.000 (Circle1.eia, line 4)"},
      {"lathe list 3: G18 counter-clockwise circle written twice, far side past X-", 9, 0, 3, 2,
       {L"(smptime=0)\r\nG94G97G90G40G00\r\nX-300.Y0Z0\r\nM30\r\n",
        L"(smptime=99)\r\n(R=150.)\r\n(F=3000.)\r\nG98G64\r\nG18\r\nG03I-150.F3000.\r\nG03I-150.F3000.\r\nM30\r\n"},
       MotionStatus::BeyondLimits, L"X reaches -600.000, beyond the stroke end -500.000 (Circle1.eia, line 6)"},
      {"G18 counter-clockwise quarter (Z right, X up) stays inside", 7, 1, 2, 2,
       {L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z-360.\r\nM30\r\n",
        L"(smptime=9)\r\nG91G61.1\r\nG18\r\nG03Z50.X50.I50.F3000.\r\nM30\r\n"},
       MotionStatus::Within, L"Within the stroke limits: X 0.000 \u2026 50.000, Z -360.000 \u2026 -310.000"},
      {"G19 counter-clockwise quarter (Y right, Z up) stays inside", 7, 1, 2, 1,
       {L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z50.\r\nM30\r\n",
        L"(smptime=9)\r\nG91G61.1\r\nG19\r\nG03Y30.Z30.K30.F3000.\r\nM30\r\n"},
       MotionStatus::Within, L"Within the stroke limits: Y 0.000 \u2026 30.000, Z 50.000 \u2026 80.000"},
      {"G18 clockwise three quarters to the same end passes Z-", 7, 1, 2, 2,
       {L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z-360.\r\nM30\r\n",
        L"(smptime=9)\r\nG91G61.1\r\nG18\r\nG02Z50.X50.I50.F3000.\r\nM30\r\n"},
       MotionStatus::BeyondLimits, L"Z reaches -410.000, beyond the stroke end -400.000 (Circle1.eia, line 4)"},
      {"lathe list 4: W moves Z incrementally", 1, 0, 4, 1,
       {L"(smptime=0)\r\nG98G97G40G00\r\nX0\r\nZ50.\r\nM30\r\n",
        L"(smptime=9)\r\nG98G97\r\nG01W100.F3000.\r\nG04X0.5\r\nG01W-100.F3000.\r\nG04X0.5\r\nM30\r\n",
        L""},
       MotionStatus::BeyondLimits, L"Z reaches 150.000, beyond the stroke end 100.000 (G1aa.eia, line 3)",
       {kLimits[0], kLimits[2]}},
      {"lathe list 5: G91 makes Z incremental", 3, 0, 5, 1,
       {L"(smptime=0)\r\nG94G97G90G40G00\r\nX20.\r\nZ20.\r\nM30\r\n",
        L"(smptime=9)\r\nG94G97G91\r\nG01Z100.F3000.\r\nG04X0.5\r\nG01Z-100.F3000.\r\nG04X0.5\r\nM30\r\n"},
       MotionStatus::BeyondLimits, L"Z reaches 120.000, beyond the stroke end 100.000 (G1aa.eia, line 3)",
       {kLimits[0], kLimits[2]}},
      {"rapid moves at the axis's G0 speed", 2, 1, 2, 0,
       {kMcPosition, L"",
        L"(smptime=2.40)\r\nG91G64\r\nG00X100.\r\nG04X0.5\r\nG00X-100.\r\nG04X0.5\r\nM30\r\n"},
       MotionStatus::Within,
       L"Within the stroke limits: X 350.000 \u2026 450.000\r\n"
       L"Sampling 2.40 s ends during the return move of G0a.eia (1.50-2.50 s); 3.00 s covers both moves",
       kLimits, {6000.0, 0.0, 0.0}},
      {"limits not read", 0, 1, 2, 0,
       {kMcPosition, L"", L"(smptime=9)\r\nG91G64\r\nG00X100.\r\nG04X0.5\r\nM30\r\n"},
       MotionStatus::LimitsUnknown, L"Stroke limits unknown for X, Y, Z (the NC gave no stroke range)",
       {{L"****", L"****"}, {L"", L""}, {L"-1.000", L"****", true, false}}},
      {"kinds 5 and 6 move one way: each file needs the start position", 5, 1, 2, 0,
       {kMcPosition, L"(smptime=9)\r\nG91G64\r\nG01X100.F3000.\r\nM30\r\n",
        L"(smptime=9)\r\nG91G64\r\nG01X100.F3000.\r\nG04X1.\r\nM30\r\n"},
       MotionStatus::Within,
       L"Within the stroke limits: X 350.000 \u2026 450.000\r\n"
       L"G1a.eia and G1b.eia both leave the start position towards X+: run G1Pos.eia before each of them"},
      {"nothing made yet", 4, 1, 2, 0, {L"", L"", L""}, MotionStatus::Empty, L"No motion to check yet"},
  };
}

TEST(ProgramMotion, VerdictOfHandComputedPrograms) {
  const CPlaneArray planes = PlaneTable();
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    CProgramInfo program;
    program.m_nKind = c.kind;
    for (const std::wstring& text : c.files) program.emplace_back().m_strText = text;
    ProgramMotionInput input;
    input.program = &program;
    input.kind = c.kind;
    input.index = c.index;
    const bool lathe = c.machineType == 0 && c.kind < 7;
    input.machine.axisLabels = lathe ? std::vector<std::wstring>{L"$1-X", L"$1-Z"} : kLabels;
    input.machine.incrementalNames.assign(input.machine.axisLabels.size(), L"999");
    input.machine.machineType = c.machineType;
    input.machine.gCodeList = c.gCodeList;
    input.planeNames = kPlaneNames;
    input.planeAxes = kPlaneAxes;
    input.planes = &planes;
    input.axisLimits = c.limits;
    input.rapidSpeeds = c.rapidSpeeds;
    const ProgramMotion motion = CheckProgramMotion(input);
    EXPECT_EQ(motion.Text(), c.verdict);
    EXPECT_EQ(static_cast<int>(motion.status), static_cast<int>(c.status));
    EXPECT_EQ(motion.pictures.size(), c.files.size());
  }
}

}  // namespace
}  // namespace pf
