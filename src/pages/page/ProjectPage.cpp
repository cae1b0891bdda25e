// The project page (see ProjectPage.h).
#include "pages/page/ProjectPage.h"

#include "ui/DataExchange.h"
#include "wizard/ProjectFolders.h"
#include "wizard/ProjectName.h"
#include "wizard/base/WizardBaseSheet.h"

namespace pf {
namespace {

constexpr int kIdcProject = 35027;
constexpr int kIdcNameReason = 35050;  // why Next is off for the typed name, or what opening it found

}  // namespace

const MessageMap* CProjectPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(kIdcProject, Notify::SelChange, &CProjectPage::OnSelchangeProject),
      MapCommand(kIdcProject, Notify::EditChange, &CProjectPage::OnEditchangeProject),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CProjectPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, kIdcProject, m_comboProject);
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

void CProjectPage::ShowReason(const std::wstring& sentence) { SetDlgItemText(kIdcNameReason, sentence); }

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
