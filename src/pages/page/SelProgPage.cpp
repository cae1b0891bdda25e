// The program selection page (see SelProgPage.h).
#include "pages/page/SelProgPage.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Format.h"
#include "common/StringTable.h"
#include "pages/page/MakeInfoPage.h"
#include "program/ProgramInfoAry.h"
#include "res/controls.h"
#include "ui/DataExchange.h"
#include "wizard/base/ProgramMarks.h"
#include "wizard/base/WizardBaseSheet.h"
#include "wizard/base/WizardData.h"

namespace pf {
namespace {

// Texts of the entries below a group (one string argument: the axis label
// or the plane name), and the warning about a ticked program that exists.
constexpr unsigned kAxisEntryFormat = 14004;
constexpr unsigned kPlaneEntryFormat = 14038;
constexpr unsigned kExistsWarning = 14003;

// The existence marks, in image-list order, each with white as transparent.

}  // namespace

const MessageMap* CSelProgPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapNotify(PF_IDC_SELECTION_TREE, Notify::Click, &CSelProgPage::OnClickProgramTree),
      MapNotify(PF_IDC_SELECTION_TREE, Notify::DblClick, &CSelProgPage::OnClickProgramTree),
      MapNotify(PF_IDC_SELECTION_TREE, Notify::TreeKeyDown, &CSelProgPage::OnKeydownProgramTree),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CSelProgPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, PF_IDC_SELECTION_TREE, m_treeProgram);
}

BOOL CSelProgPage::OnInitDialog() {
  CWizardBasePage::OnInitDialog();
  CreateProgramMarks(m_imageList);
  return TRUE;
}

BOOL CSelProgPage::OnSetActive() {
  const BOOL result = CWizardBasePage::OnSetActive();
  BuildTree();
  if (!UpdateSelection()) GetWizardSheet().PostWizardButtons(0);
  return result;
}

int CSelProgPage::ChildCount(const ProgramGroup& group) const {
  const CMakeInfoPage& machine = GetWizardData().MachineInfo();
  const std::size_t count =
      group.children == GroupChildren::Axes ? machine.m_aryAxisName.size() : machine.m_aryPlaneName.size();
  return static_cast<int>(count);
}

// An axis that leads a tandem pair gets no entry: its programs are not made.
bool CSelProgPage::IsOfferedChild(const ProgramGroup& group, int index) const {
  return group.children == GroupChildren::Planes || GetWizardData().MachineInfo().IsTandemMaster(&index) == 0;
}

// 1 when the project holds the program of every kind of the group for the
// axis or plane, else 0: the image of the entry.
int CSelProgPage::ExistenceMark(const ProgramGroup& group, int index) const {
  for (int k = 0; k < group.kindCount; ++k) {
    if (GetWizardData().Programs(group.kinds[k]).at(static_cast<std::size_t>(index)).m_bLoaded != 1) return 0;
  }
  return 1;
}

bool CSelProgPage::IsGroupItem(HTreeItem item) const {
  return item != nullptr && std::find(m_hGroup.begin(), m_hGroup.end(), item) != m_hGroup.end();
}

void CSelProgPage::BuildTree() {
  const CMakeInfoPage& machine = GetWizardData().MachineInfo();
  m_treeProgram.DeleteAllItems();
  m_treeProgram.SetImageList(m_imageList);
  for (const ProgramGroup& group : kProgramGroups) {
    if (!group.offered) continue;
    const HTreeItem groupItem = m_treeProgram.InsertItem(LoadResString(group.labelId), 0, 0);
    m_hGroup.at(static_cast<std::size_t>(group.group)) = groupItem;
    const bool axes = group.children == GroupChildren::Axes;
    const std::wstring format = LoadResString(axes ? kAxisEntryFormat : kPlaneEntryFormat);
    const std::vector<std::wstring>& labels = axes ? machine.m_aryAxisName : machine.m_aryPlaneName;
    int groupMark = 0;
    for (int index = 0; index < ChildCount(group); ++index) {
      if (!IsOfferedChild(group, index)) continue;
      const int mark = ExistenceMark(group, index);
      m_treeProgram.InsertItem(Format(format, labels.at(static_cast<std::size_t>(index))), mark, mark, groupItem);
      groupMark = std::max(groupMark, mark);
    }
    m_treeProgram.Expand(groupItem, kTveCollapse);
    m_treeProgram.SetItemImage(groupItem, groupMark, groupMark);
    m_treeProgram.SetCheck(groupItem, FALSE);
    m_treeProgram.SetItemData(groupItem, 0);
  }
  m_treeProgram.EnsureVisible(m_hGroup[0]);
  GetWizardSheet().SetNextEnable(FALSE);
}

