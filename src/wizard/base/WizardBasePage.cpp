// The page side of the wizard protocol (see WizardBasePage.h).
#include "wizard/base/WizardBasePage.h"

#include <stdexcept>
#include <vector>

#include "wizard/ProjectFolders.h"
#include "wizard/base/WizardBaseSheet.h"
#include "wizard/base/WizardData.h"

namespace pf {

CWizardBaseSheet& CWizardBasePage::GetWizardSheet() const {
  auto* sheet = dynamic_cast<CWizardBaseSheet*>(GetParentSheet());
  if (sheet == nullptr) throw std::logic_error("the page is not on a wizard sheet");
  return *sheet;
}

IWizardData& CWizardBasePage::GetWizardData() const {
  auto* data = dynamic_cast<IWizardData*>(GetParentSheet());
  if (data == nullptr) throw std::logic_error("the page's sheet offers no wizard data");
  return *data;
}

BOOL CWizardBasePage::OnSetActive() {
  GetWizardSheet().OnPageActivate();
  return CPropertyPage::OnSetActive();
}

LRESULT CWizardBasePage::OnWizardBack() { return GetWizardSheet().OnPageBack(); }

LRESULT CWizardBasePage::OnWizardNext() { return GetWizardSheet().OnPageNext(); }

BOOL CWizardBasePage::OnWizardFinish() { return GetWizardSheet().OnPageFinish(); }

int CWizardBasePage::FillProjectList() {
  m_comboProject.ResetContent();
  const std::vector<std::wstring> names = ListProjectFolders();
  for (const std::wstring& name : names) {
    m_comboProject.AddString(name);
  }
  const int selected = SelectProject(names, m_strProject);
  if (selected < 0) return 0;
  m_comboProject.SetCurSel(selected);
  m_strProject = m_comboProject.GetWindowText();
  return 1;
}

int CWizardBasePage::ProjectFolderExists() { return pf::ProjectFolderExists(); }

}  // namespace pf
