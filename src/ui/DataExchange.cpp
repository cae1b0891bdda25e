// The DDX helpers on top of CWnd and the control accessors.
#include "ui/DataExchange.h"

#include <vector>

#include "ui/Controls.h"
#include "ui/Wnd.h"

namespace pf {

void DDX_Control(CDataExchange* pDX, int id, CDlgItem& control) {
  pDX->m_pDlgWnd->Peer().Control(id);
  control.Attach(pDX->m_pDlgWnd, id);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  CWnd& window = *pDX->m_pDlgWnd;
  if (pDX->m_bSaveAndValidate) {
    value = window.IsDlgButtonChecked(id);
  } else {
    window.CheckDlgButton(id, value);
  }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
  CWnd& window = *pDX->m_pDlgWnd;
  const std::vector<int> group = window.Peer().RadioGroup(firstId);
  if (pDX->m_bSaveAndValidate) value = -1;
  for (std::size_t i = 0; i < group.size(); ++i) {
    const int index = static_cast<int>(i);
    if (pDX->m_bSaveAndValidate) {
      if (window.IsDlgButtonChecked(group[i]) == kBstChecked) value = index;
    } else {
      window.CheckDlgButton(group[i], index == value ? kBstChecked : kBstUnchecked);
    }
  }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
  CComboBox combo(pDX->m_pDlgWnd, id);
  if (pDX->m_bSaveAndValidate) {
    index = combo.GetCurSel();
  } else {
    combo.SetCurSel(index);
  }
}

void DDX_Text(CDataExchange* pDX, int id, std::wstring& value) {
  CWnd& window = *pDX->m_pDlgWnd;
  if (pDX->m_bSaveAndValidate) {
    value = window.GetDlgItemText(id);
  } else {
    window.SetDlgItemText(id, value);
  }
}

}  // namespace pf
