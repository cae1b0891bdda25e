// CAxisDlg: the modal dialog that asks for the name of an axis the user adds
// by hand. It proposes the first free one-letter name and lets OK confirm
// only a name that is not empty, holds no forbidden character and is not in
// use yet.
#pragma once

#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Dialog.h"

namespace pf {

class CAxisDlg : public CDialog {
 public:
  CAxisDlg() : CDialog(2504) {}
  ~CAxisDlg() override = default;

  CEdit m_editName;                               // edit PF_IDC_AXIS_NAME
  std::wstring m_strName;                         // the name being edited
  const std::vector<std::wstring>* m_pNames = nullptr;  // names in use; not owned

  // Runs the dialog for a new axis among `names`; on OK the confirmed name
  // is stored in `name`. Returns the modal result (kIdOk for OK).
  INT_PTR AskAxisName(const std::vector<std::wstring>& names, std::wstring& name);

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Limits the name to 6 characters, shows the proposed name and enables OK
  // when there is one.
  BOOL OnInitDialog() override;

 private:
  void OnChangeName();
};

}  // namespace pf
