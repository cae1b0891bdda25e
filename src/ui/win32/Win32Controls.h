// Only Win32 code here. The control peers of real windows: one platform
// message per operation, for buttons, edits, list boxes, combo boxes,
// pictures (owner-drawn statics) and any other control (statics, the
// module's own run-time controls). Tree views are in Win32Tree.h.
#pragma once

#include <memory>
#include <string>

#include "ui/Peers.h"
#include "ui/PictureHolder.h"

#include <windows.h>

namespace pf {

class Win32Control : public IControlPeer {
 public:
  explicit Win32Control(HWND hwnd) : hwnd_(hwnd) {}

  HWND hwnd() const { return hwnd_; }

  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  void Enable(bool enable) override;
  bool IsEnabled() const override;
  void Show(bool show) override;
  // The control's own visibility (WS_VISIBLE), as the headless toolkit keeps
  // it: IsWindowVisible would also answer for the page, which is still hidden
  // during its own set-active.
  bool IsVisible() const override;
  int GetCheck() const override { return 0; }
  void SetCheck(int) override {}
  void LimitText(int) override {}
  Rect GetRect() const override;
  void Redraw() override;

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(hwnd_, message, wParam, lParam);
  }

 private:
  HWND hwnd_;
};

// Check boxes and radio buttons answer BM_GETCHECK / BM_SETCHECK; push
// buttons and group boxes ignore them as the platform does.
class Win32Button : public Win32Control {
 public:
  using Win32Control::Win32Control;
  int GetCheck() const override { return static_cast<int>(Send(BM_GETCHECK)); }
  void SetCheck(int state) override { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class Win32Edit : public Win32Control {
 public:
  using Win32Control::Win32Control;
  void LimitText(int maxChars) override { Send(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
};

class Win32ListBox : public Win32Control, public IListPeer {
 public:
  using Win32Control::Win32Control;

  IListPeer* AsList() override { return this; }

  void ResetContent() override { Send(LB_RESETCONTENT); }
  int AddString(const std::wstring& text) override;
  int DeleteString(int index) override { return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index))); }
  int GetCount() const override { return static_cast<int>(Send(LB_GETCOUNT)); }
  int GetCurSel() const override { return static_cast<int>(Send(LB_GETCURSEL)); }
  int SetCurSel(int index) override { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  std::wstring GetText(int index) const override;
  using Win32Control::GetText;
};

class Win32ComboBox : public Win32Control, public IComboPeer {
 public:
  using Win32Control::Win32Control;

  IComboPeer* AsCombo() override { return this; }
  void LimitText(int maxChars) override { Send(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)); }

  void ResetContent() override { Send(CB_RESETCONTENT); }
  int AddString(const std::wstring& text) override;
  int GetCount() const override { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetCurSel() const override { return static_cast<int>(Send(CB_GETCURSEL)); }
  int SetCurSel(int index) override { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  std::wstring GetLBText(int index) const override;
};

// An owner-drawn static: it keeps the picture and has its window repainted;
// the dialog draws it on WM_DRAWITEM (PictureDrawing.h).
class Win32Picture : public Win32Control, public PictureHolder {
 public:
  using Win32Control::Win32Control;

  IPicturePeer* AsPicture() override { return this; }

 protected:
  void Repaint() override { InvalidateRect(hwnd(), nullptr, TRUE); }
};

// The peer of a control window, by its window class (and, for a static,
// its type).
std::unique_ptr<Win32Control> MakeControlPeer(HWND hwnd);

}  // namespace pf
