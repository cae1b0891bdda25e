// The motion check of the program a page shows, in the page: the verdict and
// its remarks, one line each (static PF_IDC_MOTION_VERDICT), and the picture of
// one file's motion (picture PF_IDC_MOTION_PICTURE). The check informs only: it
// never changes a record, a button or the walk, and it reads nothing from the
// NC (rapid moves are timed with the speeds the program pages read for their
// estimates).
#pragma once

namespace pf {

class CWnd;
class IWizardData;

// Checks record `index` of `kind` and shows its verdict and the picture of
// its file number `file` (no picture for -1, or a file without motion).
void ShowProgramMotion(CWnd& page, IWizardData& data, int kind, int index, int file);

// Checks the programs of `kinds` for one axis or plane `index` and shows the
// outcome a user should see first: the worst, the first of equal ones, a
// program with nothing to check yet below every checked one; the picture is
// of that program's first measurement file with motion.
void ShowEntryMotion(CWnd& page, IWizardData& data, const int* kinds, int kindCount, int index);

// Empties the verdict and the picture.
void ClearMotion(CWnd& page);

}  // namespace pf
