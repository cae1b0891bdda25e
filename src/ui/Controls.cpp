// The typed accessors: each call is one operation of the control's peer.
#include "ui/Controls.h"

#include <stdexcept>

#include "common/Format.h"
#include "common/Text.h"

namespace pf {
namespace {

template <class Kind>
Kind& Require(Kind* kind, int id, const wchar_t* what) {
  if (kind == nullptr) throw std::invalid_argument(ToNarrow(Format(L"control %d is not a %s", id, what)));
  return *kind;
}

}  // namespace

IListPeer& CListBox::List() const { return Require(ControlPeer().AsList(), GetDlgCtrlID(), L"list box"); }

void CListBox::ResetContent() { List().ResetContent(); }
int CListBox::AddString(const std::wstring& text) { return List().AddString(text); }
int CListBox::DeleteString(int index) { return List().DeleteString(index); }
int CListBox::GetCount() const { return List().GetCount(); }
int CListBox::GetCurSel() const { return List().GetCurSel(); }
int CListBox::SetCurSel(int index) { return List().SetCurSel(index); }
std::wstring CListBox::GetText(int index) const { return List().GetText(index); }

IComboPeer& CComboBox::Combo() const { return Require(ControlPeer().AsCombo(), GetDlgCtrlID(), L"combo box"); }

void CComboBox::ResetContent() { Combo().ResetContent(); }
int CComboBox::AddString(const std::wstring& text) { return Combo().AddString(text); }
int CComboBox::GetCount() const { return Combo().GetCount(); }
int CComboBox::GetCurSel() const { return Combo().GetCurSel(); }
int CComboBox::SetCurSel(int index) { return Combo().SetCurSel(index); }
std::wstring CComboBox::GetLBText(int index) const { return Combo().GetLBText(index); }

ITreePeer& CTreeCtrl::Tree() const { return Require(ControlPeer().AsTree(), GetDlgCtrlID(), L"tree view"); }

HTreeItem CTreeCtrl::InsertItem(const std::wstring& text, int image, int selectedImage, HTreeItem parent,
                                DWORD_PTR data) {
  return Tree().InsertItem(parent, text, image, selectedImage, data);
}
BOOL CTreeCtrl::DeleteItem(HTreeItem item) { return Tree().DeleteItem(item); }
BOOL CTreeCtrl::DeleteAllItems() { return Tree().DeleteAllItems(); }
unsigned CTreeCtrl::GetCount() const { return Tree().GetCount(); }

HTreeItem CTreeCtrl::GetRootItem() const { return Tree().GetNextItem(nullptr, kTvgnRoot); }
HTreeItem CTreeCtrl::GetChildItem(HTreeItem item) const { return Tree().GetNextItem(item, kTvgnChild); }
HTreeItem CTreeCtrl::GetNextSiblingItem(HTreeItem item) const { return Tree().GetNextItem(item, kTvgnNext); }
HTreeItem CTreeCtrl::GetPrevSiblingItem(HTreeItem item) const { return Tree().GetNextItem(item, kTvgnPrevious); }
HTreeItem CTreeCtrl::GetParentItem(HTreeItem item) const { return Tree().GetNextItem(item, kTvgnParent); }
HTreeItem CTreeCtrl::GetSelectedItem() const { return Tree().GetNextItem(nullptr, kTvgnCaret); }

std::wstring CTreeCtrl::GetItemText(HTreeItem item) const { return Tree().GetItemText(item); }
DWORD_PTR CTreeCtrl::GetItemData(HTreeItem item) const { return Tree().GetItemData(item); }
BOOL CTreeCtrl::SetItemData(HTreeItem item, DWORD_PTR data) { return Tree().SetItemData(item, data); }
BOOL CTreeCtrl::GetItemImage(HTreeItem item, int& image, int& selectedImage) const {
  return Tree().GetItemImage(item, image, selectedImage);
}
BOOL CTreeCtrl::SetItemImage(HTreeItem item, int image, int selectedImage) {
  return Tree().SetItemImage(item, image, selectedImage);
}
BOOL CTreeCtrl::GetCheck(HTreeItem item) const { return Tree().GetCheck(item); }
BOOL CTreeCtrl::SetCheck(HTreeItem item, BOOL check) { return Tree().SetCheck(item, check); }

BOOL CTreeCtrl::Expand(HTreeItem item, unsigned action) { return Tree().Expand(item, action); }
BOOL CTreeCtrl::EnsureVisible(HTreeItem item) { return Tree().EnsureVisible(item); }
BOOL CTreeCtrl::SelectItem(HTreeItem item) { return Tree().SelectItem(item); }
HTreeItem CTreeCtrl::HitTest(Point pt, unsigned* flags) const { return Tree().HitTest(pt, flags); }
void CTreeCtrl::SetImageList(const CImageList& images) { Tree().SetImageList(images); }

IPicturePeer& CPictureCtrl::Picture() const {
  return Require(ControlPeer().AsPicture(), GetDlgCtrlID(), L"picture");
}

void CPictureCtrl::SetPicture(const MotionPicture& picture) { Picture().SetPicture(picture); }
const MotionPicture& CPictureCtrl::GetPicture() const { return Picture().GetPicture(); }

}  // namespace pf
