// The axis-name dialog (see AxisDlg.h).
#include "pages/page/AxisDlg.h"

#include "nclink/MachineAxes.h"
#include "res/controls.h"
#include "ui/DataExchange.h"

namespace pf {
INT_PTR CAxisDlg::AskAxisName(const std::vector<std::wstring>& names, std::wstring& name) {
  m_pNames = &names;
  m_strName = ProposeAxisName(names);
  const INT_PTR result = DoModal();
  if (result == kIdOk) name = m_strName;
  return result;
}

const MessageMap* CAxisDlg::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(PF_IDC_AXIS_NAME, Notify::Change, &CAxisDlg::OnChangeName),
  };
  static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
  return &kMap;
}

void CAxisDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, PF_IDC_AXIS_NAME, m_editName);
}

BOOL CAxisDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_editName.LimitText(static_cast<int>(kLongestAxisLabel));
  m_editName.SetWindowText(m_strName);
  GetDlgItem(kIdOk).EnableWindow(!m_strName.empty());
  return TRUE;
}

// Every change of the text: OK only for a name the axis list can take.
void CAxisDlg::OnChangeName() {
  m_strName = m_editName.GetWindowText();
  const bool acceptable = m_pNames != nullptr && IsAcceptableAxisName(m_strName, *m_pNames);
  GetDlgItem(kIdOk).EnableWindow(acceptable);
}

}  // namespace pf
