// The check of whole programs at the motion layer: the numbers it reads,
// the order in which findings decide the verdict, each file's picture (path,
// start mark, stroke ends) and where a drawing puts the picture's parts.
#include "motion/MotionCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/NcNumber.h"
#include "motion/PictureLayout.h"

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
      {"an axis without limits moved; the stroke verdict before the sampling remark",
       {{L"P.eia", position}, {L"A.eia", L"(smptime=0.1)G91G01Y5.F600.\r\n"}}, MotionStatus::LimitsUnknown,
       L"Stroke limits unknown for Y (the NC gave no stroke range)\r\n"
       L"Sampling 0.10 s ends during the move on line 1 of A.eia (0.00-0.50 s); 1.00 s covers the move"},
      {"the position file has no sampling time to meet", {{L"P.eia", L"(smptime=0)\r\nG90G00X0\r\nG01X50.F1.\r\n"}},
       MotionStatus::Within, L"Within the stroke limits: X 0.000 \u2026 50.000"},
      {"a position on the stroke end is inside; no sampling time, no remark",
       {{L"P.eia", L"G90G00X0\r\n"}, {L"A.eia", L"G91G01X100.F600.\r\nG01X-100.\r\n"}}, MotionStatus::Within,
       L"Within the stroke limits: X 0.000 \u2026 100.000"},
      {"sampled to the end of the last move: the dwell after it is standstill",
       {{L"P.eia", L"G90G00X0\r\n"}, {L"A.eia", L"(smptime=2.5)\r\nG91G01X10.F600.\r\nG04X0.5\r\nX-10.\r\nG04X5.\r\n"},
        {L"B.eia", L"(smptime=1.2)\r\nG91G01X10.F600.\r\nG04X0.5\r\nX-10.\r\nG04X0.5\r\n"}},
       MotionStatus::Within,
       L"Within the stroke limits: X 0.000 \u2026 10.000\r\n"
       L"Sampling 1.20 s ends before the return move of B.eia (1.50-2.50 s); 3.00 s covers both moves"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const MotionResult result = CheckMotion(TwoAxes(), c.files, {0, -1});
    EXPECT_EQ(result.Text(), c.verdict);
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
  };
  const std::vector<MotionFile> files = {
      {L"P.eia", L"G90G00X20.Y10.\r\n"},
      {L"A.eia", L"G91G01X30.F600.\r\nG17G03I-10.\r\n"},
  };
  const Case kCases[] = {
      {"position file: its target is the start", {0, -1}, 0, {{20, 0}}, 1, {20, 0}},
      {"single axis: the line, then the circle's X along the axis", {0, -1}, 1, {{20, 0}, {50, 0}, {49.9619, 0}}, 74,
       {20, 0}},
      {"plane: the circle in X/Y; Y has no limits", {0, 1}, 1, {{20, 10}, {50, 10}, {49.9619, 10.8716}}, 74, {20, 10}},
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
    EXPECT_TRUE(picture.horizontalLimits.known);
    EXPECT_DOUBLE_EQ(picture.horizontalLimits.minus, -100);
    EXPECT_DOUBLE_EQ(picture.horizontalLimits.plus, 100);
    EXPECT_FALSE(picture.verticalLimits.known);
  }
}

// A plane picture of X and Y from the path's first point.
MotionPicture Plane(std::vector<PicturePoint> path, PictureLimits x, PictureLimits y) {
  MotionPicture picture;
  picture.horizontalAxis = L"X";
  picture.verticalAxis = L"Y";
  picture.start = path.front();
  picture.path = std::move(path);
  picture.horizontalLimits = x;
  picture.verticalLimits = y;
  return picture;
}

TEST(PictureLayout, StrokeEndsBreachesScaleAndInset) {
  struct Row {
    const char* what;
    MotionPicture picture;
    double width;
    const wchar_t* scene;
    ScenePoint farthest;  // the alarm dot, where there is one
  };
  const PictureLimits x{true, -500, 500};
  const PictureLimits y{true, -250, 250};
  MotionPicture axis = Plane({{0, 0}, {100, 0}, {0, 0}}, x, {});
  axis.verticalAxis.clear();
  const Row kRows[] = {
      {"a path past the X plus end: the part beyond, its farthest point at the right", Plane({{400, 0}, {500, 100}, {600, 0}, {500, -100}, {400, 0}}, x, y),
       400, L"path 4, beyond 3, 4 limit lines, arrow, texts \"-500.000\" \"500.000\" \"-250.000\" \"250.000\" \"X 600.000\" \"200 mm\" \"X\" \"Y\"",
       {390, 143}},
      {"past the Y plus end: the farthest point at the top", Plane({{0, 200}, {100, 300}, {200, 200}}, x, y), 400,
       L"path 4, beyond 3, 4 limit lines, arrow, texts \"-500.000\" \"500.000\" \"-250.000\" \"250.000\" \"Y 300.000\" \"200 mm\" \"X\" \"Y\"",
       {238, 38.5}},
      {"a 10 mm path in a 1000 mm box, enlarged in an inset", Plane({{0, 0}, {10, 0}, {10, 10}}, x, y), 400,
       L"path 3, 4 limit lines, texts \"-500.000\" \"500.000\" \"-250.000\" \"250.000\" \"200 mm\" \"X\" \"Y\"; "
       L"inset: path 3, arrow, texts \"5 mm\"", {}},
      {"one axis forth and back", axis, 400,
       L"path 3, 2 limit lines, texts \"-500.000\" \"500.000\" \"200 mm\" \"X\"; inset: path 3, arrow, texts \"20 mm\"", {}},
      {"no room", axis, 20, L"no picture", {}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    const PictureScene scene = LayOutPicture(row.picture, row.width, 300, 12);
    EXPECT_EQ(DescribeScene(scene), row.scene);
    for (const SceneDot& dot : scene.layers.empty() ? std::vector<SceneDot>() : scene.layers[0].dots) {
      if (dot.ink != Ink::Beyond) continue;
      EXPECT_NEAR(dot.at.x, row.farthest.x, 0.5);
      EXPECT_NEAR(dot.at.y, row.farthest.y, 0.5);
    }
  }
}

}  // namespace
}  // namespace pf
