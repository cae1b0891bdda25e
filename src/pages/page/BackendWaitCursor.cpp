// The trial run's wait cursor on the toolkit (see BackendWaitCursor.h).
#include "pages/page/BackendWaitCursor.h"

#include "ui/UiBackend.h"

namespace pf {

BackendWaitCursor::~BackendWaitCursor() { Restore(); }

void BackendWaitCursor::Begin() {
  if (shown_) return;
  CurrentUiBackend().BeginWaitCursor();
  shown_ = true;
}

void BackendWaitCursor::Restore() {
  if (!shown_) return;
  CurrentUiBackend().EndWaitCursor();
  shown_ = false;
}

}  // namespace pf
