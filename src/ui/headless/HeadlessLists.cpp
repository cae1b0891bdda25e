// Headless list boxes and combo boxes, with the platform's selection rules.
#include "ui/headless/HeadlessLists.h"

#include "common/Format.h"
#include "res/styles.h"

namespace pf {
namespace {

std::wstring NoEntry(int index) { return Format(L"there is no entry %d", index); }

}  // namespace

void HeadlessListBox::ResetContent() {
  items_.clear();
  cursel_ = kLbErr;
}

int HeadlessListBox::AddString(const std::wstring& text) {
  items_.push_back(text);
  return GetCount() - 1;
}

int HeadlessListBox::DeleteString(int index) {
  if (!Holds(index)) return kLbErr;
  items_.erase(items_.begin() + index);
  if (cursel_ == index) {
    cursel_ = kLbErr;
  } else if (cursel_ > index) {
    --cursel_;
  }
  return GetCount();
}

int HeadlessListBox::SetCurSel(int index) {
  if (index == -1) cursel_ = kLbErr;
  if (!Holds(index)) return kLbErr;
  cursel_ = index;
  return index;
}

std::wstring HeadlessListBox::GetText(int index) const { return Holds(index) ? items_[index] : L""; }

std::wstring HeadlessListBox::InputPick(int index) {
  if (!Holds(index)) return NoEntry(index);
  cursel_ = index;
  if ((style() & PF_LBS_NOTIFY) != 0) NotifyOwner(Notify::SelChange);
  return L"";
}

bool HeadlessComboBox::HasEditField() const { return (style() & PF_CBS_TYPEMASK) == PF_CBS_DROPDOWN; }

std::wstring HeadlessComboBox::GetText() const {
  if (HasEditField()) return text_;
  return GetLBText(cursel_);
}

void HeadlessComboBox::SetText(const std::wstring& text) {
  if (HasEditField()) {
    text_ = text;
    return;
  }
  for (int i = 0; i < GetCount(); ++i) {
    if (items_[i] == text) {
      cursel_ = i;
      return;
    }
  }
}

void HeadlessComboBox::ResetContent() {
  items_.clear();
  cursel_ = kLbErr;
  text_.clear();
}

int HeadlessComboBox::AddString(const std::wstring& text) {
  items_.push_back(text);
  return GetCount() - 1;
}

int HeadlessComboBox::SetCurSel(int index) {
  cursel_ = Holds(index) ? index : kLbErr;
  text_ = GetLBText(cursel_);
  return cursel_;
}

std::wstring HeadlessComboBox::GetLBText(int index) const { return Holds(index) ? items_[index] : L""; }

std::wstring HeadlessComboBox::InputPick(int index) {
  if (!Holds(index)) return NoEntry(index);
  cursel_ = index;
  NotifyOwner(Notify::SelChange);
  text_ = GetLBText(cursel_);
  return L"";
}

std::wstring HeadlessComboBox::InputType(const std::wstring& text) {
  if (!HasEditField()) return L"the combo box has no edit field";
  text_ = CutToLimit(text, limit_);
  cursel_ = kLbErr;
  NotifyOwner(Notify::EditChange);
  return L"";
}

}  // namespace pf
