#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/ProgramErrors.h"
#include "program/ProgramInfo.h"

namespace {

using pf::CProgramInfo;

struct NumberCase {
  const wchar_t* text;
  bool valid;
  int dots;
};

TEST(CheckNumber, AcceptsAndRejects) {
  const NumberCase cases[] = {
      {L"0", true, 0},      {L"12.5", true, 1},   {L"5.", true, 1},     {L"-0", true, 0},
      {L"3000", true, 0},   {L"", false, 0},      {L".", false, 0},     {L"-", false, 0},
      {L".5", false, 0},    {L"1.2.3", false, 0}, {L"1-2", false, 0},   {L"+5", false, 0},
      {L"1e3", false, 0},   {L"-3", false, 0},    {L"-.5", false, 0},   {L" 5", false, 0},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
    int dots = 7;
    EXPECT_EQ(CProgramInfo::CheckNumber(c.text, dots), c.valid);
    EXPECT_EQ(dots, c.valid ? c.dots : 7);
  }
}

struct Axis {
  const wchar_t* name;
  const wchar_t* position;
  int order;
};

// A program with the given axes and the position-name list that goes with it.
CProgramInfo WithAxes(const std::vector<Axis>& axes, std::vector<std::wstring>& names) {
  CProgramInfo info;
  names.clear();
  for (const Axis& axis : axes) {
    pf::CProgramAxisInfo entry;
    entry.m_strPosition = axis.position;
    entry.m_nOrder = axis.order;
    info.m_aryAxis.push_back(entry);
    names.push_back(axis.name);
  }
  return info;
}

struct PositionCase {
  const wchar_t* position;
  const wchar_t* line;  // null: the block fails
};

TEST(MakePositionBlock, PositionTexts) {
  const PositionCase cases[] = {
      {L"99999.999999", L"X99999.999999"}, {L"100000", nullptr}, {L"0.1234567", nullptr},
      {L"1..2", nullptr}, {L".", nullptr}, {L"5+", nullptr},
      {L"1-2", nullptr}, {L"12a", nullptr}, {L"-100000.5", nullptr},
      {L"99999999999", nullptr}, {L"4294967296", nullptr}, {L"-4294967296.5", nullptr},
      {L"18446744073709551616", nullptr}, {L"+5", L"X+5."}, {L"0", L"X0"},
      {L"-0", L"X-0."}, {L"-99999", L"X-99999."}, {L"50", L"X50."},
      {L".5", L"X.5"}, {L"", L"X."},
  };
  for (const PositionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "position \"" << std::string(c.position, c.position + wcslen(c.position))
                                    << "\"");
    std::vector<std::wstring> names;
    const CProgramInfo info = WithAxes({{L"X", c.position, 0}}, names);
    std::wstring output = L"(smptime=0)\r\n";
    EXPECT_EQ(info.MakePositionBlock(0, output, 2, names), c.line ? 1 : 0);
    EXPECT_EQ(output,
              c.line ? L"(smptime=0)\r\nG98G97G40G00\r\n" + std::wstring(c.line) + L"\r\n" : L"(smptime=0)\r\n");
  }
}

struct BlockCase {
  const char* name;
  int machineType;
  int gCodeList;
  int paraExt3;  // the G08 form needs NC type 0: the NC type is 1 when this is 5
  std::vector<Axis> axes;
  const wchar_t* block;
};

