// The trial run's wait cursor on the toolkit: Begin and Restore go to the
// user-interface backend in force. A cursor still shown when the object dies
// (an abandoned action) is restored then.
#pragma once

#include "pages/TrialRun.h"

namespace pf {

class BackendWaitCursor final : public IWaitCursor {
 public:
  BackendWaitCursor() = default;
  ~BackendWaitCursor() override;
  BackendWaitCursor(const BackendWaitCursor&) = delete;
  BackendWaitCursor& operator=(const BackendWaitCursor&) = delete;

  void Begin() override;
  void Restore() override;

 private:
  bool shown_ = false;
};

}  // namespace pf
