// One scripted run of the plug-in's wizard on the headless toolkit: the
// toolkit is installed as the UI backend (which the plug-in shares with this
// program), the script feeds the wizard's modal loops, StartIF runs the
// wizard, and the lines after the wizard closed (the closing and file
// checks) run once StartIF has returned.
//
//   ScriptedWizard run(script, scriptFolder, std::cerr);
//   run.Run(plugin);
//   run.runner().failed();
#pragma once

#include <ostream>
#include <string>

#include "tools/script/ScriptRunner.h"
#include "tools/script/headless/HeadlessScriptDriver.h"
#include "tools/script/headless/ScriptInput.h"
#include "tools/shared/PluginModule.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {

class ScriptedWizard {
 public:
  // File checks look below the module's data folder as it is now;
  // `scriptFolder` (ending in a separator) holds the same-as files. Failures
  // are written to `report`.
  ScriptedWizard(const Script& script, const std::wstring& scriptFolder, std::ostream& report);

  HeadlessUi& ui() { return ui_; }
  ScriptRunner& runner() { return runner_; }

  void Run(const PluginModule& plugin);

 private:
  HeadlessUi ui_;
  HeadlessScriptDriver driver_{ui_};
  ScriptRunner runner_;
  ScriptInput input_{runner_};
};

}  // namespace pf
