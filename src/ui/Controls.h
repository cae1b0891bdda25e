// Typed control accessors: edit, list box, combo box, tree view and picture, each a
// CDlgItem whose kind-specific operations go to the control's peer. A page
// binds them with DDX_Control (or constructs them with the parent and id).
// Using one on a control of another kind throws std::invalid_argument.
#pragma once

#include <string>

#include "motion/MotionPicture.h"
#include "ui/Wnd.h"

namespace pf {

class CImageList;

class CEdit : public CDlgItem {
 public:
  using CDlgItem::CDlgItem;
};

class CListBox : public CDlgItem {
 public:
  using CDlgItem::CDlgItem;

  void ResetContent();
  int AddString(const std::wstring& text);     // index of the new entry
  int DeleteString(int index);                 // entries left, or kLbErr
  int GetCount() const;
  int GetCurSel() const;                       // kLbErr when nothing is selected
  int SetCurSel(int index);
  std::wstring GetText(int index) const;

 private:
  IListPeer& List() const;
};

class CComboBox : public CDlgItem {
 public:
  using CDlgItem::CDlgItem;

  void ResetContent();
  int AddString(const std::wstring& text);
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  std::wstring GetLBText(int index) const;
  // The edit field's text is the control's window text (GetWindowText).

 private:
  IComboPeer& Combo() const;
};

class CTreeCtrl : public CDlgItem {
 public:
  using CDlgItem::CDlgItem;

  // Appends an item below `parent` (TviRoot() for a top-level item).
  HTreeItem InsertItem(const std::wstring& text, int image, int selectedImage, HTreeItem parent = TviRoot(),
                       DWORD_PTR data = 0);
  BOOL DeleteItem(HTreeItem item);
  BOOL DeleteAllItems();
  unsigned GetCount() const;

  HTreeItem GetRootItem() const;
  HTreeItem GetChildItem(HTreeItem item) const;
  HTreeItem GetNextSiblingItem(HTreeItem item) const;
  HTreeItem GetPrevSiblingItem(HTreeItem item) const;
  HTreeItem GetParentItem(HTreeItem item) const;
  HTreeItem GetSelectedItem() const;           // the caret item

  std::wstring GetItemText(HTreeItem item) const;
  DWORD_PTR GetItemData(HTreeItem item) const;
  BOOL SetItemData(HTreeItem item, DWORD_PTR data);
  BOOL GetItemImage(HTreeItem item, int& image, int& selectedImage) const;
  BOOL SetItemImage(HTreeItem item, int image, int selectedImage);
  BOOL GetCheck(HTreeItem item) const;
  BOOL SetCheck(HTreeItem item, BOOL check = TRUE);

  BOOL Expand(HTreeItem item, unsigned action);  // kTveExpand, kTveCollapse, kTveToggle
  BOOL EnsureVisible(HTreeItem item);
  BOOL SelectItem(HTreeItem item);
  HTreeItem HitTest(Point pt, unsigned* flags) const;
  void SetImageList(const CImageList& images);

 private:
  ITreePeer& Tree() const;
};

// An owner-drawn static that shows a motion picture (motion/MotionPicture.h),
// laid out by motion/PictureLayout.h.
class CPictureCtrl : public CDlgItem {
 public:
  using CDlgItem::CDlgItem;

  void SetPicture(const MotionPicture& picture);
  const MotionPicture& GetPicture() const;

 private:
  IPicturePeer& Picture() const;
};

}  // namespace pf
