// CSelProgPage: the program selection page. A tree with check boxes holds one
// entry per offered program group and, below it, one per axis or plane for
// which the group's programs can be made. Ticks decide which programs the
// wizard shows pages for and writes (m_bSaveFiles of the program records);
// a picture marks the programs that the project already holds, and a text
// line warns when a ticked one does.
#pragma once

#include <array>

#include "pages/page/ProgramGroups.h"
#include "ui/Controls.h"
#include "ui/ImageList.h"
#include "wizard/base/WizardBasePage.h"

namespace pf {

class CSelProgPage : public CWizardBasePage {
 public:
  CSelProgPage() : CWizardBasePage(2509, 0, 14045, 14046) {}

  CTreeCtrl m_treeProgram;    // tree PF_IDC_SELECTION_TREE
  CImageList m_imageList;     // image 0: not in the project, image 1: in the project
  std::array<HTreeItem, kProgramGroupCount> m_hGroup{};  // group entries by group number

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  // Makes the image list of the two existence marks.
  BOOL OnInitDialog() override;
  // Rebuilds the tree with every entry unticked and writes that selection.
  BOOL OnSetActive() override;

  // Builds the tree from the machine's axes and planes and the program
  // records; every entry starts unticked.
  void BuildTree();
  // Writes the tree's ticks into the program records, sets Next and the
  // warning line; 1 when something is ticked, else 0.
  int UpdateSelection();
  // Changes the tick of an entry as the user asked (the tree has not changed
  // it yet): a group passes it to all its entries. Returns UpdateSelection().
  int ToggleItem(HTreeItem item);
  // Stores `value` as m_bSaveFiles of record `index` of each kind of `group`.
  void SetGroupSelection(int group, int index, int value);

 private:
  LRESULT OnClickProgramTree(const NotifyInfo& info);
  LRESULT OnKeydownProgramTree(const NotifyInfo& info);

  int ExistenceMark(const ProgramGroup& group, int index) const;
  bool IsGroupItem(HTreeItem item) const;
  bool IsOfferedChild(const ProgramGroup& group, int index) const;
  int ChildCount(const ProgramGroup& group) const;
};

}  // namespace pf
