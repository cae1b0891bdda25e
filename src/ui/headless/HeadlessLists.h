// Headless list boxes and combo boxes.
#pragma once

#include <string>
#include <vector>

#include "ui/headless/HeadlessControl.h"

namespace pf {

class HeadlessListBox : public HeadlessControl, public IListPeer {
 public:
  using HeadlessControl::HeadlessControl;

  IListPeer* AsList() override { return this; }

  void ResetContent() override;
  int AddString(const std::wstring& text) override;
  int DeleteString(int index) override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  int GetCurSel() const override { return cursel_; }
  int SetCurSel(int index) override;
  std::wstring GetText(int index) const override;

  // The user picks an entry: it is selected, then SelChange is sent when the
  // list has LBS_NOTIFY.
  std::wstring InputPick(int index);

 private:
  bool Holds(int index) const { return index >= 0 && index < GetCount(); }

  std::vector<std::wstring> items_;
  int cursel_ = kLbErr;
};

class HeadlessComboBox : public HeadlessControl, public IComboPeer {
 public:
  using HeadlessControl::HeadlessControl;

  IComboPeer* AsCombo() override { return this; }

  // The window text: the edit field, or the selected entry of a drop-down list.
  std::wstring GetText() const override;
  // Sets the edit field (no notification); a drop-down list selects the
  // entry of that text instead.
  void SetText(const std::wstring& text) override;
  void LimitText(int maxChars) override { limit_ = maxChars; }

  void ResetContent() override;
  int AddString(const std::wstring& text) override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  int GetCurSel() const override { return cursel_; }
  int SetCurSel(int index) override;
  std::wstring GetLBText(int index) const override;

  // The user picks an entry: it is selected, SelChange is sent, and then the
  // edit field shows the selection (a handler still sees the old text there).
  std::wstring InputPick(int index);
  // The user types into the edit field: cut to the limit, the list loses its
  // selection, then EditChange.
  std::wstring InputType(const std::wstring& text);

 private:
  bool Holds(int index) const { return index >= 0 && index < GetCount(); }
  bool HasEditField() const;

  std::vector<std::wstring> items_;
  int cursel_ = kLbErr;
  int limit_ = 0;
};

}  // namespace pf
