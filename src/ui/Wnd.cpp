// CWnd and CDlgItem: every call goes to the window's peer.
#include "ui/Wnd.h"

#include <stdexcept>

#include "ui/DataExchange.h"

namespace pf {

CWnd::~CWnd() {
  if (peer_ != nullptr) peer_->OwnerDestroyed();
}

IWindowPeer& CWnd::Peer() const {
  if (peer_ == nullptr) throw std::logic_error("the window does not exist");
  return *peer_;
}

bool CWnd::HasDlgItem(int id) const { return Peer().HasControl(id); }

CDlgItem CWnd::GetDlgItem(int id) { return CDlgItem(this, id); }

std::wstring CWnd::GetDlgItemText(int id) const { return Peer().Control(id).GetText(); }

void CWnd::SetDlgItemText(int id, const std::wstring& text) { Peer().Control(id).SetText(text); }

void CWnd::CheckDlgButton(int id, int check) { Peer().Control(id).SetCheck(check); }

int CWnd::IsDlgButtonChecked(int id) const { return Peer().Control(id).GetCheck(); }

int CWnd::GetFocusId() const { return Peer().GetFocusId(); }

unsigned CWnd::GetStyle() const { return Peer().GetStyle(); }

void CWnd::ModifyStyle(unsigned remove, unsigned add) { Peer().ModifyStyle(remove, add); }

void CWnd::AppendSystemMenu(unsigned command, const std::wstring& text) { Peer().AppendSystemMenu(command, text); }

unsigned CWnd::GetDpi() const { return Peer().GetDpi(); }

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CDlgItem::Attach(CWnd* parent, int id) {
  parent_ = parent;
  id_ = id;
}

CWnd& CDlgItem::Parent() const {
  if (parent_ == nullptr) throw std::logic_error("the control is not bound to a dialog");
  return *parent_;
}

IControlPeer& CDlgItem::ControlPeer() const { return Parent().Peer().Control(id_); }

void CDlgItem::EnableWindow(BOOL enable) { ControlPeer().Enable(enable != FALSE); }

BOOL CDlgItem::IsWindowEnabled() const { return ControlPeer().IsEnabled() ? TRUE : FALSE; }

void CDlgItem::ShowWindow(int command) { ControlPeer().Show(command != kSwHide); }

BOOL CDlgItem::IsWindowVisible() const { return ControlPeer().IsVisible() ? TRUE : FALSE; }

void CDlgItem::SetWindowText(const std::wstring& text) { ControlPeer().SetText(text); }

std::wstring CDlgItem::GetWindowText() const { return ControlPeer().GetText(); }

void CDlgItem::LimitText(int maxChars) { ControlPeer().LimitText(maxChars); }

void CDlgItem::SetFocus() { Parent().Peer().SetFocus(id_); }

void CDlgItem::RedrawWindow() { ControlPeer().Redraw(); }

Rect CDlgItem::GetRectInParent() const { return ControlPeer().GetRect(); }

}  // namespace pf