TEST(MakePositionBlock, LinesPerOrder) {
  const BlockCase cases[] = {
      {"lowest order first", 0, 2, 0, {{L"X", L"0", 0}, {L"", L"7", 0}, {L"Z", L"50", 1}},
       L"G98G97G40G00\r\nX0\r\nZ50.\r\n"},
      {"shared order line", 1, 2, 0, {{L"X", L"10", 3}, {L"Y", L"2", 5}, {L"Z", L"5", 3}},
       L"G90G94G64G49G40G00\r\nX10.Z5.\r\nY2.\r\n"},
      {"order without named axes adds nothing", 0, 3, 0,
       {{L"X", L"1", 0}, {L"", L"2", 1}, {L"Z", L"3", 2}}, L"G94G97G90G40G00\r\nX1.\r\nZ3.\r\n"},
      {"G08 form header", 1, 2, 1, {{L"X", L"0", 0}}, L"G90G94G49G40G00\r\nG8P0\r\nX0\r\n"},
      {"no G08 form for NC type 1", 1, 2, 5, {}, L"G90G94G64G49G40G00\r\n"},
      {"list 7 like list 3", 0, 7, 0, {}, L"G94G97G90G40G00\r\n"},
      {"no header for list 1", 0, 1, 0, {}, L"\r\n"},
      {"no axes", 0, 2, 0, {}, L"G98G97G40G00\r\n"},
      {"no named axes", 1, 2, 0, {{L"", L"1", 0}, {L"", L"2", 1}}, L"G90G94G64G49G40G00\r\n"},
      {"no header for machine type 2", 2, 2, 0, {{L"X", L"1", 0}}, L"\r\nX1.\r\n"},
      {"invalid axis without name is ignored", 0, 2, 0, {{L"", L"bad", 0}, {L"Z", L"1", 0}},
       L"G98G97G40G00\r\nZ1.\r\n"},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::wstring> names;
    CProgramInfo info = WithAxes(c.axes, names);
    info.m_nParaExt3 = c.paraExt3;
    info.m_nNcType = c.paraExt3 == 5 ? 1 : 0;
    std::wstring output;
    EXPECT_EQ(info.MakePositionBlock(c.machineType, output, c.gCodeList, names), 1);
    EXPECT_EQ(output, c.block);
  }
}

// The parameters of a test move.
struct MoveSetup {
  const wchar_t* distance = L"100";
  const wchar_t* feed = L"3000";
  int dwellOn = 1;
  const wchar_t* dwell = L"0.5";
  int paraExt3 = 0;
};

CProgramInfo MoveProgram(const MoveSetup& setup) {
  CProgramInfo info;
  info.m_strDistance = setup.distance;
  info.m_strFeed = setup.feed;
  info.m_bDwell = setup.dwellOn;
  info.m_strDwell = setup.dwell;
  info.m_nParaExt3 = setup.paraExt3;
  return info;
}

struct ReciprocCase {
  const char* name;
  MoveSetup setup;
  int machineType;
  int modeIndex;
  bool feedMove;
  int gCodeList;
  bool doubled;
  int error;
  const wchar_t* block;
};

TEST(MakeReciprocMove, Blocks) {
  const ReciprocCase cases[] = {
      {"G08 form", {L"100", L"3000", 1, L"0.5", 1}, 1, 0, false, 2, false, 0,
       L"G91\r\nG8P1\r\nG00X100.\r\nG04X0.5\r\nG00X-100.\r\nG04X0.5\r\n"},
      {"no dwell, distance with point, dwell 1", {L"100.5", L"3000", 0, L"1"}, 0, 0, false, 2, false, 0,
       L"G98G97\r\nG00X100.5\r\nG04X0\r\nG00X-100.5\r\nG04X0\r\n"},
      {"dwell without point", {L"100.5", L"2500.", 1, L"1"}, 1, 1, true, 2, false, 0,
       L"G91G64\r\nG01X100.5F2500.\r\nG04X1.\r\nG01X-100.5F2500.\r\nG04X1.\r\n"},
      {"empty lathe words", {}, 0, 1, false, 8, false, 0,
       L"\r\nG00X100.\r\nG04X0.5\r\nG00X-100.\r\nG04X0.5\r\n"},
      {"invalid distance first", {L"-1", L"x", 1, L"x"}, 1, 1, true, 2, false, pf::kErrDistanceInvalid, nullptr},
      {"rapid ignores the feed", {L"100", L"", 0, L"0.5"}, 1, 1, false, 2, false, 0,
       L"G91G64\r\nG00X100.\r\nG04X0\r\nG00X-100.\r\nG04X0\r\n"},
      {"no mode words for mode 2", {L"100", L"1", 0}, 1, 2, false, 2, false, 0,
       L"\r\nG00X100.\r\nG04X0\r\nG00X-100.\r\nG04X0\r\n"},
      {"invalid dwell unused when doubled", {L"100", L"3000", 1, L".5"}, 1, 1, true, 2, true, 0,
       L"G91G64\r\nG01X100.F3000.\r\nG01X-100.F3000.\r\nG01X100.F3000.\r\nG01X-100.F3000.\r\n"},
      {"invalid dwell unused without timed dwell", {L"100", L"3000", 0, L"abc"}, 1, 1, true, 2, false, 0,
       L"G91G64\r\nG01X100.F3000.\r\nG04X0\r\nG01X-100.F3000.\r\nG04X0\r\n"},
  };
  for (const ReciprocCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CProgramInfo info = MoveProgram(c.setup);
    std::wstring output = L"(smptime=5)\r\n";
    EXPECT_EQ(info.MakeReciprocMove(c.machineType, c.modeIndex, c.feedMove, c.gCodeList, L"X", output, c.doubled),
              c.error);
    EXPECT_EQ(output, std::wstring(L"(smptime=5)\r\n") + (c.block ? c.block : L""));
  }
}

