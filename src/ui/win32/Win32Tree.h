// Only Win32 code here. The tree view peer (TVM_* messages) and the image
// lists it builds from the module's bitmaps.
#pragma once

#include "ui/ImageList.h"
#include "ui/win32/Win32Controls.h"

#include <commctrl.h>

namespace pf {

class Win32Tree : public Win32Control, public ITreePeer {
 public:
  using Win32Control::Win32Control;
  ~Win32Tree() override;
  Win32Tree(const Win32Tree&) = delete;
  Win32Tree& operator=(const Win32Tree&) = delete;

  ITreePeer* AsTree() override { return this; }

  HTreeItem InsertItem(HTreeItem parent, const std::wstring& text, int image, int selectedImage,
                       DWORD_PTR data) override;
  BOOL DeleteItem(HTreeItem item) override;
  BOOL DeleteAllItems() override;
  unsigned GetCount() const override;
  HTreeItem GetNextItem(HTreeItem item, unsigned relation) const override;
  std::wstring GetItemText(HTreeItem item) const override;
  DWORD_PTR GetItemData(HTreeItem item) const override;
  BOOL SetItemData(HTreeItem item, DWORD_PTR data) override;
  BOOL GetItemImage(HTreeItem item, int& image, int& selectedImage) const override;
  BOOL SetItemImage(HTreeItem item, int image, int selectedImage) override;
  BOOL GetCheck(HTreeItem item) const override;
  BOOL SetCheck(HTreeItem item, BOOL check) override;
  BOOL Expand(HTreeItem item, unsigned action) override;
  BOOL EnsureVisible(HTreeItem item) override;
  BOOL SelectItem(HTreeItem item) override;
  HTreeItem HitTest(Point pt, unsigned* flags) const override;
  // Builds the platform's image list from the description and gives it to
  // the tree; the peer destroys it with the tree, or when it is replaced.
  void SetImageList(const CImageList& images) override;

 private:
  BOOL GetItem(TVITEMW& item) const;
  BOOL SetItem(TVITEMW& item);

  HIMAGELIST images_ = nullptr;
};

// Sets TVS_CHECKBOXES again on every tree of a new dialog that has it: the
// platform documents that a tree made from a template gets its check boxes
// reliably only when the style is set after creation, before it is filled.
void RenewTreeCheckBoxes(HWND dialog);

}  // namespace pf
