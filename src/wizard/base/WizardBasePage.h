// CWizardBasePage: a wizard page that leaves every navigation decision to its
// sheet (CWizardBaseSheet, its parent window) and lets the sheet set the
// wizard buttons when it becomes active. Also lists the project folders for
// the project page.
#pragma once

#include <string>

#include "ui/Controls.h"
#include "ui/PropertyPage.h"

namespace pf {

class CWizardBaseSheet;
class IWizardData;

class CWizardBasePage : public CPropertyPage {
 public:
  CWizardBasePage() = default;
  // Dialog template, caption string id (0: the sheet's), header title and
  // header subtitle string ids.
  CWizardBasePage(unsigned templateId, unsigned captionId, unsigned headerTitleId, unsigned headerSubtitleId)
      : CPropertyPage(templateId, captionId, headerTitleId, headerSubtitleId) {}

  // The list of projects; only the project page binds it to a control.
  CComboBox m_comboProject;
  // The current project's name; the project page's instance is the one
  // that counts for the wizard.
  std::wstring m_strProject;

  // The sheet's OnPageActivate, then the platform page's activation, whose
  // result it returns.
  BOOL OnSetActive() override;
  // The sheet's OnPageBack, OnPageNext and OnPageFinish.
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  BOOL OnWizardFinish() override;

  // Fills m_comboProject with the project folders and selects the one named
  // m_strProject (ignoring case), else the first; m_strProject becomes the
  // selected name. Returns 1 when the list holds a project, else 0
  // (m_strProject then unchanged).
  int FillProjectList();

  // 1 when at least one project folder exists, else 0.
  static int ProjectFolderExists();

 protected:
  // The sheet this page was added to; std::logic_error when it has none or
  // the sheet is not a wizard sheet.
  CWizardBaseSheet& GetWizardSheet() const;
  // The wizard's data as the sheet offers it to its pages; std::logic_error
  // when the sheet offers none.
  IWizardData& GetWizardData() const;
};

}  // namespace pf
