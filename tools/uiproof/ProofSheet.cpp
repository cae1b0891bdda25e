// The proof's wizard sheet.
#include "ProofSheet.h"

namespace pf::proof {

ProofSheet::ProofSheet() : CWizardBaseSheet(14001, 0, 0, 2501) {
  m_psh.dwFlags &= ~kPshHasHelp;
  for (const wchar_t* axis : {L"$1-X", L"$1-Y", L"$1-Z"}) machine.AppendAxis(axis);
  for (CPropertyPage* page : {static_cast<CPropertyPage*>(&project), static_cast<CPropertyPage*>(&machine),
                              static_cast<CPropertyPage*>(&selection), static_cast<CPropertyPage*>(&program),
                              static_cast<CPropertyPage*>(&summary)}) {
    AddPage(page);
  }
}

}  // namespace pf::proof
