// The check of whole programs at the motion layer: the numbers it reads,
// the order in which findings decide the verdict, and each file's picture
// (path, start mark, limit box).
#include "motion/MotionCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/NcNumber.h"

namespace pf {
namespace {

TEST(NcNumber, TakesNumbersAsWritten) {
  struct Row {
    const wchar_t* text;
    bool ok;
    double value;
  };
  const Row kRows[] = {
      {L"100.", true, 100.0}, {L"-0.5", true, -0.5}, {L".5", true, 0.5},  {L"+12", true, 12.0},
      {L"12", true, 12.0},    {L"", false, 0.0},     {L".", false, 0.0},  {L"-", false, 0.0},
      {L"1.2.3", false, 0.0}, {L"1-2", false, 0.0},  {L"1e3", false, 0.0}, {L"****", false, 0.0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << "text " << std::string(row.text, row.text + std::wcslen(row.text)));
    double value = 0.0;
    EXPECT_EQ(ParseNcNumber(row.text, value), row.ok);
    EXPECT_DOUBLE_EQ(value, row.value);
  }
}

// X -100..100 with limits, Y without; base axes I=X, J=Y.
MotionSetup TwoAxes() {
  MotionSetup setup;
  setup.axes = {{L"X", true, -100, 100, 0}, {L"Y", false, 0, 0, 0}};
  setup.addresses = {{L"X", 0, false}, {L"Y", 1, false}};
  setup.centreAxis[kCentreI] = 0;
  setup.centreAxis[kCentreJ] = 1;
  return setup;
}

TEST(MotionCheck, TheWorstFindingDecides) {
  struct Case {
    const char* what;
    std::vector<MotionFile> files;
    MotionStatus status;
    const wchar_t* verdict;
  };
  const std::wstring position = L"G90G00X0Y0\r\n";
  const Case kCases[] = {
      {"a word it cannot follow before a limit passed later",
       {{L"P.eia", position}, {L"A.eia", L"G91G01X200.F600.\r\nQ1\r\n"}}, MotionStatus::NotChecked,
       L"A.eia not checked: Q1, line 2"},
      {"past a limit before limits unknown on another axis",
       {{L"P.eia", position}, {L"A.eia", L"G91G01Y5.F600.\r\nX-150.\r\n"}}, MotionStatus::BeyondLimits,
       L"X reaches -150.000, beyond the stroke end -100.000 (A.eia, line 2)"},
      {"an axis without limits moved", {{L"P.eia", position}, {L"A.eia", L"(smptime=0.1)G91G01Y5.F600.\r\n"}},
       MotionStatus::LimitsUnknown, L"Stroke limits unknown (not read from the NC): Y"},
      {"the position file has no sampling time to meet", {{L"P.eia", L"(smptime=0)\r\nG90G00X0\r\nG01X50.F1.\r\n"}},
       MotionStatus::Within, L"Within the stroke limits: X 0.000 \u2026 50.000"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const MotionResult result = CheckMotion(TwoAxes(), c.files, {0, -1});
    EXPECT_EQ(result.verdict, c.verdict);
    EXPECT_EQ(static_cast<int>(result.status), static_cast<int>(c.status));
  }
}

TEST(MotionCheck, PicturesPerFile) {
  struct Case {
    const char* what;
    PictureAxes axes;
    std::size_t file;
    std::vector<PicturePoint> path;  // first points, at most three
    std::size_t pathSize;
    PicturePoint start;
    bool limitsKnown;
  };
  const std::vector<MotionFile> files = {
      {L"P.eia", L"G90G00X20.Y10.\r\n"},
      {L"A.eia", L"G91G01X30.F600.\r\nG17G03I-10.\r\n"},
  };
  const Case kCases[] = {
      {"position file: its target is the start", {0, -1}, 0, {{20, 0}}, 1, {20, 0}, true},
      {"single axis: the line, then the circle's X along the axis", {0, -1}, 1, {{20, 0}, {50, 0}, {49.9619, 0}}, 74,
       {20, 0}, true},
      {"plane: the circle in X/Y; Y has no limits, so no box", {0, 1}, 1, {{20, 10}, {50, 10}, {49.9619, 10.8716}}, 74,
       {20, 10}, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const MotionResult result = CheckMotion(TwoAxes(), files, c.axes);
    ASSERT_EQ(result.pictures.size(), files.size());
    const MotionPicture& picture = result.pictures[c.file];
    EXPECT_EQ(picture.fileName, files[c.file].fileName);
    EXPECT_EQ(picture.horizontalAxis, L"X");
    EXPECT_EQ(picture.verticalAxis, c.axes.vertical < 0 ? L"" : L"Y");
    ASSERT_EQ(picture.path.size(), c.pathSize);
    for (std::size_t i = 0; i < c.path.size(); ++i) {
      EXPECT_NEAR(picture.path[i].x, c.path[i].x, 1e-4) << i;
      EXPECT_NEAR(picture.path[i].y, c.path[i].y, 1e-4) << i;
    }
    EXPECT_DOUBLE_EQ(picture.start.x, c.start.x);
    EXPECT_DOUBLE_EQ(picture.start.y, c.start.y);
    EXPECT_EQ(picture.limitsKnown, c.limitsKnown);
    EXPECT_DOUBLE_EQ(picture.limitMin.x, -100);
    EXPECT_DOUBLE_EQ(picture.limitMax.x, 100);
  }
}

}  // namespace
}  // namespace pf
