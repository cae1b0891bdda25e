// CProjectPage: the first page of the wizard. The user picks an existing
// project from the list or types the name of a new one; Next is enabled only
// for a name that can be a folder name of its own, and a line under the
// list says why Next is off for a typed name. The page holds the name in
// m_strProject; the sheet reads the project from it.
#pragma once

#include "wizard/base/WizardBasePage.h"

namespace pf {

class CProjectPage : public CWizardBasePage {
 public:
  CProjectPage() : CWizardBasePage(2507, 0, 14029, 14030) {}

  const MessageMap* GetMessageMap() const override;
  // Binds the project combo box (PF_IDC_PROJECT) to m_comboProject.
  void DoDataExchange(CDataExchange* pDX) override;
  // Refills the list when projects exist (which selects the current name or
  // the first project), then checks the name.
  BOOL OnSetActive() override;

  // Next for a name that is a folder name of its own and keeps every path of
  // the project within the platform's limit (ProjectName.h); no Next otherwise,
  // and the line under the combo box (PF_IDC_PROJECT_REASON) says why. The line
  // is empty while the name is usable or empty.
  void CheckProjectName();

  // Shows `sentence` in the line under the combo box (PF_IDC_PROJECT_REASON).
  void ShowReason(const std::wstring& sentence);

 private:
  void OnSelchangeProject();
  void OnEditchangeProject();
};

}  // namespace pf
