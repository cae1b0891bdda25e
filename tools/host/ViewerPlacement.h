// Where the log viewer goes once the wizard is shown: beside it, not under
// it, so that a person watching a run sees the records arrive while the
// pages change. The viewer keeps its height; its width shrinks to the room
// beside the wizard, on the right when there is enough, else on the left,
// else it stands at the screen's right edge.
#pragma once

namespace pf {

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

inline constexpr int kViewerGap = 8;         // between the wizard and the viewer
inline constexpr int kViewerMinWidth = 320;  // narrower is no use for reading records

// The viewer's new rectangle for the wizard's and the viewer's current ones
// on a screen (its work area).
ScreenRect ViewerBeside(const ScreenRect& wizard, const ScreenRect& viewer, const ScreenRect& screen);

}  // namespace pf
