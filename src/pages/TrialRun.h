// The trial run without the page: the text shown in the program page's
// editor is written to a temporary file and loaded into the CNC for the
// axis of the page, once the CNC reports that it is ready. The page asks
// message 12564 first and calls this only on Yes.
#pragma once

#include <string>

#include "nclink/OVXIF.h"

namespace pf {

// The wait cursor of the action, as the page's toolkit shows it. Begin is
// called once at the start; Restore once, before the first error message
// or at the end of the action, whichever comes first.
class IWaitCursor {
 public:
  virtual ~IWaitCursor() = default;
  virtual void Begin() = 0;
  virtual void Restore() = 0;
};

// The trial file: the root of all projects (data folder + "Program") +
// separator + "test.eia".
std::wstring TrialFilePath();

// Runs the trial: finds the serial axis labelled `axisLabel` among the
// CNC's "AXISNUM" axes (14009 when there are axes but none has the label;
// with no axes system and axis 0 are used), checks the readiness of its
// part system (12556 when the check fails, 12537 with the 1-based system
// number when the state is not ready), writes the text to the trial file
// (12518 when it cannot be written), selects the axis and loads the file
// (12531 for status -6, then 12538 for any failure), and deletes the trial
// file whatever the load gave. Error messages use the error icon. True
// when the CNC accepted the program.
bool RunTrial(COVXIF& ovxIf, const std::wstring& editorText, const std::wstring& axisLabel, IWaitCursor& cursor);

}  // namespace pf
