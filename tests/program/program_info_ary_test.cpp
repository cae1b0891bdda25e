#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramTestSupport.h"
#include "common/StringTable.h"
#include "program/ProgramInfoAry.h"

namespace {

using pf_test::ReadBytes;
using pf_test::Wide;
using pf_test::WriteBytes;

const std::vector<std::wstring> kAxes = {L"$1-X", L"$1-Y", L"$1-Z"};
const std::vector<std::wstring> kPlanes = {L"$1-IJ", L"$1-JK"};

class CircleSettings : public pf_test::TempDataHome {};

TEST_F(CircleSettings, MissingSectionIsWrittenBackAndPresentKeysAreLeftAlone) {
  const std::string before =
      "[LostMotionAdjust2_Adjust]\r\n"
      "Radius1=50\r\n"
      "Radius2=60\r\n"
      "FeedRate1=abc\r\n"
      "FeedRate2=4000\r\n";
  const auto ini = DataFolder() / "OVX.ini";
  WriteBytes(ini, before);

  pf::CProgramInfoAry programs;
  programs.LoadCircleSettings();

  EXPECT_EQ(ReadBytes(ini), before +
                                "[LostMotionAdjust3_Adjust]\r\n"
                                "Radius1=100.000000\r\n"
                                "Radius2=100.000000\r\n"
                                "FeedRate1=3000.000000\r\n"
                                "FeedRate2=5000.000000\r\n");
  EXPECT_EQ(programs.m_dLM2Radius1, 50.0);
  EXPECT_EQ(programs.m_dLM2Radius2, 60.0);
  EXPECT_EQ(programs.m_dLM2Feed1, 0.0);
  EXPECT_EQ(programs.m_dLM2Feed2, 4000.0);
  EXPECT_EQ(programs.m_dLM3Radius1, 100.0);
  EXPECT_EQ(programs.m_dLM3Feed1, 3000.0);
  EXPECT_EQ(programs.m_dLM3Feed2, 5000.0);
}

TEST_F(CircleSettings, CircleKindsStartFromTheSettingsRoundedToWholeNumbers) {
  WriteBytes(DataFolder() / "OVX.ini",
             "[LostMotionAdjust2_Adjust]\r\nRadius1=2500.7\r\nFeedRate1=abc\r\nRadius2=99.49\r\nFeedRate2=1e3\r\n");
  const std::wstring project = Wide(root_ / "project");
  struct Row {
    int kind;
    std::size_t plane;
    const wchar_t* feed;
    const wchar_t* radius;
  };
  const Row rows[] = {
      {7, 0, L"0", L"2501"},
      {8, 1, L"1000", L"99"},
      {9, 1, L"3000", L"100"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    pf::CProgramInfoAry programs;
    programs.Init(row.kind, 0, project, kAxes, kPlanes);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[row.plane].m_strFeed, row.feed);
    EXPECT_EQ(programs[row.plane].m_strRadius, row.radius);
    EXPECT_EQ(programs[row.plane].m_strPlane, kPlanes[row.plane]);
  }
}

TEST_F(CircleSettings, UnwritableSettingsFileGivesTheDefaults) {
  // The data folder does not exist, so the file can be neither read nor made.
  pf::CProgramInfoAry programs;
  programs.LoadCircleSettings();
  EXPECT_EQ(programs.m_dLM2Feed1, 3000.0);
  EXPECT_EQ(programs.m_dLM2Feed2, 5000.0);
  EXPECT_EQ(programs.m_dLM3Radius2, 100.0);
}

struct KindDefaultsCase {
  int kind;
  std::size_t count;
  const wchar_t* distance;
  const wchar_t* dwell;
  const wchar_t* smpTime;
  const wchar_t* feed;
  const wchar_t* radius;
  const wchar_t* plane;
  const wchar_t* limit;   // minus and plus limit texts
  const wchar_t* limit2;  // second minus and plus limit texts
};

class ProgramInfoAryInit : public pf_test::TempDataHome {};

TEST_F(ProgramInfoAryInit, KindDefaults) {
  DataFolder();
  const KindDefaultsCase cases[] = {
      {0, 3, L"300", L"0.5", L"5", L"0", L"", L"", L"****", L""},
      {4, 3, L"100", L"0.5", L"5", L"0", L"", L"", L"", L""},
      {5, 3, L"100", L"1", L"5", L"0", L"", L"", L"****", L""},
      {7, 2, L"100", L"0.5", L"5", L"3000", L"100", L"$1-IJ", L"****", L"****"},
      {8, 2, L"100", L"0.5", L"5", L"5000", L"100", L"$1-IJ", L"****", L"****"},
  };
  for (const KindDefaultsCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind);
    pf::CProgramInfoAry programs;
    programs.Init(c.kind, 1, Wide(root_ / "project"), kAxes, kPlanes);
    EXPECT_EQ(programs.m_nAryKind, c.kind);
    ASSERT_EQ(programs.size(), c.count);
    const pf::CProgramInfo& first = programs[0];
    EXPECT_EQ(first.m_nKind, c.kind);
    EXPECT_EQ(first.m_bLoaded, 0);
    EXPECT_EQ(first.m_strDistance, c.distance);
    EXPECT_EQ(first.m_strDwell, c.dwell);
    EXPECT_EQ(first.m_strSmpTime, c.smpTime);
    EXPECT_EQ(first.m_strFeed, c.feed);
    EXPECT_EQ(first.m_strRadius, c.radius);
    EXPECT_EQ(first.m_strPlane, c.plane);
    EXPECT_EQ(first.m_strLimitMinus, c.limit);
    EXPECT_EQ(first.m_strLimitPlus, c.limit);
    EXPECT_EQ(first.m_strLimitMinus2, c.limit2);
    EXPECT_EQ(first.m_strLimitPlus2, c.limit2);
    ASSERT_EQ(first.m_aryAxis.size(), kAxes.size());
    EXPECT_EQ(first.m_aryAxis[2].m_strPosition, L"0");
    EXPECT_EQ(first.m_aryAxis[2].m_nOrder, 0);
  }
}

