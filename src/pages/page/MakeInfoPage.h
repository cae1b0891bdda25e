// CMakeInfoPage: the wizard page on which the user confirms the machine: its
// type (lathe or machining centre G codes), the lathe G-code list, and the
// axes read from the CNC, which the user may shorten or extend by hand. It
// holds the machine's axis and plane lists (CMachineAxisInfo) for the whole
// wizard; an existing project locks the type and G-code choices.
#pragma once

#include "nclink/MachineAxes.h"
#include "nclink/OVXIF.h"
#include "ui/Controls.h"
#include "wizard/base/WizardBasePage.h"

namespace pf {

class CMakeInfoPage : public CWizardBasePage, public CMachineAxisInfo {
 public:
  // Reads the machine through `ovxIf` (the module's NC wrapper), which must
  // outlive the page.
  explicit CMakeInfoPage(COVXIF& ovxIf);
  ~CMakeInfoPage() override = default;

  int m_nMachineType = 0;    // item of combo PF_IDC_MACHINE_TYPE: 0 lathe, 1 machining centre
  int m_nGCodeNumber = 0;    // button of the radio group at PF_IDC_GCODE_LIST2: G-code list number - 2
  CListBox m_listAxis;       // list box PF_IDC_AXIS_LIST, shows m_aryAxisName
  // The project's choices; both 0 or more lock the page on them. Written by
  // the sheet: -1 for a project that has none.
  int m_nFixedMachineType = -1;
  int m_nFixedGCodeNumber = -1;

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Fills the machine-type combo box (lathe, machining centre).
  BOOL OnInitDialog() override;
  // Shows the axis list and the choices: the fixed ones, locked, when both
  // are 0 or more; else both 0, unlocked.
  BOOL OnSetActive() override;

  // Lists m_aryAxisName in the list box, selects the first, UpdateControls.
  void RefillAxisList();
  // Unlocked: the G-code controls only for the lathe type. Next while an
  // axis is listed.
  void UpdateControls();

 private:
  void OnSelchangeMachineType();
  void OnAddAxis();
  void OnDeleteAxis();

  bool IsLocked() const { return m_nFixedMachineType >= 0 && m_nFixedGCodeNumber >= 0; }
};

}  // namespace pf