// Walks each group's entries beside the axis or plane indices: an axis
// without an entry (a tandem lead), or one beyond the last entry, is not
// selected.
int CSelProgPage::UpdateSelection() {
  bool ticked = false;
  std::wstring warning;
  for (const ProgramGroup& group : kProgramGroups) {
    if (!group.offered) continue;
    HTreeItem child = m_treeProgram.GetChildItem(m_hGroup.at(static_cast<std::size_t>(group.group)));
    for (int index = 0; index < ChildCount(group); ++index) {
      if (!IsOfferedChild(group, index) || child == nullptr) {
        SetGroupSelection(group.group, index, 0);
        continue;
      }
      const int value = static_cast<int>(m_treeProgram.GetItemData(child));
      SetGroupSelection(group.group, index, value);
      if (value == 1) {
        ticked = true;
        int image = 0;
        int selectedImage = 0;
        m_treeProgram.GetItemImage(child, image, selectedImage);
        if (selectedImage == 1) warning = LoadResString(kExistsWarning);
      }
      child = m_treeProgram.GetNextSiblingItem(child);
    }
  }
  GetWizardSheet().PostWizardButtons(ticked ? kWizNext : 0);
  SetDlgItemText(PF_IDC_SELECTION_WARNING, warning);
  return ticked ? 1 : 0;
}

int CSelProgPage::ToggleItem(HTreeItem item) {
  const BOOL state = m_treeProgram.GetCheck(item) ? FALSE : TRUE;
  if (IsGroupItem(item)) {
    // The tree ticks the group's own box itself once the click is handled.
    for (HTreeItem child = m_treeProgram.GetChildItem(item); child != nullptr;
         child = m_treeProgram.GetNextSiblingItem(child)) {
      m_treeProgram.SetCheck(child, state);
      m_treeProgram.SetItemData(child, static_cast<DWORD_PTR>(state));
    }
  } else {
    m_treeProgram.SetItemData(item, static_cast<DWORD_PTR>(state));
    const HTreeItem groupItem = m_treeProgram.GetParentItem(item);
    BOOL groupTicked = state;
    for (HTreeItem child = m_treeProgram.GetChildItem(groupItem); child != nullptr && !groupTicked;
         child = m_treeProgram.GetNextSiblingItem(child)) {
      groupTicked = child != item && m_treeProgram.GetItemData(child) == 1;
    }
    m_treeProgram.SetCheck(groupItem, groupTicked);
  }
  m_treeProgram.RedrawWindow();
  return UpdateSelection();
}

void CSelProgPage::SetGroupSelection(int group, int index, int value) {
  const ProgramGroup& row = kProgramGroups.at(static_cast<std::size_t>(group));
  for (int k = 0; k < row.kindCount; ++k) {
    GetWizardData().Programs(row.kinds[k]).at(static_cast<std::size_t>(index)).m_bSaveFiles = value;
  }
}

// Only a click on an entry's check box changes a tick. Two quick clicks
// arrive as a click and a double-click, and the tree toggles the box on
// each: the double-click is a click here too, so the box and the programs
// agree.
LRESULT CSelProgPage::OnClickProgramTree(const NotifyInfo& info) {
  unsigned flags = 0;
  const HTreeItem item = m_treeProgram.HitTest(info.pt, &flags);
  if (item != nullptr && (flags & kTvhtOnItemStateIcon) != 0) ToggleItem(item);
  return 0;
}

// The space bar ticks the entry with the caret, as a click on its box does.
LRESULT CSelProgPage::OnKeydownProgramTree(const NotifyInfo& info) {
  if (info.key != kVkSpace) return 0;
  const HTreeItem item = m_treeProgram.GetSelectedItem();
  if (item != nullptr) ToggleItem(item);
  return 0;
}

}  // namespace pf
