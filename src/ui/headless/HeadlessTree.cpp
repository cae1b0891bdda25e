// The headless tree view.
#include "ui/headless/HeadlessTree.h"

#include <algorithm>
#include <climits>

#include "res/styles.h"

namespace pf {
namespace {

constexpr int kStateIconWidth = 16;
constexpr int kCharWidth = 6;

struct PartFlag {
  TreePart part;
  unsigned flag;
};

constexpr PartFlag kPartFlags[] = {
    {TreePart::Button, kTvhtOnItemButton}, {TreePart::StateIcon, kTvhtOnItemStateIcon},
    {TreePart::Icon, kTvhtOnItemIcon},     {TreePart::Label, kTvhtOnItemLabel},
    {TreePart::Right, kTvhtOnItemRight},
};

bool IsRoot(HTreeItem item) { return item == nullptr || item == TviRoot(); }

}  // namespace

const HeadlessTree::Item* HeadlessTree::Get(HTreeItem item) const {
  auto it = items_.find(item);
  return it == items_.end() ? nullptr : &it->second;
}

HeadlessTree::Item* HeadlessTree::Get(HTreeItem item) {
  auto it = items_.find(item);
  return it == items_.end() ? nullptr : &it->second;
}

std::vector<HTreeItem>& HeadlessTree::SiblingsOf(const Item& item) {
  return item.parent == nullptr ? roots_ : Get(item.parent)->children;
}

const std::vector<HTreeItem>& HeadlessTree::SiblingsOf(const Item& item) const {
  return item.parent == nullptr ? roots_ : Get(item.parent)->children;
}

bool HeadlessTree::HasCheckBoxes() const { return (style() & PF_TVS_CHECKBOXES) != 0; }

bool HeadlessTree::IsWithin(HTreeItem item, HTreeItem ancestor) const {
  for (const Item* it = Get(item); it != nullptr; item = it->parent, it = Get(item)) {
    if (item == ancestor) return true;
  }
  return false;
}

HTreeItem HeadlessTree::InsertItem(HTreeItem parent, const std::wstring& text, int image, int selectedImage,
                                   DWORD_PTR data) {
  if (!IsRoot(parent) && Get(parent) == nullptr) return nullptr;
  HTreeItem handle = reinterpret_cast<HTreeItem>(nextHandle_++);
  Item item;
  item.parent = IsRoot(parent) ? nullptr : parent;
  item.text = text;
  item.image = image;
  item.selectedImage = selectedImage;
  item.data = data;
  SiblingsOf(item).push_back(handle);
  items_.emplace(handle, std::move(item));
  return handle;
}

void HeadlessTree::Erase(HTreeItem item) {
  for (HTreeItem child : Get(item)->children) Erase(child);
  items_.erase(item);
}

BOOL HeadlessTree::DeleteItem(HTreeItem item) {
  if (IsRoot(item)) return DeleteAllItems();
  const Item* it = Get(item);
  if (it == nullptr) return FALSE;
  if (IsWithin(caret_, item)) caret_ = nullptr;
  std::vector<HTreeItem>& siblings = SiblingsOf(*it);
  siblings.erase(std::find(siblings.begin(), siblings.end(), item));
  Erase(item);
  return TRUE;
}

BOOL HeadlessTree::DeleteAllItems() {
  items_.clear();
  roots_.clear();
  caret_ = nullptr;
  return TRUE;
}

HTreeItem HeadlessTree::GetNextItem(HTreeItem item, unsigned relation) const {
  if (relation == kTvgnCaret) return caret_;
  if (relation == kTvgnRoot || (relation == kTvgnChild && IsRoot(item))) {
    return roots_.empty() ? nullptr : roots_.front();
  }
  const Item* it = Get(item);
  if (it == nullptr) return nullptr;
  if (relation == kTvgnParent) return it->parent;
  if (relation == kTvgnChild) return it->children.empty() ? nullptr : it->children.front();
  const std::vector<HTreeItem>& siblings = SiblingsOf(*it);
  auto pos = std::find(siblings.begin(), siblings.end(), item);
  if (relation == kTvgnNext) return pos + 1 == siblings.end() ? nullptr : *(pos + 1);
  if (relation == kTvgnPrevious) return pos == siblings.begin() ? nullptr : *(pos - 1);
  return nullptr;
}

std::wstring HeadlessTree::GetItemText(HTreeItem item) const {
  const Item* it = Get(item);
  return it == nullptr ? L"" : it->text;
}

DWORD_PTR HeadlessTree::GetItemData(HTreeItem item) const {
  const Item* it = Get(item);
  return it == nullptr ? 0 : it->data;
}

BOOL HeadlessTree::SetItemData(HTreeItem item, DWORD_PTR data) {
  Item* it = Get(item);
  if (it == nullptr) return FALSE;
  it->data = data;
  return TRUE;
}

BOOL HeadlessTree::GetItemImage(HTreeItem item, int& image, int& selectedImage) const {
  const Item* it = Get(item);
  if (it == nullptr) return FALSE;
  image = it->image;
  selectedImage = it->selectedImage;
  return TRUE;
}

BOOL HeadlessTree::SetItemImage(HTreeItem item, int image, int selectedImage) {
  Item* it = Get(item);
  if (it == nullptr) return FALSE;
  it->image = image;
  it->selectedImage = selectedImage;
  return TRUE;
}

BOOL HeadlessTree::GetCheck(HTreeItem item) const {
  const Item* it = Get(item);
  return it != nullptr && it->checked ? TRUE : FALSE;
}

BOOL HeadlessTree::SetCheck(HTreeItem item, BOOL check) {
  Item* it = Get(item);
  if (it == nullptr) return FALSE;
  it->checked = check != FALSE;
  return TRUE;
}

bool HeadlessTree::IsExpanded(HTreeItem item) const {
  const Item* it = Get(item);
  return it != nullptr && it->expanded;
}

BOOL HeadlessTree::Expand(HTreeItem item, unsigned action) {
  Item* it = Get(item);
  if (it == nullptr || it->children.empty()) return FALSE;
  const bool expand = action == kTveToggle ? !it->expanded : action == kTveExpand;
  it->expanded = expand;
  // Collapsing hides the caret item: the caret moves to the collapsed item.
  if (!expand && caret_ != item && IsWithin(caret_, item)) MoveCaret(item);
  return TRUE;
}

void HeadlessTree::ShowParentsOf(HTreeItem item) {
  for (Item* parent = Get(Get(item)->parent); parent != nullptr; parent = Get(parent->parent)) {
    parent->expanded = true;
  }
}

BOOL HeadlessTree::EnsureVisible(HTreeItem item) {
  if (Get(item) == nullptr) return FALSE;
  ShowParentsOf(item);
  return TRUE;
}

void HeadlessTree::MoveCaret(HTreeItem item) {
  if (item == caret_) return;
  NotifyInfo info;
  info.itemOld = caret_;
  info.itemNew = item;
  caret_ = item;
  NotifyOwner(Notify::TreeSelChanged, info);
}

BOOL HeadlessTree::SelectItem(HTreeItem item) {
  if (item != nullptr && Get(item) == nullptr) return FALSE;
  if (item != nullptr) ShowParentsOf(item);
  MoveCaret(item);
  return TRUE;
}

std::vector<HTreeItem> HeadlessTree::ShownItems() const {
  std::vector<HTreeItem> shown;
  std::vector<HTreeItem> pending(roots_.rbegin(), roots_.rend());
  while (!pending.empty()) {
    HTreeItem item = pending.back();
    pending.pop_back();
    shown.push_back(item);
    const Item& it = *Get(item);
    if (it.expanded) pending.insert(pending.end(), it.children.rbegin(), it.children.rend());
  }
  return shown;
}

std::vector<HeadlessTree::Span> HeadlessTree::Spans(HTreeItem item) const {
  const Item& it = *Get(item);
  int depth = 0;
  for (const Item* p = Get(it.parent); p != nullptr; p = Get(p->parent)) ++depth;
  const int levels = depth + ((style() & PF_TVS_LINESATROOT) != 0 ? 1 : 0);

  std::vector<Span> spans;
  int x = 0;
  if (levels > 0) {
    const bool button = (style() & PF_TVS_HASBUTTONS) != 0 && !it.children.empty();
    x = levels * kTreeIndent;
    spans.push_back({0, x - kTreeIndent, kTvhtOnItemIndent});
    spans.push_back({x - kTreeIndent, x, button ? kTvhtOnItemButton : kTvhtOnItemIndent});
  }
  if (HasCheckBoxes()) {
    spans.push_back({x, x + kStateIconWidth, kTvhtOnItemStateIcon});
    x += kStateIconWidth;
  }
  if (images_) {
    spans.push_back({x, x + images_->cx() + 3, kTvhtOnItemIcon});
    x += images_->cx() + 3;
  }
  const int label = kCharWidth * static_cast<int>(it.text.size()) + 4;
  spans.push_back({x, x + label, kTvhtOnItemLabel});
  spans.push_back({x + label, INT_MAX, kTvhtOnItemRight});
  return spans;
}

HTreeItem HeadlessTree::HitTest(Point pt, unsigned* flags) const {
  unsigned found = kTvhtNowhere;
  HTreeItem item = nullptr;
  const std::vector<HTreeItem> shown = ShownItems();
  const int row = pt.y / kTreeRowHeight;
  if (pt.x >= 0 && pt.y >= 0 && row < static_cast<int>(shown.size())) {
    item = shown[static_cast<std::size_t>(row)];
    for (const Span& span : Spans(item)) {
      if (pt.x >= span.left && pt.x < span.right) found = span.flag;
    }
  }
  if (flags != nullptr) *flags = found;
  return item;
}

bool HeadlessTree::PointOf(HTreeItem item, TreePart part, Point* pt) const {
  const std::vector<HTreeItem> shown = ShownItems();
  auto row = std::find(shown.begin(), shown.end(), item);
  if (row == shown.end()) return false;
  const unsigned flag = std::find_if(std::begin(kPartFlags), std::end(kPartFlags),
                                     [part](const PartFlag& p) { return p.part == part; })
                            ->flag;
  for (const Span& span : Spans(item)) {
    if (span.flag == flag && span.right > span.left) {
      pt->x = span.left + (std::min(span.right, span.left + 20) - span.left) / 2;
      pt->y = static_cast<int>(row - shown.begin()) * kTreeRowHeight + kTreeRowHeight / 2;
      return true;
    }
  }
  return false;
}

std::wstring HeadlessTree::InputClick(Point pt) {
  unsigned flags = 0;
  HTreeItem item = HitTest(pt, &flags);
  if ((flags & (kTvhtOnItemLabel | kTvhtOnItemIcon)) != 0) MoveCaret(item);
  if ((flags & kTvhtOnItemButton) != 0) Expand(item, kTveToggle);
  NotifyClick(Notify::Click, pt);
  return L"";
}

std::wstring HeadlessTree::InputDoubleClick(Point pt) {
  NotifyClick(Notify::DblClick, pt);
  return L"";
}

void HeadlessTree::NotifyClick(Notify notify, Point pt) {
  unsigned flags = 0;
  const HTreeItem item = HitTest(pt, &flags);
  NotifyInfo info;
  info.pt = pt;
  const LRESULT answer = NotifyOwner(notify, info);
  Item* it = Get(item);  // the handler may have removed it
  if (answer == 0 && (flags & kTvhtOnItemStateIcon) != 0 && HasCheckBoxes() && it != nullptr) {
    it->checked = !it->checked;
  }
}

std::wstring HeadlessTree::InputKey(unsigned key) {
  NotifyInfo info;
  info.key = key;
  NotifyOwner(Notify::TreeKeyDown, info);
  Item* it = Get(caret_);
  if (key == kVkSpace && HasCheckBoxes() && it != nullptr) it->checked = !it->checked;
  return L"";
}

std::wstring HeadlessTree::InputSelect(HTreeItem item) {
  const std::vector<HTreeItem> shown = ShownItems();
  if (std::find(shown.begin(), shown.end(), item) == shown.end()) return L"the item is not shown";
  MoveCaret(item);
  return L"";
}

}  // namespace pf
