// ScriptInput: a script as the input of the headless toolkit's modal runs.
// Each time a modal loop wants input, the runner runs the script up to and
// including its next step. When the script has no step left while a window
// is still open, that is a failure of the script (the toolkit then closes
// the window as cancelled, so the run still ends).
#pragma once

#include "tools/script/ScriptRunner.h"
#include "ui/headless/InputSource.h"

namespace pf {

class ScriptInput : public IInputSource {
 public:
  explicit ScriptInput(ScriptRunner& runner) : runner_(runner) {}

  bool Step(HeadlessUi& ui) override;

 private:
  ScriptRunner& runner_;
};

}  // namespace pf
