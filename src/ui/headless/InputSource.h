// Where a headless modal run takes its input from: a test's queue of actions
// or a script. Each step performs one user action through the HeadlessUi
// input methods.
#pragma once

#include <deque>
#include <functional>

namespace pf {

class HeadlessUi;

class IInputSource {
 public:
  virtual ~IInputSource() = default;
  // Performs the next user action; false when there is none left.
  virtual bool Step(HeadlessUi& ui) = 0;
};

// Actions queued by a test, taken in order.
class InputQueue : public IInputSource {
 public:
  using Action = std::function<void(HeadlessUi&)>;

  InputQueue& Add(Action action) {
    actions_.push_back(std::move(action));
    return *this;
  }
  bool empty() const { return actions_.empty(); }
  bool Step(HeadlessUi& ui) override;

 private:
  std::deque<Action> actions_;
};

}  // namespace pf
