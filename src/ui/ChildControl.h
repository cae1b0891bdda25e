// CChildControl: a control that the module implements itself (the axis grid)
// and creates at run time inside a dialog, usually at the rectangle of a
// hidden placeholder:
//
//   Rect rc = GetDlgItem(PF_IDC_GRID_PLACE).GetRectInParent();
//   m_grid.CreateChild(this, PF_IDC_AXIS_GRID, rc, PF_WS_CHILD | PF_WS_VISIBLE | PF_WS_TABSTOP | PF_WS_GROUP);
//   PlaceDlgItemAfter(PF_IDC_AXIS_GRID, PF_IDC_GRID_PLACE);
//
// The dialog then addresses it by id like any control (enable, show, focus),
// and the control reports to the dialog's message map with NotifyParent.
#pragma once

#include "ui/UiTypes.h"

namespace pf {

class CDialog;

class CChildControl {
 public:
  virtual ~CChildControl() = default;

  // The platform window class that a Win32 backend creates for the control;
  // the control's own library registers it.
  virtual const wchar_t* GetWindowClass() const = 0;

  // Creates the control's window in `parent` (last in window order).
  BOOL CreateChild(CDialog* parent, int id, const Rect& rect, unsigned style);

  CDialog* GetParentDialog() const { return parent_; }
  int GetDlgCtrlID() const { return id_; }

  // Sends a notification to the parent dialog's message map (WM_NOTIFY) and
  // returns its answer; 0 when the control has no window.
  LRESULT NotifyParent(Notify code, const NotifyInfo& info);

 private:
  CDialog* parent_ = nullptr;
  int id_ = 0;
};

}  // namespace pf
