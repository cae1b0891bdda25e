// The proof's own wizard pages, standing in for the module's later pages on
// their templates: written against the toolkit seam only, with a few handlers
// each that the script can see working through the windows.
//
//   2509 selection    tree with check boxes; the first Next throws and is abandoned,
//                     the second warns in a message box and goes on
//   2506 program      edits, list box, hint line, a run-time child control, a throwing button,
//                     a Yes/No box after the (nested) wait cursor, the hidden second
//                     stroke-end row shown; Back jumps to 2505 by template id, Next
//                     activates the last page itself and answers -1
//   2508 summary      tree with an image list; refuses the first Cancel; Finish
#pragma once

#include <string>

#include "res/controls.h"
#include "ui/Controls.h"
#include "ui/DataExchange.h"
#include "ui/ImageList.h"
#include "ui/PropertyPage.h"
#include "ProbeControl.h"

namespace pf::proof {

class SelectionProofPage : public CPropertyPage {
 public:
  SelectionProofPage() : CPropertyPage(2509, 0, 14045, 14046) {}
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  const MessageMap* GetMessageMap() const override;

 private:
  LRESULT OnClickTree(const NotifyInfo& info);
  LRESULT OnKeydownTree(const NotifyInfo& info);
  LRESULT OnSelchangedTree(const NotifyInfo& info);

  CTreeCtrl tree_{this, PF_IDC_SELECTION_TREE};
  int nextPresses_ = 0;
};

class ProgramProofPage : public CPropertyPage {
 public:
  ProgramProofPage() : CPropertyPage(2506, 0, 14002, 14020) {}
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void PreTranslateMessage() override;
  const MessageMap* GetMessageMap() const override;

 private:
  void OnChangeDistance();
  void OnChangeFileText();
  void OnSelchangeFiles();
  void OnCreate();
  void OnTrialRun();
  LRESULT OnEndCellEdit(const NotifyInfo& info);

  ProbeControl grid_;
  std::wstring distance_ = L"100";
  int dwell_ = 1;
  int circleDirection_ = 0;
  int hintFocus_ = -1;
};

class SummaryProofPage : public CPropertyPage {
 public:
  SummaryProofPage() : CPropertyPage(2508, 0, 14007, 14040) {}
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

 private:
  CImageList images_;
  int cancelPresses_ = 0;
};

}  // namespace pf::proof
