#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ProgramTestSupport.h"
#include "program/ProgramInfoAry.h"
#include "program/ProgramKinds.h"

namespace {

using pf_test::ReadBytes;
using pf_test::Wide;
using pf_test::WriteBytes;

const std::vector<std::wstring> kAxes = {L"$1-X", L"$1-Y", L"$1-Z"};
const std::vector<std::wstring> kPlanes = {L"$1-IJ", L"$1-JK"};

class CircleSettings : public pf_test::TempDataHome {};

TEST_F(CircleSettings, MissingSectionIsWrittenBackAndPresentKeysAreLeftAlone) {
  const std::string before =
      "[LostMotionAdjust2_Adjust]\r\nRadius1=50\r\nRadius2=60\r\nFeedRate1=abc\r\nFeedRate2=4000\r\n";
  const auto ini = DataFolder() / "OVX.ini";
  WriteBytes(ini, before);

  pf::CProgramInfoAry programs;
  programs.LoadCircleSettings();

  EXPECT_EQ(ReadBytes(ini), before + "[LostMotionAdjust3_Adjust]\r\nRadius1=100.000000\r\nRadius2=100.000000\r\n"
                                     "FeedRate1=3000.000000\r\nFeedRate2=5000.000000\r\n");
  const pf::CProgramInfoAry& p = programs;
  EXPECT_EQ((std::vector<double>{p.m_dLM2Radius1, p.m_dLM2Radius2, p.m_dLM2Feed1, p.m_dLM2Feed2, p.m_dLM3Radius1,
                                 p.m_dLM3Feed1, p.m_dLM3Feed2}),
            (std::vector<double>{50, 60, 0, 4000, 100, 3000, 5000}));
}

TEST_F(CircleSettings, CircleKindsStartFromTheSettingsRoundedToWholeNumbers) {
  WriteBytes(DataFolder() / "OVX.ini",
             "[LostMotionAdjust2_Adjust]\r\nRadius1=2500.7\r\nFeedRate1=abc\r\nRadius2=99.49\r\nFeedRate2=1e3\r\n");
  const std::wstring project = Wide(root_ / "project");
  // Kind, plane, feed and radius.
  const std::tuple<int, std::size_t, const wchar_t*, const wchar_t*> rows[] = {
      {7, 0, L"0", L"2501"}, {8, 1, L"1000", L"99"}, {9, 1, L"3000", L"100"}};
  for (const auto& [kind, plane, feed, radius] : rows) {
    SCOPED_TRACE(kind);
    pf::CProgramInfoAry programs;
    programs.Init(kind, 0, project, kAxes, kPlanes);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[plane].m_strFeed, feed);
    EXPECT_EQ(programs[plane].m_strRadius, radius);
    EXPECT_EQ(programs[plane].m_strPlane, kPlanes[plane]);
  }
}

TEST_F(CircleSettings, UnwritableSettingsFileGivesTheDefaults) {
  // The data folder does not exist, so the file can be neither read nor made.
  pf::CProgramInfoAry programs;
  programs.LoadCircleSettings();
  EXPECT_EQ((std::vector<double>{programs.m_dLM2Feed1, programs.m_dLM2Feed2, programs.m_dLM3Radius2}),
            (std::vector<double>{3000, 5000, 100}));
}

class ProgramInfoAryInit : public pf_test::TempDataHome {};

// The first record's distance, dwell, sampling time, feed, radius, plane and
// limits (minus, plus, second minus, second plus), joined by "|".
TEST_F(ProgramInfoAryInit, KindDefaults) {
  DataFolder();
  const std::pair<int, const wchar_t*> cases[] = {
      {0, L"300|0.5|5|0|||****|****||"},
      {4, L"100|0.5|5|0||||||"},
      {5, L"100|1|5|0|||****|****||"},
      {7, L"100|0.5|5|3000|100|$1-IJ|****|****|****|****"},
      {8, L"100|0.5|5|5000|100|$1-IJ|****|****|****|****"},
  };
  for (const auto& [kind, fields] : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << kind);
    pf::CProgramInfoAry programs;
    programs.Init(kind, 1, Wide(root_ / "project"), kAxes, kPlanes);
    EXPECT_EQ(programs.m_nAryKind, kind);
    ASSERT_EQ(programs.size(), pf::IsCircleKind(kind) ? kPlanes.size() : kAxes.size());
    const pf::CProgramInfo& first = programs[0];
    EXPECT_EQ(first.m_nKind, kind);
    EXPECT_EQ(first.m_bLoaded, 0);
    std::wstring joined;
    for (const std::wstring* field : {&first.m_strDistance, &first.m_strDwell, &first.m_strSmpTime, &first.m_strFeed,
                                      &first.m_strRadius, &first.m_strPlane, &first.m_strLimitMinus,
                                      &first.m_strLimitPlus, &first.m_strLimitMinus2}) {
      joined += *field + L"|";
    }
    EXPECT_EQ(joined + first.m_strLimitPlus2, fields);
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
