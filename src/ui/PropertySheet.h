// CPropertySheet: the wizard frame that holds the pages and the Back, Next,
// Finish, Cancel and Help buttons (kIdWizBack, kIdWizNext, kIdWizFinish,
// kIdCancel, kIdHelp: reach them with GetDlgItem).
//
// The backend runs the navigation as the platform does: Back and Next ask the
// active page (0 / -1 / template id, see PropertyPage.h), page changes send
// kill-active to the old page and set-active to the new one, a page's window
// is created (OnInitDialog) on its first activation and kept. Wizard button
// requests are posted: they take effect in posting order after the current
// handler returns.
#pragma once

#include <vector>

#include "ui/Peers.h"
#include "ui/PropertyPage.h"
#include "ui/Wnd.h"

namespace pf {

// The sheet's header (the platform's PROPSHEETHEADER), open to change before
// DoModal as on the platform: m_psh.dwFlags &= ~kPshHasHelp.
struct SheetHeader {
  unsigned dwFlags = kPshPropSheetPage | kPshHasHelp;
  unsigned nStartPage = 0;
  unsigned captionId = 0;          // string id of the title
  unsigned watermarkBitmapId = 0;  // bitmap resource ids, 0 for none
  unsigned headerBitmapId = 0;
};

class CPropertySheet : public CWnd {
 public:
  // A header or watermark bitmap id adds kPshHeader / kPshWatermark.
  explicit CPropertySheet(unsigned captionId, unsigned selectPage = 0, unsigned watermarkBitmapId = 0,
                          unsigned headerBitmapId = 0);

  SheetHeader m_psh;

  // Pages are added before DoModal; the sheet's window keeps the pages it was made with.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;     // null when out of range
  int GetPageIndex(const CPropertyPage* page) const;  // -1 when not a page of the sheet

  // The active page: during its set-active it is already the new page. Before
  // the window exists, the start page.
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const;

  // Activates a page now (sent): FALSE when the index is out of range or the
  // active page refused to be left. Before the window exists, sets the start page.
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);

  // Posts a set-wizard-buttons request (kWizBack | kWizNext | kWizFinish).
  void PostWizardButtons(unsigned flags);

  // Runs the sheet until it closes: kIdWizFinish (0x3025) after Finish,
  // kIdCancel after Cancel, -1 when it cannot be created.
  virtual INT_PTR DoModal();

  // The sheet's window was created. Base: the platform's own initialisation
  // (creates and activates the start page), whose result it returns.
  virtual BOOL OnInitDialog();

  // For backends: attaches the peer of the new window, or detaches it.
  void AttachPeer(ISheetPeer* peer);
  ISheetPeer& SheetPeer() const;   // throws std::logic_error while there is no window

 private:
  std::vector<CPropertyPage*> pages_;
  ISheetPeer* sheetPeer_ = nullptr;
};

}  // namespace pf
