// The headless tree view: items with text, images, item data and a check
// state, expand state and the caret, laid out as rows so that hit tests and
// clicks work on points as they do on the platform.
//
// Layout: one row of kTreeRowHeight pixels per visible item, in display
// order. From the left: kTreeIndent pixels per level (root items get one
// level with TVS_LINESATROOT), the last of which holds the expand button of an
// item with children (TVS_HASBUTTONS); the state icon (16 pixels, with
// TVS_CHECKBOXES); the image (image width + 3, once an image list is set);
// the label (6 pixels per character + 4); then the empty rest of the row.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/ImageList.h"
#include "ui/headless/HeadlessControl.h"

namespace pf {

constexpr int kTreeRowHeight = 16;
constexpr int kTreeIndent = 19;

// The parts of a row that input can click.
enum class TreePart { Button, StateIcon, Icon, Label, Right };

class HeadlessTree : public HeadlessControl, public ITreePeer {
 public:
  using HeadlessControl::HeadlessControl;

  ITreePeer* AsTree() override { return this; }

  HTreeItem InsertItem(HTreeItem parent, const std::wstring& text, int image, int selectedImage,
                       DWORD_PTR data) override;
  BOOL DeleteItem(HTreeItem item) override;
  BOOL DeleteAllItems() override;
  unsigned GetCount() const override { return static_cast<unsigned>(items_.size()); }
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
  void SetImageList(const CImageList& images) override { images_ = images; }

  const std::optional<CImageList>& imageList() const { return images_; }
  bool IsExpanded(HTreeItem item) const;
  // A point inside `part` of the item's row; false when the item is not shown
  // (a collapsed parent) or its row has no such part.
  bool PointOf(HTreeItem item, TreePart part, Point* pt) const;

  // A mouse click at `pt`: a click on the label or image selects the item, on
  // the button expands or collapses it; then Click goes to the parent, and
  // when it answered 0 a click on the state icon toggles the check box.
  std::wstring InputClick(Point pt);
  // The second click of two quick ones, which the platform turns into a
  // double-click: DblClick goes to the parent, and when it answered 0 a
  // double-click on the state icon toggles the check box again.
  std::wstring InputDoubleClick(Point pt);
  // A key: TreeKeyDown goes to the parent first; then the space bar toggles
  // the check box of the caret item.
  std::wstring InputKey(unsigned key);
  // The user moves the caret to a shown item (TreeSelChanged).
  std::wstring InputSelect(HTreeItem item);

 private:
  struct Item {
    HTreeItem parent = nullptr;
    std::vector<HTreeItem> children;
    std::wstring text;
    int image = 0;
    int selectedImage = 0;
    DWORD_PTR data = 0;
    bool checked = false;
    bool expanded = false;
  };
  struct Span {
    int left;
    int right;
    unsigned flag;
  };

  const Item* Get(HTreeItem item) const;
  Item* Get(HTreeItem item);
  std::vector<HTreeItem>& SiblingsOf(const Item& item);
  const std::vector<HTreeItem>& SiblingsOf(const Item& item) const;
  bool IsWithin(HTreeItem item, HTreeItem ancestor) const;
  std::vector<HTreeItem> ShownItems() const;
  std::vector<Span> Spans(HTreeItem item) const;
  void ShowParentsOf(HTreeItem item);
  void MoveCaret(HTreeItem item);
  void Erase(HTreeItem item);
  bool HasCheckBoxes() const;
  // Tells the parent of a click (`notify`) at `pt`; when it answered 0, a
  // click on the state icon toggles the check box.
  void NotifyClick(Notify notify, Point pt);

  std::map<HTreeItem, Item> items_;
  std::vector<HTreeItem> roots_;
  HTreeItem caret_ = nullptr;
  std::uintptr_t nextHandle_ = 1;
  std::optional<CImageList> images_;
};

}  // namespace pf
