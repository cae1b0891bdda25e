// Only Win32 code here. What the Win32 dialog and sheet peers share: their
// child controls by id (peers made on first use and kept with the window),
// radio groups, focus, style and system menu. `Peer` is the peer interface
// the window implements (IDialogPeer or ISheetPeer).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Peers.h"
#include "ui/win32/Win32Controls.h"

#include <windows.h>

namespace pf {

class Win32Ui;

template <class Peer>
class Win32Window : public Peer {
 public:
  bool HasControl(int id) const override;
  IControlPeer& Control(int id) override;
  std::vector<int> RadioGroup(int firstId) const override;
  int GetFocusId() const override;
  void SetFocus(int id) override;
  unsigned GetStyle() const override;
  void ModifyStyle(unsigned remove, unsigned add) override;
  void AppendSystemMenu(unsigned command, const std::wstring& text) override;
  unsigned GetDpi() const override;

  HWND hwnd() const { return hwnd_; }
  Win32Ui& Ui() const { return ui_; }

 protected:
  explicit Win32Window(Win32Ui& ui) : ui_(ui) {}

  void BindWindow(HWND hwnd) { hwnd_ = hwnd; }
  // The window is gone: its control peers go with it.
  void UnbindWindow();
  // Child control `id`; throws std::out_of_range when the window has none.
  HWND ControlWindow(int id) const;

 private:
  Win32Ui& ui_;
  HWND hwnd_ = nullptr;
  std::map<HWND, std::unique_ptr<Win32Control>> controls_;
};

}  // namespace pf
