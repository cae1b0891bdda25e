// Only Win32 code here. The wizard sheet: a wizard-97 property sheet made
// with PropertySheetW from the sheet's header (caption and the pages' header
// titles from the module's string table, header and watermark bitmaps from
// its bitmaps), modeless so that the backend's own loop runs it and calls
// PreTranslateMessage before each message. The platform's initialisation
// (first page made and activated) has run when the sheet's OnInitDialog is
// called; InitDefault only reports it.
//
// The bitmaps are loaded here and handed over as handles (PSH_USEHBMHEADER,
// PSH_USEHBMWATERMARK): Wine paints a header bitmap only when it is given
// that way, Windows either way.
//
// The close box is one press of Cancel (one query of the active page), as in
// the headless toolkit: Wine's sheet runs its cancel for WM_CLOSE and again
// for the IDCANCEL command that the dialog manager posts after it, so a page
// that refused would be asked a second time. The sheet's window procedure is
// subclassed for that one message.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/PropertySheet.h"
#include "ui/win32/Win32Page.h"
#include "ui/win32/Win32TopLevel.h"
#include "ui/win32/Win32Window.h"

#include <windows.h>
#include <prsht.h>

namespace pf {

class Win32Sheet : public Win32Window<ISheetPeer>, public Win32TopLevel {
 public:
  Win32Sheet(Win32Ui& ui, CPropertySheet& sheet) : Win32Window(ui), sheet_(sheet) {}
  ~Win32Sheet() override;
  Win32Sheet(const Win32Sheet&) = delete;
  Win32Sheet& operator=(const Win32Sheet&) = delete;

  // Makes the window, owned by `owner` (may be null), runs the sheet's
  // OnInitDialog and shows it. Returns an empty text, or why it could not.
  std::wstring Create(HWND owner);

  // ISheetPeer
  BOOL InitDefault() override { return TRUE; }
  BOOL SetActivePage(int index) override;
  // The index of the platform's tab control, which is the new page's
  // already during its set-active.
  int GetActiveIndex() const override;
  void PostWizardButtons(unsigned flags) override;
  void OwnerDestroyed() override;

  // For the pages: the sheet's window, known from its first page; a Finish
  // that the page let through; the end of the run (Finish or Cancel went
  // ahead), which may come from a sent message while the loop waits for a
  // posted one, so the loop is woken to see it.
  void PageCreated(HWND sheetWindow);
  void Finish() { finished_ = true; }
  void WakeLoop() const { PostMessageW(hwnd(), WM_NULL, 0, 0); }

  // Win32TopLevel: the run is over when the sheet has no current page (the
  // platform's sign that a modeless sheet ended).
  HWND Window() const override { return hwnd(); }
  bool IsDone() const override;
  INT_PTR Result() const override { return finished_ ? kIdWizFinish : kIdCancel; }
  bool TranslateDialogMessage(MSG& msg) override;
  CDialog* InputDialog() const override;
  void Close() override;

 private:
  std::wstring MakePages(std::vector<HPROPSHEETPAGE>& handles);
  void LoadBitmaps(PROPSHEETHEADERW& psh);
  void SubclassFrame();
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  CPropertySheet& sheet_;
  std::vector<std::unique_ptr<Win32Page>> pages_;
  WNDPROC platformProc_ = nullptr;
  HBITMAP header_ = nullptr;
  HBITMAP watermark_ = nullptr;
  bool finished_ = false;
  bool ownerGone_ = false;
};

}  // namespace pf
