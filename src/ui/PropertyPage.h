// CPropertyPage: one page of a wizard sheet. The sheet's backend calls the
// wizard notifications below and turns their results into the platform's:
//
//   notification    method           result
//   set-active      OnSetActive      TRUE accepts (every page of this module does; the
//                                    headless sheet shows the page whatever it answers)
//   kill-active     OnKillActive     TRUE lets the page go; FALSE keeps it
//   Back / Next     OnWizardBack/Next 0 neighbour page, -1 stay, a template id jumps there
//   Finish          OnWizardFinish   nonzero lets the sheet close
//   Cancel          OnQueryCancel    TRUE allows the cancel
//
// A handler abandoned by an exception means the user's action did not
// happen: Back, Next, Finish and Cancel stay on the page, an abandoned
// kill-active keeps the page; an abandoned set-active or init still shows it.
#pragma once

#include "ui/Dialog.h"

namespace pf {

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  CPropertyPage() : CPropertyPage(0) {}
  explicit CPropertyPage(unsigned templateId, unsigned captionId = 0, unsigned headerTitleId = 0,
                         unsigned headerSubtitleId = 0)
      : CDialog(templateId),
        captionId_(captionId),
        headerTitleId_(headerTitleId),
        headerSubtitleId_(headerSubtitleId) {}

  unsigned GetCaptionId() const { return captionId_; }
  unsigned GetHeaderTitleId() const { return headerTitleId_; }
  unsigned GetHeaderSubtitleId() const { return headerSubtitleId_; }

  // The sheet the page was added to (its parent window); null before.
  CPropertySheet* GetParentSheet() const { return sheet_; }

  // Base: as CDialog, and the next activation counts as the first.
  BOOL OnInitDialog() override;
  // Base: TRUE; every activation but the window's first starts with
  // UpdateData(FALSE).
  virtual BOOL OnSetActive();
  // Base: UpdateData(TRUE), TRUE.
  virtual BOOL OnKillActive();
  // Base: 0 (the neighbour page).
  virtual LRESULT OnWizardBack();
  virtual LRESULT OnWizardNext();
  // Base: TRUE (the sheet closes).
  virtual BOOL OnWizardFinish();
  // Base: TRUE (the cancel goes ahead).
  virtual BOOL OnQueryCancel();

  // Called by CPropertySheet::AddPage.
  void SetParentSheet(CPropertySheet* sheet) { sheet_ = sheet; }

 private:
  unsigned captionId_;
  unsigned headerTitleId_;
  unsigned headerSubtitleId_;
  CPropertySheet* sheet_ = nullptr;
  bool firstSetActive_ = true;
};

}  // namespace pf