struct CircleCase {
  const char* name;
  int machineType;
  const wchar_t* plane;
  const wchar_t* radius;
  const wchar_t* feed;
  int direction;
  int error;
  const wchar_t* block;
};

TEST(MakeCircle, Blocks) {
  const CircleCase cases[] = {
      {"centre, JK, counter-clockwise", 1, L"$2-JK", L"10.5", L"500", 1, 0,
       L"(R=10.5)\r\n(F=500.)\r\nG91\r\nG8P1\r\nG19\r\nG03J10.5F500.P2\r\n"},
      {"lathe, KI: two blocks", 0, L"$1-KI", L"50", L"1000.5", 0, 0,
       L"(R=50.)\r\n(F=1000.5)\r\nG98G64\r\nG18\r\nG02K50.F1000.5\r\nG02K50.F1000.5\r\n"},
      {"reversed letters KJ: both letters pick Y-Z", 1, L"$3-KJ", L"2", L"9", 0, 0,
       L"(R=2.)\r\n(F=9.)\r\nG91\r\nG8P1\r\nG19\r\nG02J2.F9.P2\r\n"},
      {"reversed letters IK: both letters pick Z-X", 1, L"$1-IK", L"2", L"9", 1, 0,
       L"(R=2.)\r\n(F=9.)\r\nG91\r\nG8P1\r\nG18\r\nG03K2.F9.P2\r\n"},
      {"reversed letters JI: both letters pick X-Y", 0, L"$1-JI", L"2", L"9", 0, 0,
       L"(R=2.)\r\n(F=9.)\r\nG98G64\r\nG17\r\nG02I2.F9.\r\nG02I2.F9.\r\n"},
      {"short plane text", 1, L"$1", L"1", L"2", 0, 0,
       L"(R=1.)\r\n(F=2.)\r\nG91\r\nG8P1\r\nG17\r\nG02I1.F2.P2\r\n"},
      {"unknown plane", 0, L"$1-XY", L"1", L"2", 1, 0,
       L"(R=1.)\r\n(F=2.)\r\nG98G64\r\n\r\nG03K1.F2.\r\nG03K1.F2.\r\n"},
      {"lower-case letters name no plane", 1, L"$1-ij", L"1", L"2", 0, 0,
       L"(R=1.)\r\n(F=2.)\r\nG91\r\nG8P1\r\n\r\nG02K1.F2.P2\r\n"},
      {"invalid feed first", 1, L"$1-IJ", L"", L"-5", 0, pf::kErrFeedInvalid, nullptr},
      {"invalid radius", 1, L"$1-IJ", L"", L"3000", 0, pf::kErrRadiusInvalid, nullptr},
  };
  for (const CircleCase& c : cases) {
    SCOPED_TRACE(c.name);
    CProgramInfo info;
    info.m_strPlane = c.plane;
    info.m_strRadius = c.radius;
    info.m_strFeed = c.feed;
    info.m_nCircleDir = c.direction;
    info.m_nParaExt3 = 1;  // the G08 form, which a lathe's circle does not take
    std::wstring output;
    EXPECT_EQ(info.MakeCircle(c.machineType, output), c.error);
    EXPECT_EQ(output, c.block ? c.block : L"");
  }
}

}  // namespace
