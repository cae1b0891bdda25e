// Headless controls: the state of one control of a headless window and the
// platform behaviour of each kind, for code (the peer interface) and for
// injected input (the Input* methods, which return an empty text when the
// input was taken and the reason otherwise).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Peers.h"
#include "ui/PictureHolder.h"
#include "ui/Resources.h"

namespace pf {

class CChildControl;
class HeadlessControl;
class HeadlessUi;

// The window that holds headless controls.
class ControlOwner {
 public:
  virtual ~ControlOwner() = default;
  virtual HeadlessUi& Ui() = 0;
  // Sends a notification of control `id` to the window's message map.
  virtual LRESULT NotifyFrom(int id, Notify code, const NotifyInfo& info) = 0;
  // The control with `id`, null when the window has none.
  virtual HeadlessControl* Find(int id) const = 0;
  // The controls of the group (WS_GROUP to WS_GROUP) that holds control `id`.
  virtual std::vector<HeadlessControl*> GroupOf(int id) const = 0;
  // The ids of all controls, in window (tab) order.
  virtual std::vector<int> ControlIds() const = 0;
};

class HeadlessControl : public IControlPeer {
 public:
  HeadlessControl(ControlOwner& owner, int id, unsigned style, const Rect& rect, std::wstring text);

  int id() const { return id_; }
  unsigned style() const { return style_; }
  int redraws() const { return redraws_; }
  ControlOwner& owner() const { return owner_; }

  std::wstring GetText() const override { return text_; }
  void SetText(const std::wstring& text) override { text_ = text; }
  void Enable(bool enable) override { enabled_ = enable; }
  bool IsEnabled() const override { return enabled_; }
  void Show(bool show) override { visible_ = show; }
  bool IsVisible() const override { return visible_; }
  int GetCheck() const override { return 0; }
  void SetCheck(int) override {}
  void LimitText(int) override {}
  Rect GetRect() const override { return rect_; }
  void Redraw() override { ++redraws_; }

  // Whether the control takes the keyboard focus by tabbing (WS_TABSTOP).
  bool IsTabStop() const;

 protected:
  LRESULT NotifyOwner(Notify code, const NotifyInfo& info = {}) { return owner_.NotifyFrom(id_, code, info); }

  std::wstring text_;

 private:
  ControlOwner& owner_;
  int id_;
  unsigned style_;
  Rect rect_;
  bool enabled_;
  bool visible_;
  int redraws_ = 0;
};

// Push buttons, check boxes, radio buttons, group boxes.
class HeadlessButton : public HeadlessControl {
 public:
  using HeadlessControl::HeadlessControl;

  int GetCheck() const override { return check_; }
  void SetCheck(int state) override;
  bool IsRadio() const;

  // A click: toggles an automatic check box, checks an automatic radio
  // button and clears the others of its group, then sends Clicked.
  std::wstring InputClick();

 private:
  unsigned Type() const;
  int check_ = kBstUnchecked;
};

// Single- and multi-line edits.
class HeadlessEdit : public HeadlessControl {
 public:
  using HeadlessControl::HeadlessControl;

  // Setting a single-line edit's text sends Change; a multi-line edit's does not.
  void SetText(const std::wstring& text) override;
  void LimitText(int maxChars) override { limit_ = maxChars; }

  // The user replaces the text: cut to the limit, then Change.
  std::wstring InputType(const std::wstring& text);

 private:
  int limit_ = 0;
};

// A picture: an owner-drawn static that keeps the picture it was given.
class HeadlessPicture : public HeadlessControl, public PictureHolder {
 public:
  using HeadlessControl::HeadlessControl;

  IPicturePeer* AsPicture() override { return this; }

 protected:
  void Repaint() override { Redraw(); }
};

// A control the module creates at run time (CChildControl).
class HeadlessCustom : public HeadlessControl {
 public:
  HeadlessCustom(ControlOwner& owner, CChildControl& control, int id, unsigned style, const Rect& rect);
  CChildControl& control() const { return control_; }

 private:
  CChildControl& control_;
};

// Text cut to a control's input limit (0: none).
std::wstring CutToLimit(const std::wstring& text, int limit);

// The control of a template row, by its window class.
std::unique_ptr<HeadlessControl> MakeHeadlessControl(ControlOwner& owner, const ControlTemplate& row);

}  // namespace pf
