// The picture control: where its parts land in pixels, how it reads as
// text, and the headless control that keeps it.
#include <stdexcept>
#include <string>
#include <vector>

#include "TestPages.h"
#include "ui/Picture.h"
#include "ui/PictureLayout.h"

namespace pf::testing {
namespace {

// One axis from 0 to 100 and back, stroke ends -50 and 150.
CPicture OneAxis(std::optional<double> minus, std::optional<double> plus) {
  CPicture picture;
  picture.path = {{0, 0}, {100, 0}, {0, 0}};
  picture.start = PictureCoord{0, 0};
  picture.horizontal = {minus, plus};
  picture.horizontalName = L"X";
  return picture;
}

// A full circle of radius 100 from X 10 (four quadrant points), whose far
// side crosses the X plus end 150; the Y ends lie far away.
CPicture CircleNearLimit(PictureLimits vertical) {
  CPicture picture;
  picture.path = {{10, 0}, {110, 100}, {210, 0}, {110, -100}, {10, 0}};
  picture.start = PictureCoord{10, 0};
  picture.horizontal = {-200.0, 150.0};
  picture.vertical = vertical;
  picture.horizontalName = L"X";
  picture.verticalName = L"Y";
  return picture;
}

CPicture StartOnly() {
  CPicture picture;
  picture.start = PictureCoord{5, 5};
  picture.horizontalName = L"X";
  picture.verticalName = L"Y";
  return picture;
}

std::vector<Point> P(std::initializer_list<Point> points) { return points; }

TEST(PictureLayout, ThePathFitsTheViewWithTheLimitsNearIt) {
  struct Row {
    const char* name;
    CPicture picture;
    Rect client;
    std::vector<Point> path;
    std::optional<Point> start;
    std::vector<PictureLine> limits;
  };
  const Rect client{0, 0, 220, 120};   // with margin 10: a view of 200 x 100 at (10, 10)
  const Row kRows[] = {
      {"one axis: both ends within reach, centred at mid-height", OneAxis(-50.0, 150.0), client,
       P({{60, 60}, {160, 60}, {60, 60}}), Point{60, 60}, {{{10, 10}, {10, 110}}, {{210, 10}, {210, 110}}}},
      {"one axis: a far minus end stays outside the view", OneAxis(-1000.0, 150.0), client,
       P({{10, 60}, {143, 60}, {10, 60}}), Point{10, 60}, {{{210, 10}, {210, 110}}}},
      {"one axis: unknown ends draw no line", OneAxis(std::nullopt, std::nullopt), client,
       P({{10, 60}, {210, 60}, {10, 60}}), Point{10, 60}, {}},
      {"circle: one scale for both axes, the crossed plus end shows", CircleNearLimit({-500.0, 500.0}), client,
       P({{60, 60}, {110, 10}, {160, 60}, {110, 110}, {60, 60}}), Point{60, 60}, {{{130, 10}, {130, 110}}}},
      {"circle: vertical ends within reach are horizontal lines", CircleNearLimit({-150.0, 150.0}), client,
       P({{77, 60}, {110, 27}, {143, 60}, {110, 93}, {77, 60}}), Point{77, 60},
       {{{123, 10}, {123, 110}}, {{10, 110}, {210, 110}}, {{10, 10}, {210, 10}}}},
      {"a start without a path sits in the middle", StartOnly(), client, {}, Point{110, 60}, {}},
      {"an empty picture lays out nothing", CPicture(), client, {}, std::nullopt, {}},
      {"no room inside the margin", OneAxis(-50.0, 150.0), Rect{0, 0, 15, 15}, {}, std::nullopt, {}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const PictureLayout layout = LayOutPicture(row.picture, row.client, 10);
    ASSERT_EQ(layout.path.size(), row.path.size());
    for (std::size_t i = 0; i < row.path.size(); ++i) {
      EXPECT_EQ(layout.path[i].x, row.path[i].x) << "point " << i;
      EXPECT_EQ(layout.path[i].y, row.path[i].y) << "point " << i;
    }
    ASSERT_EQ(layout.start.has_value(), row.start.has_value());
    if (row.start.has_value()) {
      EXPECT_EQ(layout.start->x, row.start->x);
      EXPECT_EQ(layout.start->y, row.start->y);
    }
    EXPECT_EQ(layout.limits, row.limits);
  }
}

TEST(Picture, TheDescriptionNamesAxesStartExtentAndLimits) {
  struct Row {
    const char* name;
    CPicture picture;
    const wchar_t* text;
  };
  const Row kRows[] = {
      {"empty", CPicture(), L"no picture"},
      {"one axis", OneAxis(-50.0, 150.0), L"X start 0.000, path 3 points X 0.000 .. 100.000, limits X -50.000 .. 150.000"},
      {"one axis, plus end unknown", OneAxis(-50.0, std::nullopt),
       L"X start 0.000, path 3 points X 0.000 .. 100.000, limits X -50.000 .. ****"},
      {"plane with unknown vertical ends", CircleNearLimit({}),
       L"X/Y start 10.000 0.000, path 5 points X 10.000 .. 210.000 Y -100.000 .. 100.000, "
       L"limits X -200.000 .. 150.000 Y **** .. ****"},
      {"start only", StartOnly(), L"X/Y start 5.000 5.000, limits X **** .. **** Y **** .. ****"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DescribePicture(row.picture), row.text);
  }
}

using PictureControlTest = UiTest;

TEST_F(PictureControlTest, TheOwnerDrawnStaticKeepsItsPictureAndRedraws) {
  struct Row {
    unsigned dialog;
    int id;
    bool picture;
  };
  const Row kRows[] = {
      {2506, 35049, true}, {2508, 35049, true}, {2506, 35048, false}, {2508, 35048, false},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(::testing::Message() << row.dialog << " / " << row.id);
    CDialog dialog(row.dialog);
    ASSERT_TRUE(ui.OpenDialog(dialog));
    CPictureCtrl control(&dialog, row.id);
    const CPicture circle = CircleNearLimit({-500.0, 500.0});
    if (row.picture) {
      EXPECT_TRUE(control.GetPicture().IsEmpty());
      const int redraws = ui.FindControl(dialog, row.id)->redraws();
      control.SetPicture(circle);
      EXPECT_EQ(control.GetPicture(), circle);
      EXPECT_EQ(ui.FindControl(dialog, row.id)->redraws(), redraws + 1);
    } else {
      EXPECT_THROW(control.SetPicture(circle), std::invalid_argument);
    }
    ui.CloseWindow();
  }
}

}  // namespace
}  // namespace pf::testing
