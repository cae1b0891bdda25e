// Where the host puts the log viewer once the wizard is shown.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ViewerPlacement.h"

namespace pf {
namespace {

struct PlacementRow {
  const char* what;
  ScreenRect wizard;
  ScreenRect viewer;
  ScreenRect expected;
};

constexpr ScreenRect kScreen{0, 0, 1280, 1024};

const PlacementRow kRows[] = {
    {"room on the right: full size, top aligned", {0, 0, 500, 480}, {0, 0, 720, 560}, {508, 0, 1228, 560}},
    {"just enough room on the right: narrower", {100, 40, 952, 500}, {10, 10, 730, 570}, {960, 40, 1280, 600}},
    {"no room on the right: on the left", {700, 100, 1200, 600}, {0, 0, 720, 560}, {0, 100, 692, 660}},
    {"no room on either side: at the right edge", {300, 0, 1000, 480}, {0, 0, 720, 560}, {560, 0, 1280, 560}},
    {"taller than the room below: cut at the bottom", {0, 600, 560, 900}, {0, 0, 720, 560}, {568, 600, 1280, 1024}},
    {"a wizard above the screen: the viewer stays on it", {0, -50, 560, 400}, {0, 0, 400, 300}, {568, 0, 968, 300}},
};

TEST(ViewerPlacementTest, BesideTheWizardNeverUnderIt) {
  for (const PlacementRow& row : kRows) {
    SCOPED_TRACE(row.what);
    const ScreenRect placed = ViewerBeside(row.wizard, row.viewer, kScreen);
    EXPECT_EQ(std::tie(placed.left, placed.top, placed.right, placed.bottom),
              std::tie(row.expected.left, row.expected.top, row.expected.right, row.expected.bottom));
    const bool overlaps = placed.left < row.wizard.right && row.wizard.left < placed.right &&
                          placed.top < row.wizard.bottom && row.wizard.top < placed.bottom;
    EXPECT_EQ(overlaps, std::string(row.what).find("either side") != std::string::npos);
  }
}

}  // namespace
}  // namespace pf
