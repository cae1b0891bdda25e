// CWizardBaseSheet: the wizard frame whose pages hand every navigation
// request to it. The sheet decides which page follows (OnPageBack,
// OnPageNext, OnPageFinish) and sets the wizard buttons when a page becomes
// active (OnPageActivate) or asks for Next to be switched (SetNextEnable).
// The base answers with the platform's neighbour pages; the program sheet
// overrides the decisions.
#pragma once

#include "ui/PropertySheet.h"

namespace pf {

class CWizardBaseSheet : public CPropertySheet {
 public:
  // Handed unchanged to the platform sheet: caption string id, index of the
  // first page, watermark and header bitmap ids (0 for none).
  explicit CWizardBaseSheet(unsigned captionId, unsigned selectPage = 0, unsigned watermarkBitmapId = 0,
                            unsigned headerBitmapId = 0);

  // 1: the sheet gets a minimise box and the minimise and restore entries of
  // its system menu. A derived sheet may clear it in its constructor.
  int m_bMinimizeBox = 1;

  // Runs the sheet modally as a wizard-97 sheet.
  INT_PTR DoModal() override;

  // The platform's initialisation, then the minimise box and the texts of
  // the four wizard buttons; returns the platform's result.
  BOOL OnInitDialog() override;

  // Switches Next for the active page: first page Next or nothing, a middle
  // page Back with or without Next, the last page is left alone.
  virtual void SetNextEnable(BOOL enable);

  // Decisions for Back and Next: 0 moves to the neighbouring page, -1 stays
  // (a sheet that switched pages itself). Base: 0.
  virtual LRESULT OnPageBack();
  virtual LRESULT OnPageNext();
  // Decision for Finish: nonzero lets the sheet close. Base: 0, it stays open.
  virtual BOOL OnPageFinish();

  // Sets the wizard buttons for the page that becomes active: first page
  // Next, a middle page Back and Next; on the last page Next, Finish and
  // Back are disabled and hidden and Cancel, renamed Finish, closes.
  virtual void OnPageActivate();

 protected:
  // Where the active page stands among the sheet's pages.
  enum class PagePlace { First, Middle, Last };
  PagePlace ActivePagePlace() const;
};

}  // namespace pf
