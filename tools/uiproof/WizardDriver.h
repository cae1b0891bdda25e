// The wizard proof's script: drives the module's real program wizard
// (CProgramSheet on the simulated NC's built-in machine) through the typical
// request, from a second thread, as a person would: a new project, machine
// type 1, the time-constant program of $1-X and the circle test of plane
// $1-IJ ticked, each program page created in turn (the axis grid edited
// with the mouse and keyboard on the first), a cancel answered No, a
// program shown on the summary page, Finish. A screenshot is asked for on
// every page, of the axis dialog and of a message box.
#pragma once

#include <string>

#include "Report.h"
#include "UiThreadCalls.h"
#include "sheet/ProgramSheet.h"

namespace pf::proof {

// Runs every step, checking as it goes; `calls` reaches `sheet` on the UI
// thread `uiThread`. When a step cannot go on, the wizard's run is ended.
void RunWizardScript(Report& report, const std::wstring& shotFolder, unsigned long uiThread,
                     const UiThreadCalls& calls, CProgramSheet& sheet);

}  // namespace pf::proof
