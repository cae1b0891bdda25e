// Where the log viewer goes (see ViewerPlacement.h).
#include "ViewerPlacement.h"

#include <algorithm>

namespace pf {

ScreenRect ViewerBeside(const ScreenRect& wizard, const ScreenRect& viewer, const ScreenRect& screen) {
  const int top = std::max(screen.top, wizard.top);
  const int height = std::min(viewer.height(), screen.bottom - top);
  const int right = screen.right - (wizard.right + kViewerGap);
  const int left = wizard.left - kViewerGap - screen.left;
  if (right >= kViewerMinWidth) {
    const int width = std::min(viewer.width(), right);
    return {wizard.right + kViewerGap, top, wizard.right + kViewerGap + width, top + height};
  }
  if (left >= kViewerMinWidth) {
    const int width = std::min(viewer.width(), left);
    return {wizard.left - kViewerGap - width, top, wizard.left - kViewerGap, top + height};
  }
  const int width = std::min(viewer.width(), screen.width());
  return {screen.right - width, top, screen.right, top + height};
}

}  // namespace pf
