// Dialog data exchange: DoDataExchange names, per control, the member it
// exchanges with, and UpdateData runs it in one direction.
//
//   void CMakeInfoPage::DoDataExchange(CDataExchange* pDX) {
//     CWizardBasePage::DoDataExchange(pDX);
//     DDX_Control(pDX, PF_IDC_AXIS_LIST, m_listAxis);
//     DDX_CBIndex(pDX, PF_IDC_MACHINE_TYPE, m_nMachineType);
//     DDX_Radio(pDX, PF_IDC_GCODE_LIST2, m_nGCodeNumber);
//   }
//
// Loading (members to controls) sends what the platform sends: setting an
// edit's text through DDX_Text raises its change notification; check boxes,
// radio buttons and combo selections raise nothing.
#pragma once

#include <string>

#include "ui/UiTypes.h"

namespace pf {

class CDlgItem;
class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* window, BOOL saveAndValidate) : m_pDlgWnd(window), m_bSaveAndValidate(saveAndValidate) {}

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;   // TRUE: controls to members
};

// Binds a control accessor to control `id` of the window (both directions).
void DDX_Control(CDataExchange* pDX, int id, CDlgItem& control);

// Check box state (0, 1).
void DDX_Check(CDataExchange* pDX, int id, int& value);

// Index of the checked button of the radio group that starts at `firstId`;
// -1 when none is checked. Loading checks that button and clears the others.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);

// Index of a combo box's selected entry (-1 for none).
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);

// A control's text.
void DDX_Text(CDataExchange* pDX, int id, std::wstring& value);

}  // namespace pf
