// A scripted run of the real wizard: StartIF runs on this thread (the UI
// thread, as the servo-tuning application calls it), the script on a second
// thread of the process, through the driver of real windows.
//
// The script thread waits for the wizard, runs the script step by step
// while the wizard is open, and once it has closed (and StartIF returned)
// runs the lines left: the closing and file checks. A script that ends while
// the wizard is open, or a wizard that stops answering, fails and ends the
// wizard's loop (WM_QUIT: the run ends as cancelled); a StartIF that does
// not return then ends the process with the report printed.
#pragma once

#include <ostream>
#include <string>

#include "ExportCheck.h"
#include "tools/script/Script.h"
#include "tools/shared/PluginModule.h"

namespace pf {

struct ScriptedStartOptions {
  std::wstring scriptFolder;  // ending in a separator: where same-as files are
  std::wstring shotFolder;    // ending in a separator; empty: no screenshots
  int paceMs = 0;             // a pause before each step
};

// Runs the script through StartIF; failures go to `report`. `before` are the
// counts of the checks made before, which the report's last line includes.
CheckCounts RunScriptedStart(const PluginModule& plugin, const Script& script, const ScriptedStartOptions& options,
                             CheckCounts before, std::ostream& report);

// The report's last line.
void PrintCounts(const CheckCounts& counts, std::ostream& out);

}  // namespace pf
