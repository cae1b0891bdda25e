// The script as modal input (see ScriptInput.h).
#include "tools/script/headless/ScriptInput.h"

namespace pf {

bool ScriptInput::Step(HeadlessUi&) {
  if (runner_.RunToNextStep()) return true;
  runner_.Fail(L"the script ended while the wizard was still open");
  return false;
}

}  // namespace pf
