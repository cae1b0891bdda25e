// The axes of a circle plane: circle axis labels from the systems' base
// axes, and the plane's axes shown from the plane table.
#include "pages/CircleAxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/controls.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

class CircleAxesTest : public test::MachineTest {};

TEST_F(CircleAxesTest, LabelsArePrefixAndBaseAxis) {
  struct Row {
    const wchar_t* plane;
    Names labels;
    const char* firstRead;  // the journal line of the first base axis read
  };
  const Row kRows[] = {
      {L"$1-IJ", {L"$1-X", L"$1-Y"}, "NcGetParameter(0, 0, \"BASE_I\", 16) -> 0"},
      {L"$1-JK", {L"$1-Y", L"$1-Z"}, "NcGetParameter(0, 0, \"BASE_J\", 16) -> 0"},
      {L"$2-KI", {L"$2-Z", L"$2-X"}, "NcGetParameter(1, 0, \"BASE_K\", 16) -> 0"},
      {L"$2-IJ", {L"$2-X", L"$2-"}, "NcGetParameter(1, 0, \"BASE_I\", 16) -> 0"},  // BASE_J is empty
      {L"$3-IJ", {L"$3-", L"$3-"}, "NcGetParameter(2, 0, \"BASE_I\", 16) -> -100"},  // no such system
      {L"$1-XY", {}, ""},
  };
  UseMachine(nullptr);
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.plane);
    sim_.ClearJournal();
    EXPECT_EQ(GetCircleAxisLabels(ovx_, row.plane), row.labels);
    const std::vector<std::string> journal = sim_.Journal();
    EXPECT_EQ(journal.size(), row.labels.size());
    if (!journal.empty()) {
      EXPECT_EQ(journal.front(), row.firstRead);
    }
  }
}

TEST_F(CircleAxesTest, FailedReadGivesThePrefixAlone) {
  UseMachine(nullptr);
  sim_.SetFailure("NcGetParameter", -4);
  EXPECT_EQ(GetCircleAxisLabels(ovx_, L"$1-KI"), (Names{L"$1-", L"$1-"}));
}

TEST(PlaneAxesTexts, ShowsBothAxesOfTheNamedPlane) {
  CPlaneArray planes;
  CPlane plane;
  plane.m_strName = L"$1-IJ";
  plane.m_axis[0] = {L"$1-X", L"-500.0000", L"500.0000"};
  plane.m_axis[1] = {L"$1-Y", L"", L""};
  planes.push_back(plane);
  plane.m_strName = L"$1-JK";
  planes.push_back(plane);

  EXPECT_EQ(PlaneAxesTexts(planes, L"$1-IJ"), (std::vector<ControlText>{{PF_IDC_AXIS, L"$1-X"},
                                                                         {PF_IDC_MINUS, L"-500.0000"},
                                                                         {PF_IDC_PLUS, L"500.0000"},
                                                                         {PF_IDC_AXIS2, L"$1-Y"},
                                                                         {PF_IDC_MINUS2, L""},
                                                                         {PF_IDC_PLUS2, L""}}));
  EXPECT_TRUE(PlaneAxesTexts(planes, L"$1-ij").empty());
  EXPECT_TRUE(PlaneAxesTexts(planes, L"$2-IJ").empty());
}

}  // namespace
}  // namespace pf
