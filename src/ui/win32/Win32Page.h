// Only Win32 code here. The peer of a wizard page: a dialog peer that also
// turns the sheet's wizard notifications into the page's methods and writes
// their answers in the platform's terms (DWLP_MSGRESULT):
//
//   PSN_SETACTIVE    OnSetActive      TRUE -> 0 (shown), FALSE -> -1 (skipped)
//   PSN_KILLACTIVE   OnKillActive     TRUE -> FALSE (the page may go)
//   PSN_WIZBACK/NEXT OnWizardBack/Next unchanged: 0 neighbour, -1 stay, a template id jumps
//   PSN_WIZFINISH    OnWizardFinish   nonzero -> FALSE (the sheet closes)
//   PSN_QUERYCANCEL  OnQueryCancel    TRUE -> FALSE (the cancel goes ahead)
//   PSN_RESET        (none)           the cancel went ahead: the modal loop is woken
//
// A handler abandoned by an exception answers as the user's action not
// having happened: the sheet stays on the page (set-active still shows it).
#pragma once

#include "ui/PropertyPage.h"
#include "ui/win32/Win32Dialog.h"

namespace pf {

class Win32Sheet;

class Win32Page : public Win32Dialog {
 public:
  Win32Page(Win32Ui& ui, CPropertyPage& page, Win32Sheet& sheet) : Win32Dialog(ui, page), page_(page), sheet_(sheet) {}

  // A page ends with its sheet.
  void EndDialog(INT_PTR) override {}

 protected:
  void OnCreated() override;
  bool OnOtherNotify(const NMHDR& header, LRESULT* result) override;

 private:
  CPropertyPage& page_;
  Win32Sheet& sheet_;
};

}  // namespace pf
