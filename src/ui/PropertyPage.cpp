// CPropertyPage: the platform page's own behaviour of each notification.
#include "ui/PropertyPage.h"

namespace pf {

BOOL CPropertyPage::OnInitDialog() {
  firstSetActive_ = true;
  return CDialog::OnInitDialog();
}

BOOL CPropertyPage::OnSetActive() {
  if (firstSetActive_) {
    firstSetActive_ = false;
  } else {
    UpdateData(FALSE);
  }
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

}  // namespace pf
