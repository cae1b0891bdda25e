#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramTestSupport.h"
#include "program/ProgramErrors.h"
#include "program/ProgramInfo.h"

namespace {

using pf::CProgramInfo;

const std::vector<std::wstring> kMoveNames = {L"X", L"Y", L"Z"};
const std::vector<std::wstring> kPositionNames = {L"X", L"Y", L"Z"};

// A program of the kind with three axes at 0, order 0, and four files that
// hold old text.
CProgramInfo Program(int kind) {
  CProgramInfo info;
  info.m_nKind = kind;
  info.m_strDistance = L"100";
  info.m_strFeed = L"3000";
  info.m_bDwell = 1;
  info.m_strDwell = L"0.5";
  info.m_aryAxis.resize(3);
  info.resize(4);
  for (auto& file : info) {
    file.m_strText = L"old\r\n";
    file.m_bModified = 1;
  }
  return info;
}

struct DispatchCase {
  int kind;
  int machineType;
  int fileIndex;
  const wchar_t* text;
};

// The files of the dispatch that the end-to-end runs do not write, with
// sampling times 4 (m_strSmpTime) and 2 (m_strSmpTime2), G-code list 3 and
// the test move on axis Y.
TEST(MakeProgram, FileContentByKindMachineTypeAndFile) {
  const DispatchCase cases[] = {
      {9, 0, 0, L"(smptime=0)\r\nG94G97G90G40G00\r\nX0Y0Z0\r\nM30\r\n"},
      {0, 0, 1, L"(smptime=4)\r\nG94G97G91\r\nG00Y100.\r\nG04X0.5\r\nG00Y-100.\r\nG04X0.5\r\nM30\r\n"},
      {3, 0, 1,
       L"(smptime=4)\r\nG94G97G91\r\nG01Y100.F3000.\r\nG04X0.5\r\nG01Y-100.F3000.\r\nG04X0.5\r\nM30\r\n"},
      {5, 1, 1, L"(smptime=2)\r\nG91G64\r\nG01Y100.F3000.\r\nM30\r\n"},
      {6, 1, 2, L"(smptime=4)\r\nG91G64\r\nG01Y100.F3000.\r\nG04X0.5\r\nM30\r\n"},
      {8, 1, 1, L"(smptime=4)\r\n(R=10.)\r\n(F=3000.)\r\nG91G61.1\r\nG19\r\nG02J10.F3000.P2\r\nM30\r\n"},
      {0, 0, 2, L"M30\r\n"},   // no third file for the lathe rapid programs
      {0, 2, 1, L"M30\r\n"},   // no machine type 2
      {11, 1, 0, L"M30\r\n"},  // no kind 11
      {7, 1, 2, L"M30\r\n"},
  };
  for (const DispatchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " machine " << c.machineType << " file "
                                    << c.fileIndex);
    CProgramInfo info = Program(c.kind);
    info.m_strSmpTime = L"4";
    info.m_strSmpTime2 = L"2";
    info.m_strRadius = L"10";
    info.m_strPlane = L"$1-JK";
    pf_test::RecordingSink sink;
    pf::ScopedMessageSink scoped(sink);
    EXPECT_EQ(info.MakeProgram(c.machineType, kMoveNames, kPositionNames, 1, c.fileIndex, 3), 1);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(info.at(c.fileIndex).m_bModified, 0);
    EXPECT_EQ(info.at(c.fileIndex).m_strText, c.text);
    for (int other = 0; other < 4; ++other) EXPECT_TRUE(other == c.fileIndex || info[other].m_strText == L"old\r\n");
  }
}

// A refused value stops only the files that use it: one error box, and the
// file keeps its old text.
TEST(MakeProgram, RefusedValuesStopTheFilesThatUseThem) {
  struct Row {
    const char* name;
    int kind;
    int machineType;
    int fileIndex;
    void (*spoil)(CProgramInfo&);
    int error;  // 0: the file is made
  };
  const auto badDwell = [](CProgramInfo& p) { p.m_strDwell = L"x"; };
  const Row rows[] = {
      {"position file, bad dwell", 5, 1, 0, badDwell, 0},
      {"G1a without dwell", 5, 1, 1, badDwell, 0},
      {"G1b with dwell", 5, 1, 2, badDwell, pf::kErrDwellInvalid},
      {"doubled G1ab", 1, 0, 2, badDwell, 0},
      {"G1aa with dwell", 1, 0, 1, badDwell, pf::kErrDwellInvalid},
      {"start position", 3, 1, 0, [](CProgramInfo& p) { p.m_aryAxis[2].m_strPosition = L"1..2"; },
       pf::kErrPositionInvalid},
      {"position file ignores the sampling time", 3, 1, 0, [](CProgramInfo& p) { p.m_strSmpTime = L"bad"; }, 0},
      {"feed", 3, 1, 1, [](CProgramInfo& p) { p.m_strFeed = L"-1"; }, pf::kErrFeedInvalid},
      {"distance", 0, 1, 1, [](CProgramInfo& p) { p.m_strDistance = L""; }, pf::kErrDistanceInvalid},
      {"radius", 9, 1, 1, [](CProgramInfo& p) { p.m_strRadius = L"r"; }, pf::kErrRadiusInvalid},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CProgramInfo info = Program(row.kind);
    info.m_strRadius = L"10";
    row.spoil(info);
    pf_test::RecordingSink sink;
    pf::ScopedMessageSink scoped(sink);
    EXPECT_EQ(info.MakeProgram(row.machineType, kMoveNames, kPositionNames, 0, row.fileIndex, 2), row.error ? 0 : 1);
    EXPECT_EQ(info[row.fileIndex].m_bModified, row.error ? 1 : 0);
    EXPECT_EQ(info[row.fileIndex].m_strText == L"old\r\n", row.error != 0);
    ASSERT_EQ(sink.shown.size(), row.error ? 1u : 0u);
    if (row.error == 0) continue;
    EXPECT_EQ(sink.shown[0].stringId, static_cast<unsigned>(row.error));
    EXPECT_EQ(sink.shown[0].icon, pf::MsgIcon::Error);
  }
}

}  // namespace