TEST_F(ProgramInfoAryInit, ReadsTheProgramFilesOfEachAxis) {
  DataFolder();
  const auto folder = root_ / "project" / "$1-Y" / "TimeConstant";
  for (const char* name : {"G1Pos.eia", "G1b.eia", "G1aa.eia", "G1ab.eia"}) {
    WriteBytes(folder / name, std::string(name) + "\r\nM30\r\n%");
  }

  pf::CProgramInfoAry programs;
  programs.Init(3, 1, Wide(root_ / "project"), kAxes, kPlanes);

  ASSERT_EQ(programs.size(), 3u);
  EXPECT_EQ(programs[0].m_bLoaded, 0);
  EXPECT_EQ(programs[0][0].m_strText, L"");
  EXPECT_EQ(programs[1].m_bLoaded, 1);
  ASSERT_EQ(programs[1].size(), 4u);
  EXPECT_EQ(programs[1][2].m_strText, L"G1aa.eia\r\nM30\r\n");
  EXPECT_EQ(programs[1][1].m_strTitle, pf::LoadResString(12601));
  EXPECT_EQ(programs[0][0].m_strTitle, pf::LoadResString(12599));
}

TEST_F(ProgramInfoAryInit, DiscardsEarlierPrograms) {
  DataFolder();
  pf::CProgramInfoAry programs;
  programs.Init(1, 0, Wide(root_ / "project"), kAxes, kPlanes);
  programs[0].m_strDistance = L"7";
  programs.Init(1, 0, Wide(root_ / "project"), {L"$1-X"}, kPlanes);
  ASSERT_EQ(programs.size(), 1u);
  EXPECT_EQ(programs[0].m_strDistance, L"100");
  EXPECT_EQ(programs[0].m_aryAxis.size(), 1u);
}

}  // namespace
