// The project page (see ProjectPage.h).
#include "pages/page/ProjectPage.h"

#include "res/controls.h"
#include "ui/DataExchange.h"
#include "wizard/ProjectFolders.h"
#include "wizard/ProjectName.h"
#include "wizard/base/WizardBaseSheet.h"

namespace pf {
const MessageMap* CProjectPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(PF_IDC_PROJECT, Notify::SelChange, &CProjectPage::OnSelchangeProject),
      MapCommand(PF_IDC_PROJECT, Notify::EditChange, &CProjectPage::OnEditchangeProject),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CProjectPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, PF_IDC_PROJECT, m_comboProject);
}

BOOL CProjectPage::OnSetActive() {
  const BOOL result = CWizardBasePage::OnSetActive();
  if (ProjectFolderExists()) FillProjectList();
  CheckProjectName();
  return result;
}

void CProjectPage::CheckProjectName() {
  const ProjectNameVerdict verdict = JudgeProjectName(m_strProject, GetProgramRoot());
  GetWizardSheet().SetNextEnable(verdict.usable);
  ShowReason(ProjectNameReason(verdict));
}

void CProjectPage::ShowReason(const std::wstring& sentence) { SetDlgItemText(PF_IDC_PROJECT_REASON, sentence); }

void CProjectPage::OnSelchangeProject() {
  const int selected = m_comboProject.GetCurSel();
  m_strProject = selected == kLbErr ? std::wstring() : m_comboProject.GetLBText(selected);
  CheckProjectName();
}

void CProjectPage::OnEditchangeProject() {
  m_strProject = m_comboProject.GetWindowText();
  CheckProjectName();
}

}  // namespace pf
