// The picture control: the owner-drawn static that keeps its motion picture
// and redraws when given one.
#include <stdexcept>

#include "TestPages.h"
#include "motion/MotionPicture.h"
#include "res/controls.h"

namespace pf::testing {
namespace {

using PictureControlTest = UiTest;

TEST_F(PictureControlTest, TheOwnerDrawnStaticKeepsItsPictureAndRedraws) {
  struct Row {
    unsigned dialog;
    int id;
    bool picture;
  };
  const Row kRows[] = {
      {2506, PF_IDC_MOTION_PICTURE, true}, {2508, PF_IDC_MOTION_PICTURE, true}, {2506, PF_IDC_MOTION_VERDICT, false},
      {2508, PF_IDC_MOTION_VERDICT, false},
  };
  MotionPicture line;
  line.horizontalAxis = L"X";
  line.path = {{10, 0}, {210, 0}};
  for (const Row& row : kRows) {
    SCOPED_TRACE(::testing::Message() << row.dialog << " / " << row.id);
    CDialog dialog(row.dialog);
    ASSERT_TRUE(ui.OpenDialog(dialog));
    CPictureCtrl control(&dialog, row.id);
    if (row.picture) {
      EXPECT_TRUE(control.GetPicture().IsEmpty());
      const int redraws = ui.FindControl(dialog, row.id)->redraws();
      control.SetPicture(line);
      EXPECT_EQ(control.GetPicture().path.size(), 2u);
      EXPECT_EQ(ui.FindControl(dialog, row.id)->redraws(), redraws + 1);
    } else {
      EXPECT_THROW(control.SetPicture(line), std::invalid_argument);
    }
    ui.CloseWindow();
  }
}

}  // namespace
}  // namespace pf::testing
