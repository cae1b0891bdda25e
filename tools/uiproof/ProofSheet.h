// The proof's wizard: the module's wizard base sheet (wizard-97, header
// bitmap, the wizard's caption, no Help button) with the module's project
// and machine-information pages, followed by the proof's own pages. The
// machine page gets three axes by hand: no NC library is loaded, so every
// NC call of the page fails as on a machine without a CNC.
#pragma once

#include "ProofPages.h"
#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ProjectPage.h"
#include "wizard/base/WizardBaseSheet.h"

namespace pf::proof {

class ProofSheet : public CWizardBaseSheet {
 public:
  ProofSheet();

  CLogChannel log;
  COVXIF ovxIf{log};
  CProjectPage project;
  CMakeInfoPage machine{ovxIf};
  SelectionProofPage selection;
  ProgramProofPage program;
  SummaryProofPage summary;
};

}  // namespace pf::proof
