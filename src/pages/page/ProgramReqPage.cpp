// The program requirements page (see ProgramReqPage.h).
#include "pages/page/ProgramReqPage.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ShownMotion.h"
#include "program/ProgramInfoAry.h"
#include "program/ProgramKinds.h"
#include "res/controls.h"
#include "ui/DataExchange.h"
#include "wizard/base/ProgramMarks.h"
#include "wizard/base/WizardData.h"

namespace pf {
namespace {

constexpr unsigned kAxisEntryFormat = 14004;
constexpr unsigned kPlaneEntryFormat = 14038;
constexpr unsigned kAskCancel = 14043;

// The marks, in image-list order, each with white as transparent.

// The machine type's name, by machine type.
constexpr unsigned kMachineTypeNames[] = {14031, 14035};

// What heads each file of a kind in the program text: a fixed text or the
// text of a string id, by kind.
struct KindPrefix {
  const wchar_t* text;
  unsigned stringId;
};
constexpr KindPrefix kKindPrefixes[kProgramKindCount] = {
    {L"G0", 0}, {L"G1", 0}, {L"G0", 0}, {L"G1", 0}, {L"", 0}, {L"", 0}, {L"", 0},
    {nullptr, 14010}, {nullptr, 14044}, {nullptr, 14010}, {nullptr, 14044},
};

std::wstring KindPrefixText(int kind) {
  const KindPrefix& prefix = kKindPrefixes[kind];
  return prefix.text != nullptr ? prefix.text : LoadResString(prefix.stringId);
}

}  // namespace

const MessageMap* CProgramReqPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapNotify(PF_IDC_SUMMARY_TREE, Notify::TreeSelChanged, &CProgramReqPage::OnSelchangedProgramTree),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CProgramReqPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, PF_IDC_SUMMARY_TREE, m_treeProgram);
}

BOOL CProgramReqPage::OnInitDialog() {
  CWizardBasePage::OnInitDialog();
  CreateProgramMarks(m_imageList);
  return TRUE;
}

BOOL CProgramReqPage::OnSetActive() {
  const BOOL result = CWizardBasePage::OnSetActive();
  BuildTree();
  ClearMotion(*this);
  const int machineType = GetWizardData().MachineInfo().m_nMachineType;
  if (machineType >= 0 && machineType < static_cast<int>(std::size(kMachineTypeNames))) {
    SetDlgItemText(PF_IDC_MACHINE_TYPE, LoadResString(kMachineTypeNames[machineType]));
  }
  SetDlgItemText(PF_IDC_SUMMARY_PROJECT, GetWizardData().ProjectName());
  return result;
}

BOOL CProgramReqPage::OnQueryCancel() {
  return ShowMessage(kAskCancel, MsgIcon::Question, MsgButtons::YesNo, 0) == kAnswerYes ? TRUE : FALSE;
}

int CProgramReqPage::Mark(const ProgramGroup& group, int index) const {
  for (int k = 0; k < group.kindCount; ++k) {
    const CProgramInfo& record = GetWizardData().Programs(group.kinds[k]).at(static_cast<std::size_t>(index));
    if (record.m_bLoaded == 0 && record.m_bSaveFiles == 0) return 0;
  }
  return 1;
}

bool CProgramReqPage::IsGroupItem(HTreeItem item) const {
  return std::find(m_hGroup.begin(), m_hGroup.end(), item) != m_hGroup.end();
}

void CProgramReqPage::BuildTree() {
  const CMakeInfoPage& machine = GetWizardData().MachineInfo();
  m_treeProgram.DeleteAllItems();
  m_treeProgram.SetImageList(m_imageList);
  for (const ProgramGroup& group : kProgramGroups) {
    const HTreeItem groupItem = m_treeProgram.InsertItem(LoadResString(group.labelId), 0, 0);
    m_hGroup.at(static_cast<std::size_t>(group.group)) = groupItem;
    const bool axes = group.children == GroupChildren::Axes;
    const std::wstring format = LoadResString(axes ? kAxisEntryFormat : kPlaneEntryFormat);
    const std::vector<std::wstring>& labels = axes ? machine.m_aryAxisName : machine.m_aryPlaneName;
    int any = 0;
    for (int index = 0; index < static_cast<int>(labels.size()); ++index) {
      if (axes && machine.IsTandemMaster(&index) == 1) continue;
      const int mark = Mark(group, index);
      m_treeProgram.InsertItem(Format(format, labels[static_cast<std::size_t>(index)]), mark, mark, groupItem,
                               static_cast<DWORD_PTR>(index));
      any = std::max(any, mark);
    }
    m_treeProgram.Expand(groupItem, kTveCollapse);
    m_treeProgram.SetItemImage(groupItem, any, any);
  }
  // The groups the wizard does not offer are built like the others and then
  // taken away with their entries.
  for (const ProgramGroup& group : kProgramGroups) {
    if (!group.offered) m_treeProgram.DeleteItem(m_hGroup.at(static_cast<std::size_t>(group.group)));
  }
}

const ProgramGroup& CProgramReqPage::GroupOf(HTreeItem item) const {
  const HTreeItem parent = m_treeProgram.GetParentItem(item);
  const auto groupItem = std::find(m_hGroup.begin(), m_hGroup.end(), parent);
  return kProgramGroups.at(groupItem == m_hGroup.end() ? 0 : static_cast<std::size_t>(groupItem - m_hGroup.begin()));
}

std::wstring CProgramReqPage::ProgramText(HTreeItem item) const {
  if (item == nullptr || IsGroupItem(item)) return std::wstring();
  const ProgramGroup& group = GroupOf(item);
  const std::size_t index = static_cast<std::size_t>(m_treeProgram.GetItemData(item));
  std::wstring text;
  for (int k = 0; k < group.kindCount; ++k) {
    const int kind = group.kinds[k];
    const std::wstring prefix = KindPrefixText(kind);
    for (const CProgramData& file : GetWizardData().Programs(kind).at(index)) {
      if (file.m_strText.empty()) continue;
      text += L"<< " + prefix + L" " + file.m_strTitle + L" >>\r\n" + file.m_strText + L"\r\n\r\n";
    }
  }
  return text;
}

LRESULT CProgramReqPage::OnSelchangedProgramTree(const NotifyInfo& info) {
  SetDlgItemText(PF_IDC_PROGRAM_TEXT, ProgramText(info.itemNew));
  ShowMotionOf(info.itemNew);
  return 0;
}

void CProgramReqPage::ShowMotionOf(HTreeItem item) {
  if (item == nullptr || IsGroupItem(item)) {
    ClearMotion(*this);
    return;
  }
  const ProgramGroup& group = GroupOf(item);
  ShowEntryMotion(*this, GetWizardData(), group.kinds, group.kindCount,
                  static_cast<int>(m_treeProgram.GetItemData(item)));
}

}  // namespace pf
