// The program sheet (see ProgramSheet.h).
#include "sheet/ProgramSheet.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "common/MessageSink.h"
#include "nclink/NcReads.h"
#include "nclink/NcType.h"
#include "ui/UiBackend.h"
#include "wizard/MachineValues.h"
#include "wizard/ProjectCommit.h"
#include "wizard/ProjectFile.h"
#include "wizard/ProjectFolders.h"

namespace pf {
namespace {

enum SheetMessage : unsigned {
  kMsgNoMachine = 12501,   // the axes or planes could not be read
  kMsgNoOvxInfo = 12506,   // "OVX" could not be read
  kMsgEmptyOvx = 12550,    // "OVX" is empty
};

const wchar_t kNcTypeNotFound[] = L"NCType Not Found";

// The controller types the wizard knows; type 0 must offer the OVX function.
constexpr int32_t kNcTypeOvx = 0;
constexpr int32_t kNcTypeOther = 1;

// What Finish writes, in order: the record lists of these kinds, named by
// axis or by plane. Kinds 5 to 8 are never written.
struct SavedKind {
  int kind;
  bool byPlane;
};
constexpr SavedKind kSavedKinds[] = {
    {0, false}, {1, false}, {2, false}, {3, false}, {4, false}, {9, true}, {10, true},
};

}  // namespace

CProgramSheet::CProgramSheet(unsigned captionId, unsigned selectPage, unsigned watermarkBitmapId,
                             unsigned headerBitmapId, COVXIF& ovxIf)
    : CWizardBaseSheet(captionId, selectPage, watermarkBitmapId, headerBitmapId),
      m_pageMakeInfo(ovxIf),
      m_pagePrograms{{
          {ovxIf, 14011, 14041, 0},   // positioning, rapid traverse
          {ovxIf, 14002, 14041, 2},   // time constant, rapid traverse
          {ovxIf, 14011, 14005, 1},   // positioning, cutting feed
          {ovxIf, 14002, 14005, 3},   // time constant, cutting feed
          {ovxIf, 14032, 14005, 4},   // lost motion
          {ovxIf, 14036, 14005, 5},   // feed-forward
          {ovxIf, 14027, 14005, 6},   // inertia ratio
          {ovxIf, 14033, 14010, 7},   // circular lost motion 2, variant 1
          {ovxIf, 14033, 14044, 8},   // circular lost motion 2, variant 2
          {ovxIf, 14034, 14010, 9},   // circular lost motion 3, variant 1
          {ovxIf, 14034, 14044, 10},  // circular lost motion 3, variant 2
      }},
      m_ovxIf(ovxIf) {
  m_bMinimizeBox = 0;
}

CProgramPage& CProgramSheet::ProgramPage(int kind) {
  const auto page = std::find_if(m_pagePrograms.begin(), m_pagePrograms.end(),
                                 [kind](const CProgramPage& p) { return p.m_nKind == kind; });
  if (page == m_pagePrograms.end()) throw std::out_of_range("no program page of kind " + std::to_string(kind));
  return *page;
}

std::wstring CProgramSheet::GetProgramFolder() const { return ProjectFolderPath(m_pageProject.m_strProject); }

// ---- run sequence

void CProgramSheet::Execute() {
  m_psh.dwFlags &= ~kPshHasHelp;
  AddPage(&m_pageProject);
  AddPage(&m_pageMakeInfo);
  AddPage(&m_pageSelProg);
  for (CProgramPage& page : m_pagePrograms) AddPage(&page);
  AddPage(&m_pageProgramReq);
  if (ReadMachine()) {
    CheckController();
  } else {
    ShowMessage(kMsgNoMachine, MsgIcon::Warning);
  }
  DoModal();
}

// The planes are read only when the axes were.
bool CProgramSheet::ReadMachine() { return m_pageMakeInfo.MakeAxisInfo() != 0 && m_pageMakeInfo.MakePlaneInfo() != 0; }

// The messages only warn: the wizard is shown whatever they say.
void CProgramSheet::CheckController() {
  int32_t type = -1;
  if (GetNcType(m_ovxIf, type) != 0 || (type != kNcTypeOvx && type != kNcTypeOther)) {
    ShowMessageText(kNcTypeNotFound, MsgIcon::Error);
    return;
  }
  if (type != kNcTypeOvx) return;
  int32_t status = 0;
  m_ovxIf.CheckNcStatusForOVXFunction(0, &status);
  if (status != 0) return;
  std::wstring ovx;
  if (GetInformationText(m_ovxIf, "OVX", 0, ovx) != 0) {
    ShowMessage(kMsgNoOvxInfo, MsgIcon::Error);
  } else if (ovx.empty()) {
    ShowMessage(kMsgEmptyOvx, MsgIcon::Error);
  }
}

// ---- buttons

void CProgramSheet::OnPageActivate() {
  if (ActivePagePlace() == PagePlace::Last) {
    PostWizardButtons(kWizBack | kWizFinish);
    return;
  }
  CWizardBaseSheet::OnPageActivate();
}

// ---- Next

LRESULT CProgramSheet::OnPageNext() {
  CWaitCursor wait;
  CPropertyPage* active = GetActivePage();
  active->UpdateData(TRUE);
  if (active == &m_pageProject) return NextFromProject() ? 0 : -1;
  if (active == &m_pageMakeInfo) {
    NextFromMachine();
    return 0;
  }
  if (active == &m_pageProgramReq) return 0;
  WalkPosition from;
  const CProgramInfo* source = nullptr;
  if (CProgramPage* page = ActiveProgramPage()) {
    from = {page->m_nKind, page->m_nCurrent};
    source = &page->m_aryProgram.at(static_cast<std::size_t>(page->m_nCurrent));
    m_nAxisCount = static_cast<int32_t>(page->m_aryAxisName.size());
  }
  ShowWalkEnd(WalkNext(from, Counts(), SelectedQuery()), source);
  return -1;
}

// A Finish of the project that a dead process cut short is finished or
// undone first. Whatever was found is told on the project page, which stays
// so that the user reads it; the next Next finds nothing and goes on.
bool CProgramSheet::NextFromProject() {
  const std::wstring folder = GetProgramFolder();
  const ProjectRecovery recovery = RecoverProject(folder);
  if (!recovery.sentence.empty()) {
    m_pageProject.ShowReason(recovery.sentence);
    return false;
  }
  ReadProjectFile(folder, m_pageMakeInfo.m_nFixedMachineType, m_pageMakeInfo.m_nFixedGCodeNumber);
  return true;
}

// Rebuilds everything that depends on the machine: the pages' axis labels,
// the program records of every kind (reading what the project holds), the
// NC's values in them and the plane table. The current choices become the
// project's, so that Finish saves them.
void CProgramSheet::NextFromMachine() {
  UpdateData(TRUE);
  CMakeInfoPage& machine = m_pageMakeInfo;
  machine.m_nFixedMachineType = machine.m_nMachineType;
  machine.m_nFixedGCodeNumber = machine.m_nGCodeNumber;
  for (CProgramPage& page : m_pagePrograms) page.SetAxisLabels(machine.m_aryAxisName);
  const std::wstring folder = GetProgramFolder();
  ProgramLists lists{};
  for (int kind = 0; kind < kProgramKindCount; ++kind) {
    CProgramInfoAry& records = Programs(kind);
    records.Init(kind, machine.m_nMachineType, folder, machine.m_aryAxisName, machine.m_aryPlaneName);
    lists[static_cast<std::size_t>(kind)] = &records;
  }
  if (machine.m_bAxisInfoOK == 1) FillMachineValues(m_ovxIf, machine.m_aryAxisName, lists);
  m_aryPlane.Rebuild(m_ovxIf, machine.m_aryPlaneName, machine.m_aryPlaneAxis);
}

// ---- Back

LRESULT CProgramSheet::OnPageBack() {
  CWaitCursor wait;
  CPropertyPage* active = GetActivePage();
  active->UpdateData(TRUE);
  if (active == &m_pageProject || active == &m_pageMakeInfo || active == &m_pageSelProg) return 0;
  WalkPosition from{kWalkRequestPage, 0};
  const CProgramInfo* source = nullptr;
  if (CProgramPage* page = ActiveProgramPage()) {
    from = {page->m_nKind, page->m_nCurrent};
    source = &page->m_aryProgram.at(static_cast<std::size_t>(page->m_nCurrent));
  }
  ShowWalkEnd(WalkBack(from, Counts(), SelectedQuery()), source);
  return -1;
}

// ---- the walks' shared parts

CProgramPage* CProgramSheet::ActiveProgramPage() {
  for (CProgramPage& page : m_pagePrograms) {
    if (GetActivePage() == &page) return &page;
  }
  return nullptr;
}

WalkCounts CProgramSheet::Counts() const {
  WalkCounts counts;
  counts.axes = static_cast<int>(m_pageMakeInfo.m_aryAxisName.size());
  counts.planes = static_cast<int>(m_pageMakeInfo.m_aryPlaneName.size());
  counts.sheetAxisCount = m_nAxisCount;
  return counts;
}

RecordSelected CProgramSheet::SelectedQuery() {
  return [this](int kind, int& index) { return ProgramPage(kind).QueryProgram(index) != 0; };
}

void CProgramSheet::ShowWalkEnd(const WalkPosition& end, const CProgramInfo* source) {
  if (end.page == kWalkRequestPage) {
    SetActivePage(&m_pageProgramReq);
    return;
  }
  if (end.page == kWalkSelectionPage) {
    SetActivePage(&m_pageSelProg);
    return;
  }
  CProgramPage& page = ProgramPage(end.page);
  page.m_nCurrent = end.index;
  if (source != nullptr) {
    const CProgramAxisInfoAry axes = source->m_aryAxis;
    page.m_aryProgram.at(static_cast<std::size_t>(end.index)).m_aryAxis = axes;
  }
  SetActivePage(&page);
}

// ---- Finish

// Writes the selected programs of every kind and then the project file, all
// or none (ProjectCommit.h). On a fault every file of the project keeps what
// it held, the message names the file that could not be written and why,
// and the wizard stays open.
BOOL CProgramSheet::OnPageFinish() {
  const CMakeInfoPage& machine = m_pageMakeInfo;
  std::vector<SavedPrograms> lists;
  for (const SavedKind& saved : kSavedKinds) {
    lists.push_back({&Programs(saved.kind), saved.byPlane ? &machine.m_aryPlaneName : &machine.m_aryAxisName});
  }
  const FileFault fault = WriteProject(GetProgramFolder(), machine.m_nMachineType, lists,
                                       {machine.m_nFixedMachineType, machine.m_nFixedGCodeNumber});
  if (!fault.ok()) {
    ShowMessage(kMsgNotWritten, NotWrittenText(fault), MsgIcon::Error);
    return FALSE;
  }
  return TRUE;
}

}  // namespace pf
