// The proof's scripts: a second thread that drives a wizard sheet through
// tools/script's driver of real windows, as the end-to-end scripts do, and
// checks what only the Win32 backend shows and no script line can (the
// frame, a modal dialog disabling the sheet, a message box's default
// button, an abandoned Next, the image list, the run-time grid's editor
// under real keys, its scroll bar, and every text of the grid fitting its
// column at the screen's DPI). Screenshots go to the folder as BMP files.
// A script that cannot go on ends the sheet's run (WM_QUIT to the UI thread).
#pragma once

#include <string>

#include "Report.h"
#include "sheet/ProgramSheet.h"
#include "tools/script/win32/UiInbox.h"

namespace pf::proof {

struct ScriptPlace {
  Report& report;
  const UiInbox& inbox;   // made on the UI thread
  unsigned long uiThread;
  std::wstring shotFolder;
};

// The wizard base sheet (minimise box, system menu) whose first page throws
// from its Next: the sheet stays there. Run it after the other: the Win32
// backend's list of abandoned handlers lasts as long as the process.
void RunThrowingNextScript(const ScriptPlace& place);

// The module's program wizard on the simulated NC's built-in machine: a new
// project, the axis dialog cancelled, the time-constant programs of $1-X
// ticked, the rapid page's grid edited with the keyboard and scrolled, then
// Cancel answered by default (No), then Yes.
void RunWizardScript(const ScriptPlace& place, CProgramSheet& sheet);

}  // namespace pf::proof
