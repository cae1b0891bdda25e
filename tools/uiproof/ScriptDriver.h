// The proof's script: a second thread of the process that finds the wizard
// and drives it as a person would, through the windows only (the same idea
// as the Windows host's script): WM_SETTEXT with the WM_COMMAND that typing
// sends, selections with their notifications, BM_CLICK, PSM_PRESSBUTTON,
// real mouse clicks where a page hit-tests the cursor. Pointer messages
// (tree items) are fine because the windows belong to this process.
//
// Screenshots are taken by the shell script that runs the proof: for each
// one the driver leaves "<name>.wanted" in the screenshot folder and waits
// until it is gone. Without a folder no screenshot is asked for.
#pragma once

#include <string>

#include "Report.h"

namespace pf::proof {

// Runs every step, checking as it goes. When a step cannot go on, the run of
// the sheet is ended (WM_QUIT to the thread `uiThread`).
void RunScript(Report& report, const std::wstring& shotFolder, unsigned long uiThread);

}  // namespace pf::proof
