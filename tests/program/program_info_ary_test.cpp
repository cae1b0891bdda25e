#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ProgramTestSupport.h"
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
    EXPECT_EQ(programs[plane].m_strLimitMinus2 + programs[plane].m_strLimitPlus2, L"********");
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

// The dwell and the stroke limits (minus, plus) a kind starts with; one array
// for both kinds, so nothing of the first may stay.
TEST_F(ProgramInfoAryInit, KindsStartAfreshWithTheirDwellAndLimits) {
  DataFolder();
  pf::CProgramInfoAry programs;
  const std::pair<int, const wchar_t*> cases[] = {{5, L"1|****|****"}, {4, L"0.5||"}};
  for (const auto& [kind, fields] : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << kind);
    programs.Init(kind, 1, Wide(root_ / "project"), kAxes, kPlanes);
    const pf::CProgramInfo& first = programs.at(0);
    EXPECT_EQ(first.m_strDwell + L"|" + first.m_strLimitMinus + L"|" + first.m_strLimitPlus, fields);
  }
}

}  // namespace
