// CProgramReqPage: the last page of the wizard. Before Finish it shows what
// the project will hold: a tree of the program groups with one entry per
// axis (or plane), marked when the programs of that axis exist or will be
// written, and the text of every file of the entry the user selects, with
// the verdict and picture of its motion check. It changes nothing; Finish is
// the sheet's.
#pragma once

#include <array>
#include <string>

#include "pages/page/ProgramGroups.h"
#include "ui/Controls.h"
#include "ui/ImageList.h"
#include "wizard/base/WizardBasePage.h"

namespace pf {

class CProgramReqPage : public CWizardBasePage {
 public:
  CProgramReqPage() : CWizardBasePage(2508, 0, 14007, 14040) {}

  CTreeCtrl m_treeProgram;  // tree PF_IDC_SUMMARY_TREE
  CImageList m_imageList;   // image 0: nothing to write, image 1: written or in the project
  std::array<HTreeItem, kProgramGroupCount> m_hGroup{};  // group entries by group number

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Makes the image list of the two marks.
  BOOL OnInitDialog() override;
  // Rebuilds the tree and shows the machine type and the project name.
  BOOL OnSetActive() override;
  // Asks 14043 (Yes is the default); only Yes lets the wizard close.
  BOOL OnQueryCancel() override;

  // Builds every group with its entries, then takes away the groups the
  // wizard does not offer.
  void BuildTree();
  // The text shown for a tree item: nothing for a group (or no item), else
  // every non-empty file of the entry's programs with a heading each.
  std::wstring ProgramText(HTreeItem item) const;

 private:
  LRESULT OnSelchangedProgramTree(const NotifyInfo& info);
  // The verdict and picture of an entry's programs; none for a group.
  void ShowMotionOf(HTreeItem item);
  // The group of an entry (group 0 when its parent is no group entry).
  const ProgramGroup& GroupOf(HTreeItem item) const;

  // 1 when every program of the group for axis or plane `index` is in the
  // project or is to be written, else 0.
  int Mark(const ProgramGroup& group, int index) const;
  bool IsGroupItem(HTreeItem item) const;
};

}  // namespace pf
