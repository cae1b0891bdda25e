// CWnd, the window side of every dialog and sheet, and CDlgItem, one child
// control of such a window addressed by its id.
//
// The methods keep the platform's names so that pages read as the platform's
// idiom. Some of those names (SetDlgItemText, GetWindowText, ...) are macros
// in the platform headers: a Win32 backend source that includes them reaches
// windows through the peers (ui/Peers.h) and does not call these members.
#pragma once

#include <string>

#include "ui/Peers.h"
#include "ui/UiTypes.h"

namespace pf {

class CDataExchange;
class CDlgItem;

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // True while the window exists (a backend has attached its peer).
  bool HasWindow() const { return peer_ != nullptr; }

  // The window's peer; throws std::logic_error while there is no window.
  IWindowPeer& Peer() const;

  // Child controls by id. A missing id throws std::out_of_range (Peers.h).
  bool HasDlgItem(int id) const;
  CDlgItem GetDlgItem(int id);
  std::wstring GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::wstring& text);
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;

  // Id of the control inside this window that has the keyboard focus, else 0.
  int GetFocusId() const;

  unsigned GetStyle() const;
  void ModifyStyle(unsigned remove, unsigned add);
  void AppendSystemMenu(unsigned command, const std::wstring& text);
  // The dots per inch of the screen the window is drawn for.
  unsigned GetDpi() const;

  // Runs DoDataExchange: controls to members when saving, else members to
  // controls. Always TRUE (no exchange of this module validates).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);

 protected:
  void SetPeer(IWindowPeer* peer) { peer_ = peer; }

 private:
  IWindowPeer* peer_ = nullptr;
};

// One control of a window, by id. Bound either at construction or by
// DDX_Control; an unbound control throws std::logic_error when used.
class CDlgItem {
 public:
  CDlgItem() = default;
  CDlgItem(CWnd* parent, int id) : parent_(parent), id_(id) {}

  void Attach(CWnd* parent, int id);
  bool IsBound() const { return parent_ != nullptr; }
  int GetDlgCtrlID() const { return id_; }
  CWnd* GetParent() const { return parent_; }

  void EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  void ShowWindow(int command);              // kSwShow / kSwHide
  BOOL IsWindowVisible() const;
  void SetWindowText(const std::wstring& text);
  std::wstring GetWindowText() const;
  void LimitText(int maxChars);              // edit and combo box controls
  void SetFocus();
  void RedrawWindow();
  Rect GetRectInParent() const;              // window rectangle in the parent's client pixels

 protected:
  CWnd& Parent() const;
  IControlPeer& ControlPeer() const;

 private:
  CWnd* parent_ = nullptr;
  int id_ = 0;
};

}  // namespace pf
