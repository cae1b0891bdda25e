// The queue input source.
#include "ui/headless/InputSource.h"

namespace pf {

bool InputQueue::Step(HeadlessUi& ui) {
  if (actions_.empty()) return false;
  Action action = std::move(actions_.front());
  actions_.pop_front();
  action(ui);
  return true;
}

}  // namespace pf
