// The machine-information page (see MakeInfoPage.h).
#include "pages/page/MakeInfoPage.h"

#include <string>

#include "common/StringTable.h"
#include "pages/page/AxisDlg.h"
#include "res/controls.h"
#include "ui/DataExchange.h"
#include "wizard/base/WizardBaseSheet.h"

namespace pf {
namespace {

// The G-code list controls: the group box and its radio buttons.
constexpr int kGCodeControls[] = {PF_IDC_GCODE_GROUP, PF_IDC_GCODE_LIST2, PF_IDC_GCODE_LIST3, PF_IDC_GCODE_LIST4,
                                  PF_IDC_GCODE_LIST5, PF_IDC_GCODE_LIST6, PF_IDC_GCODE_LIST7};

// The machine types in combo order: lathe, machining centre.
constexpr unsigned kMachineTypeNames[] = {14031, 14035};

}  // namespace

CMakeInfoPage::CMakeInfoPage(COVXIF& ovxIf) : CWizardBasePage(2505, 0, 14006, 14028), CMachineAxisInfo(ovxIf) {}

const MessageMap* CMakeInfoPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(PF_IDC_MACHINE_TYPE, Notify::SelChange, &CMakeInfoPage::OnSelchangeMachineType),
      MapCommand(PF_IDC_ADD_AXIS, Notify::Clicked, &CMakeInfoPage::OnAddAxis),
      MapCommand(PF_IDC_DELETE_AXIS, Notify::Clicked, &CMakeInfoPage::OnDeleteAxis),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CMakeInfoPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_CBIndex(pDX, PF_IDC_MACHINE_TYPE, m_nMachineType);
  DDX_Radio(pDX, PF_IDC_GCODE_LIST2, m_nGCodeNumber);
  DDX_Control(pDX, PF_IDC_AXIS_LIST, m_listAxis);
}

BOOL CMakeInfoPage::OnInitDialog() {
  CWizardBasePage::OnInitDialog();
  CComboBox machineTypes(this, PF_IDC_MACHINE_TYPE);
  for (unsigned id : kMachineTypeNames) {
    machineTypes.AddString(LoadResString(id));
  }
  return TRUE;
}

BOOL CMakeInfoPage::OnSetActive() {
  const BOOL result = CWizardBasePage::OnSetActive();
  RefillAxisList();
  const bool locked = IsLocked();
  m_nGCodeNumber = locked ? m_nFixedGCodeNumber : 0;
  m_nMachineType = locked ? m_nFixedMachineType : 0;
  UpdateData(FALSE);
  GetDlgItem(PF_IDC_MACHINE_TYPE_LABEL).EnableWindow(!locked);
  GetDlgItem(PF_IDC_MACHINE_TYPE).EnableWindow(!locked);
  for (int id : kGCodeControls) {
    GetDlgItem(id).EnableWindow(!locked);
  }
  return result;
}

void CMakeInfoPage::RefillAxisList() {
  m_listAxis.ResetContent();
  for (const std::wstring& name : m_aryAxisName) {
    m_listAxis.AddString(name);
  }
  if (!m_aryAxisName.empty()) m_listAxis.SetCurSel(0);
  UpdateControls();
}

void CMakeInfoPage::UpdateControls() {
  if (m_nFixedMachineType < 0 && m_nFixedGCodeNumber < 0) {
    for (int id : kGCodeControls) {
      GetDlgItem(id).EnableWindow(m_nMachineType == 0);
    }
  }
  GetWizardSheet().SetNextEnable(!m_aryAxisName.empty());
}

void CMakeInfoPage::OnSelchangeMachineType() {
  UpdateData(TRUE);
  UpdateControls();
}

void CMakeInfoPage::OnAddAxis() {
  CAxisDlg dialog;
  std::wstring name;
  if (dialog.AskAxisName(m_aryAxisName, name) != kIdOk) return;
  AppendAxis(name);
  RefillAxisList();
}

// Removes the selected axis with every plane that uses it; the entry before
// it (or the first) takes the selection.
void CMakeInfoPage::OnDeleteAxis() {
  const int selected = m_listAxis.GetCurSel();
  if (selected == kLbErr) {
    UpdateControls();
    return;
  }
  DeleteAxis(selected);
  m_listAxis.DeleteString(selected);
  if (m_listAxis.GetCount() > 0) m_listAxis.SetCurSel(selected > 0 ? selected - 1 : 0);
  UpdateControls();
}

}  // namespace pf
