// Only Win32 code here. Tree views: items, check boxes through the state
// image, hit tests and image lists from the module's bitmaps.
#include "ui/win32/Win32Tree.h"

#include <vector>

#include "res/styles.h"
#include "ui/win32/Win32Module.h"

namespace pf {
namespace {

// State image 1 is the empty box, 2 the ticked one.
constexpr UINT kUncheckedState = 1;
constexpr UINT kCheckedState = 2;

HTREEITEM Native(HTreeItem item) { return reinterpret_cast<HTREEITEM>(item); }
HTreeItem Seam(HTREEITEM item) { return reinterpret_cast<HTreeItem>(item); }

HIMAGELIST BuildImageList(const CImageList& images) {
  HIMAGELIST list = ImageList_Create(images.cx(), images.cy(), images.flags(), images.initial(), images.grow());
  if (list == nullptr) return nullptr;
  for (const CImageList::Entry& entry : images.entries()) {
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), ResourceName(entry.bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (bitmap == nullptr) continue;
    ImageList_AddMasked(list, bitmap, entry.maskColor);
    DeleteObject(bitmap);
  }
  return list;
}

}  // namespace

Win32Tree::~Win32Tree() {
  if (images_ != nullptr) ImageList_Destroy(images_);
}

BOOL Win32Tree::GetItem(TVITEMW& item) const {
  return static_cast<BOOL>(Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL Win32Tree::SetItem(TVITEMW& item) {
  return static_cast<BOOL>(Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

HTreeItem Win32Tree::InsertItem(HTreeItem parent, const std::wstring& text, int image, int selectedImage,
                                DWORD_PTR data) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent == nullptr ? TVI_ROOT : Native(parent);
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.iImage = image;
  insert.item.iSelectedImage = selectedImage;
  insert.item.lParam = static_cast<LPARAM>(data);
  return Seam(reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert))));
}

BOOL Win32Tree::DeleteItem(HTreeItem item) {
  return static_cast<BOOL>(Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(Native(item))));
}

BOOL Win32Tree::DeleteAllItems() {
  return static_cast<BOOL>(Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
}

unsigned Win32Tree::GetCount() const { return static_cast<unsigned>(Send(TVM_GETCOUNT)); }

// The first child of the root is the first root item, as the seam's callers
// ask for it.
HTreeItem Win32Tree::GetNextItem(HTreeItem item, unsigned relation) const {
  if (relation == kTvgnChild && (item == nullptr || item == TviRoot())) relation = kTvgnRoot;
  return Seam(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(Native(item)))));
}

std::wstring Win32Tree::GetItemText(HTreeItem item) const {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = Native(item);
    query.pszText = buffer.data();
    query.cchTextMax = static_cast<int>(buffer.size());
    buffer[0] = 0;
    if (!GetItem(query)) return L"";
    std::wstring text(query.pszText);
    if (text.size() + 1 < buffer.size()) return text;
    buffer.resize(buffer.size() * 2);
  }
}

DWORD_PTR Win32Tree::GetItemData(HTreeItem item) const {
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_PARAM;
  query.hItem = Native(item);
  return GetItem(query) ? static_cast<DWORD_PTR>(query.lParam) : 0;
}

BOOL Win32Tree::SetItemData(HTreeItem item, DWORD_PTR data) {
  TVITEMW change{};
  change.mask = TVIF_HANDLE | TVIF_PARAM;
  change.hItem = Native(item);
  change.lParam = static_cast<LPARAM>(data);
  return SetItem(change);
}

BOOL Win32Tree::GetItemImage(HTreeItem item, int& image, int& selectedImage) const {
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  query.hItem = Native(item);
  if (!GetItem(query)) return FALSE;
  image = query.iImage;
  selectedImage = query.iSelectedImage;
  return TRUE;
}

BOOL Win32Tree::SetItemImage(HTreeItem item, int image, int selectedImage) {
  TVITEMW change{};
  change.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  change.hItem = Native(item);
  change.iImage = image;
  change.iSelectedImage = selectedImage;
  return SetItem(change);
}

BOOL Win32Tree::GetCheck(HTreeItem item) const {
  const auto state = static_cast<UINT>(Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Native(item)), TVIS_STATEIMAGEMASK));
  return (state >> 12) == kCheckedState ? TRUE : FALSE;
}

BOOL Win32Tree::SetCheck(HTreeItem item, BOOL check) {
  TVITEMW change{};
  change.mask = TVIF_HANDLE | TVIF_STATE;
  change.hItem = Native(item);
  change.stateMask = TVIS_STATEIMAGEMASK;
  change.state = INDEXTOSTATEIMAGEMASK(check ? kCheckedState : kUncheckedState);
  return SetItem(change);
}

BOOL Win32Tree::Expand(HTreeItem item, unsigned action) {
  return static_cast<BOOL>(Send(TVM_EXPAND, action, reinterpret_cast<LPARAM>(Native(item))));
}

BOOL Win32Tree::EnsureVisible(HTreeItem item) {
  return static_cast<BOOL>(Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(Native(item))));
}

BOOL Win32Tree::SelectItem(HTreeItem item) {
  return static_cast<BOOL>(Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Native(item))));
}

HTreeItem Win32Tree::HitTest(Point pt, unsigned* flags) const {
  TVHITTESTINFO info{};
  info.pt = {pt.x, pt.y};
  const auto item = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (flags != nullptr) *flags = info.flags;
  return Seam(item);
}

void Win32Tree::SetImageList(const CImageList& images) {
  HIMAGELIST list = BuildImageList(images);
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
  if (images_ != nullptr) ImageList_Destroy(images_);
  images_ = list;
}

void RenewTreeCheckBoxes(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & TVS_CHECKBOXES) == 0 || !HasWindowClass(child, L"" PF_WC_TREEVIEW)) continue;
    SetWindowLongPtrW(child, GWL_STYLE, style & ~static_cast<LONG_PTR>(TVS_CHECKBOXES));
    SetWindowLongPtrW(child, GWL_STYLE, style);
  }
}

}  // namespace pf
