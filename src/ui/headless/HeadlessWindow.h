// What headless dialogs and sheets share: their controls in window (tab)
// order, the radio groups, focus, style and system menu. `Peer` is the peer
// interface the window implements (IDialogPeer or ISheetPeer).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/headless/HeadlessControl.h"

namespace pf {

struct SystemMenuEntry {
  unsigned command;
  std::wstring text;
};

template <class Peer>
class HeadlessWindow : public Peer, public ControlOwner {
 public:
  bool HasControl(int id) const override { return Find(id) != nullptr; }
  IControlPeer& Control(int id) override;
  std::vector<int> RadioGroup(int firstId) const override;
  int GetFocusId() const override;
  void SetFocus(int id) override;
  unsigned GetStyle() const override { return style_; }
  void ModifyStyle(unsigned remove, unsigned add) override { style_ = (style_ & ~remove) | add; }
  void AppendSystemMenu(unsigned command, const std::wstring& text) override {
    systemMenu_.push_back({command, text});
  }
  unsigned GetDpi() const override { return kStandardDpi; }

  void OwnerDestroyed() override {
    ownerGone_ = true;
    OnOwnerGone();
  }

  HeadlessUi& Ui() override { return ui_; }
  HeadlessControl* Find(int id) const override;
  std::vector<HeadlessControl*> GroupOf(int id) const override;
  std::vector<int> ControlIds() const override;

  const std::vector<SystemMenuEntry>& systemMenu() const { return systemMenu_; }
  // True once the C++ object of the window has been destroyed.
  bool ownerGone() const { return ownerGone_; }
  // Gives the focus to the first shown, enabled tab stop, if any.
  void FocusFirstTabStop();

 protected:
  HeadlessWindow(HeadlessUi& ui, unsigned style) : ui_(ui), style_(style) {}
  // The window's answer to the loss of its C++ object.
  virtual void OnOwnerGone() = 0;

  std::size_t IndexOf(int id) const;   // throws std::out_of_range for a missing id

  std::vector<std::unique_ptr<HeadlessControl>> controls_;

 private:
  // Where control `id` stands in window order; the control count when missing.
  std::size_t Position(int id) const;

  HeadlessUi& ui_;
  unsigned style_;
  std::vector<SystemMenuEntry> systemMenu_;
  bool ownerGone_ = false;
};

}  // namespace pf
