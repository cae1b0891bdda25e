// The program page (see ProgramPage.h).
//
// Setting the text of a single-line edit raises its change notification, as
// typing does: the activation relies on it. Every text it puts into 35045,
// 35032, 35008 or 35028 is stored back into the record and re-estimates the
// sampling time, so that after an activation 35031, m_strSmpTime and
// m_strSmpTime2 hold the estimate of the stored parameters. The file
// editor is multi-line: setting its text raises nothing.
#include "pages/page/ProgramPage.h"

#include <algorithm>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "pages/CircleAxes.h"
#include "pages/ProgramCreation.h"
#include "pages/ProgramFileList.h"
#include "pages/ProgramPageIds.h"
#include "pages/ProgramPageRules.h"
#include "pages/SamplingEstimate.h"
#include "pages/TrialRun.h"
#include "pages/page/AxisGrid.h"
#include "pages/page/BackendWaitCursor.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ShownMotion.h"
#include "program/MoveNames.h"
#include "program/ProgramKinds.h"
#include "res/styles.h"
#include "ui/DataExchange.h"
#include "ui/UiBackend.h"
#include "wizard/base/WizardBaseSheet.h"
#include "wizard/base/WizardData.h"

namespace pf {
namespace {

constexpr unsigned kProgramPageTemplate = 2506;

enum ProgramPageString : unsigned {
  kAxisHeading = 14004,   // "%s": the axis label
  kPlaneHeading = 14038,  // "%s": the plane label
  kAskRegenerate = 14042,
  kAskCancel = 14043,
  kAskTrialRun = 12564,
};

constexpr unsigned kGridStyle = PF_WS_CHILD | PF_WS_VISIBLE | PF_WS_GROUP | PF_WS_TABSTOP;

// The controls that only the circle kinds use: shown and enabled for them.
constexpr int kCircleControls[] = {kIdcRadius, kIdcRadiusLabel, kIdcClockwise, kIdcCounterClockwise};
constexpr int kFeedControls[] = {kIdcFeed, kIdcFeedLabel};

}  // namespace

CProgramPage::FocusedControl CProgramPage::s_focus;
unsigned CProgramPage::s_hintId = 0;

CProgramPage::CProgramPage(COVXIF& ovxIf, unsigned headerTitleId, unsigned headerSubtitleId, int kind)
    : CWizardBasePage(kProgramPageTemplate, 0, headerTitleId, headerSubtitleId), m_nKind(kind), m_ovxIf(ovxIf) {}

void CProgramPage::SetAxisLabels(const std::vector<std::wstring>& labels) {
  m_aryAxisName.clear();
  m_aryAxisName.insert(m_aryAxisName.end(), labels.begin(), labels.end());
}

int CProgramPage::QueryProgram(int& index) {
  const int count = static_cast<int>(m_aryProgram.size());
  if (index < 0) {
    index = 0;
  } else if (index >= count) {
    index = count - 1;
  }
  return m_aryProgram.at(static_cast<std::size_t>(index)).m_bSaveFiles;
}

const MessageMap* CProgramPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(kIdcFileList, Notify::SelChange, &CProgramPage::OnSelchangeFileList),
      MapCommand(kIdcFileText, Notify::Change, &CProgramPage::OnChangeFileText),
      MapCommand(kIdcDistance, Notify::Change, &CProgramPage::OnChangeDistance),
      MapCommand(kIdcFeed, Notify::Change, &CProgramPage::OnChangeFeed),
      MapCommand(kIdcDwell, Notify::Change, &CProgramPage::OnChangeDwell),
      MapCommand(kIdcRadius, Notify::Change, &CProgramPage::OnChangeRadius),
      MapCommand(kIdcSmpTime, Notify::Change, &CProgramPage::OnChangeSmpTime),
      MapCommand(kIdcDwellCheck, Notify::Clicked, &CProgramPage::OnClickDwellCheck),
      MapCommand(kIdcClockwise, Notify::Clicked, &CProgramPage::OnClickClockwise),
      MapCommand(kIdcCounterClockwise, Notify::Clicked, &CProgramPage::OnClickCounterClockwise),
      MapNotify(kIdcAxisGrid, Notify::EndLabelEdit, &CProgramPage::OnEndEditAxisGrid),
      MapCommand(kIdcCreate, Notify::Clicked, &CProgramPage::OnCreate),
      MapCommand(kIdcTrialRun, Notify::Clicked, &CProgramPage::OnTrialRun),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CProgramPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Check(pDX, kIdcDwellCheck, m_bDwellFlag);
  DDX_Control(pDX, kIdcFileList, m_listFile);
  DDX_Control(pDX, kIdcFileText, m_editFile);
  DDX_Radio(pDX, kIdcClockwise, m_nCircleDir);
}

BOOL CProgramPage::OnInitDialog() {
  CWizardBasePage::OnInitDialog();
  if (HasDlgItem(kIdcGridPlace)) {
    m_gridAxis.Create(GetDlgItem(kIdcGridPlace).GetRectInParent(), this, kIdcAxisGrid, kGridStyle);
    PlaceDlgItemAfter(kIdcAxisGrid, kIdcGridPlace);
  }
  for (const InputLimit& limit : kProgramPageInputLimits) {
    GetDlgItem(limit.id).LimitText(limit.maxChars);
  }
  return TRUE;
}

// ---- activation

BOOL CProgramPage::OnSetActive() {
  const BOOL result = CWizardBasePage::OnSetActive();
  s_focus = FocusedControl();
  s_hintId = 0;
  SetDlgItemText(kIdcHeading, Format(LoadResString(kAxisHeading), AxisLabel()));
  const CProgramInfo& program = CurrentProgram();
  SetDlgItemText(kIdcDistance, program.m_strDistance);
  SetDlgItemText(kIdcSmpTime, program.m_strSmpTime);
  ShowAxisLimits();
  ApplyDwellRule();
  ShowFeed();
  if (IsCircleKind(m_nKind)) ShowCircle();
  FillFileList();
  GetDlgItem(kIdcTrialRun)
      .EnableWindow(!ListedFile(0).m_strText.empty() && Machine().m_bAxisInfoOK == 1 ? TRUE : FALSE);
  FillGrid();
  UpdateHint();
  UpdateFileState();
  return result;
}

void CProgramPage::ShowAxisLimits() {
  if (!GetProgramPageKindRule(m_nKind).showsAxisLimits) return;
  const CProgramInfo& program = CurrentProgram();
  for (const ControlText& text : AxisLimitTexts(AxisLabel(), program.m_strLimitMinus, program.m_strLimitPlus)) {
    SetDlgItemText(text.id, text.text);
  }
  for (int id : kSecondAxisRow) GetDlgItem(id).ShowWindow(kSwHide);
}

// The check box as the kind has it (its check state from the record's dwell
// mode for the kinds that take it from there), the dwell flag and mode the
// kind wants; then the dwell time, editable only while the flag is on.
void CProgramPage::ApplyDwellRule() {
  const ProgramPageKindRule& rule = GetProgramPageKindRule(m_nKind);
  CProgramInfo& program = CurrentProgram();
  m_bDwellFlag = program.m_bDwell;
  CDlgItem check = GetDlgItem(kIdcDwellCheck);
  if (rule.checkBox != DwellCheckBox::kShown) check.EnableWindow(FALSE);
  check.ShowWindow(rule.checkBox == DwellCheckBox::kHidden ? kSwHide : kSwShow);
  if (rule.checkFromFlag) CheckDlgButton(kIdcDwellCheck, m_bDwellFlag);
  m_bDwellFlag = DwellFlagAfterActivation(m_nKind, m_bDwellFlag);
  program.m_bDwell = DwellModeAfterActivation(m_nKind, program.m_bDwell);
  if (rule.dwellEditCleared) {
    SetDlgItemText(kIdcDwell, L"");
    GetDlgItem(kIdcDwell).EnableWindow(FALSE);
  }
  SetDlgItemText(kIdcDwell, program.m_strDwell);
  GetDlgItem(kIdcDwell).EnableWindow(m_bDwellFlag == 1 ? TRUE : FALSE);
}

void CProgramPage::ShowFeed() {
  if (!GetProgramPageKindRule(m_nKind).feedShown) return;
  SetDlgItemText(kIdcFeed, CurrentProgram().m_strFeed);
  for (int id : kFeedControls) {
    GetDlgItem(id).EnableWindow(TRUE);
    GetDlgItem(id).ShowWindow(kSwShow);
  }
}

// A circle program has a radius and a direction instead of a distance, and
// its heading, axes and stroke ends are the plane's.
void CProgramPage::ShowCircle() {
  SetDlgItemText(kIdcDistance, L"");
  GetDlgItem(kIdcDistance).EnableWindow(FALSE);
  SetDlgItemText(kIdcRadius, CurrentProgram().m_strRadius);
  for (int id : kCircleControls) {
    GetDlgItem(id).EnableWindow(TRUE);
    GetDlgItem(id).ShowWindow(kSwShow);
  }
  m_nCircleDir = CurrentProgram().m_nCircleDir;
  UpdateData(FALSE);
  SetDlgItemText(kIdcHeading, Format(LoadResString(kPlaneHeading), PlaneLabel()));
  for (const ControlText& text : PlaneAxesTexts(GetWizardData().Planes(), PlaneLabel())) {
    SetDlgItemText(text.id, text.text);
  }
  for (int id : kSecondAxisRow) GetDlgItem(id).ShowWindow(kSwHide);
  m_aryCircleAxis = GetCircleAxisLabels(m_ovxIf, PlaneLabel());
}

// Lists the files that the machine type shows and selects the first.
void CProgramPage::FillFileList() {
  const CProgramInfo& program = CurrentProgram();
  m_aryListedFile = ListedFileNumbers(program, Machine().m_nMachineType);
  m_listFile.ResetContent();
  for (int file : m_aryListedFile) {
    m_listFile.AddString(program.at(static_cast<std::size_t>(file)).m_strTitle);
  }
  ShowFirstFile();
}

void CProgramPage::ShowFirstFile() {
  m_listFile.SetCurSel(0);
  SetDlgItemText(kIdcFileText, ListedFile(0).m_strText);
}

void CProgramPage::FillGrid() {
  const std::wstring& label = IsCircleKind(m_nKind) ? m_aryCircleAxis.at(0) : AxisLabel();
  FillAxisGrid(m_gridAxis, GetDpi(), Machine().m_aryAxisName, SystemDigit(label), CurrentProgram().m_aryAxis);
}

// ---- hint line, Next, estimate

void CProgramPage::PreTranslateMessage() { UpdateHint(); }

void CProgramPage::UpdateHint() {
  const FocusedControl focus{this, GetFocusId()};
  if (focus == s_focus) return;
  s_focus = focus;
  if (focus.id == 0) return;
  const unsigned hintId = HintStringId(focus.id, m_gridAxis.GetFocusColumn());
  if (hintId == s_hintId) return;
  s_hintId = hintId;
  SetDlgItemText(kIdcHint, hintId == 0 ? std::wstring() : LoadResString(hintId));
}

// Next once every file has text; Trial run while the selected file has
// text and the axes came from the NC.
void CProgramPage::UpdateNextState() {
  const CProgramInfo& program = CurrentProgram();
  const bool complete =
      std::all_of(program.begin(), program.end(), [](const CProgramData& file) { return !file.m_strText.empty(); });
  const int selected = m_listFile.GetCurSel();
  const bool selectedOk = selected != kLbErr && !ListedFile(selected).m_strText.empty();
  GetWizardSheet().SetNextEnable(complete ? TRUE : FALSE);
  GetDlgItem(kIdcTrialRun).EnableWindow(selectedOk && Machine().m_bAxisInfoOK == 1 ? TRUE : FALSE);
}

void CProgramPage::RunEstimate() {
  SamplingFields fields;
  fields.distance = GetDlgItemText(kIdcDistance);
  fields.dwell = GetDlgItemText(kIdcDwell);
  fields.feed = GetDlgItemText(kIdcFeed);
  fields.radius = GetDlgItemText(kIdcRadius);
  fields.dwellChecked = IsDlgButtonChecked(kIdcDwellCheck) == kBstChecked;
  const SamplingTimes times = EstimateFromFields(
      m_nKind, fields, [this] { return RememberRapidSpeed(ReadRapidSpeed(m_ovxIf, m_nCurrent)); });
  SetDlgItemText(kIdcSmpTime, FormatSamplingTime(times.first));
  CurrentProgram().m_strSmpTime2 = FormatSamplingTime(times.second);
}

double CProgramPage::RememberRapidSpeed(double speed) {
  std::vector<double>& speeds = GetWizardData().RapidSpeeds();
  const auto axis = static_cast<std::size_t>(m_nCurrent);
  if (speeds.size() <= axis) speeds.resize(axis + 1, 0.0);
  speeds[axis] = speed;
  return speed;
}

void CProgramPage::UpdateFileState() {
  UpdateNextState();
  UpdateMotion();
}

// The verdict is the whole program's; the picture is the selected file's.
void CProgramPage::UpdateMotion() {
  const int selected = m_listFile.GetCurSel();
  const int file = selected == kLbErr ? -1 : m_aryListedFile.at(static_cast<std::size_t>(selected));
  ShowProgramMotion(*this, GetWizardData(), m_nKind, m_nCurrent, file);
}

// ---- handlers

void CProgramPage::OnSelchangeFileList() {
  const int selected = m_listFile.GetCurSel();
  if (selected != kLbErr) SetDlgItemText(kIdcFileText, ListedFile(selected).m_strText);
  UpdateFileState();
}

void CProgramPage::OnChangeFileText() {
  const int selected = m_listFile.GetCurSel();
  if (selected != kLbErr) ListedFile(selected).TakeText(GetDlgItemText(kIdcFileText));
  UpdateFileState();
}

void CProgramPage::OnChangeDistance() {
  CurrentProgram().m_strDistance = GetDlgItemText(kIdcDistance);
  RunEstimate();
}

void CProgramPage::OnChangeFeed() {
  CurrentProgram().m_strFeed = GetDlgItemText(kIdcFeed);
  RunEstimate();
}

void CProgramPage::OnChangeDwell() {
  CurrentProgram().m_strDwell = GetDlgItemText(kIdcDwell);
  RunEstimate();
}

void CProgramPage::OnChangeRadius() {
  CurrentProgram().m_strRadius = GetDlgItemText(kIdcRadius);
  RunEstimate();
}

void CProgramPage::OnChangeSmpTime() { CurrentProgram().m_strSmpTime = GetDlgItemText(kIdcSmpTime); }

void CProgramPage::OnClickDwellCheck() {
  UpdateData(TRUE);
  CurrentProgram().m_bDwell = m_bDwellFlag;
  GetDlgItem(kIdcDwell).EnableWindow(m_bDwellFlag == 1 ? TRUE : FALSE);
  RunEstimate();
}

void CProgramPage::OnClickClockwise() {
  CurrentProgram().m_nCircleDir = IsDlgButtonChecked(kIdcClockwise) == kBstChecked ? 0 : 1;
}

void CProgramPage::OnClickCounterClockwise() {
  CurrentProgram().m_nCircleDir = IsDlgButtonChecked(kIdcCounterClockwise) == kBstChecked ? 1 : 0;
}

LRESULT CProgramPage::OnEndEditAxisGrid(const NotifyInfo& info) {
  EndAxisGridEdit(m_gridAxis, info.row, info.column, Machine().m_aryAxisName, CurrentProgram().m_aryAxis);
  UpdateMotion();
  return 0;
}

// Generates the text of every listed file, after asking before replacing
// text that the editor shows; afterwards the first file is shown again. A
// file that cannot be made keeps the page incomplete.
void CProgramPage::OnCreate() {
  CWaitCursor wait;
  const bool ask = !GetDlgItemText(kIdcFileText).empty();
  if (!ask || ShowMessage(kAskRegenerate, MsgIcon::Question, MsgButtons::YesNo) == kAnswerYes) {
    if (!CreateProgramFiles(m_ovxIf, MakeCreationRequest(), CurrentProgram())) {
      UpdateFileState();
      return;
    }
  }
  ShowFirstFile();
  UpdateFileState();
}

CreationRequest CProgramPage::MakeCreationRequest() const {
  const CMakeInfoPage& machine = Machine();
  CreationRequest request;
  request.machine =
      MakeAxisNameSource(machine.m_aryAxisName, machine.m_aryIncAxis, machine.m_nMachineType, machine.m_nGCodeNumber);
  request.kind = m_nKind;
  request.currentIndex = m_nCurrent;
  request.circleAxisLabels = m_aryCircleAxis;
  request.fileNumbers = m_aryListedFile;
  return request;
}

void CProgramPage::OnTrialRun() {
  if (ShowMessage(kAskTrialRun, MsgIcon::Question, MsgButtons::YesNo) != kAnswerYes) return;
  BackendWaitCursor cursor;
  RunTrial(m_ovxIf, GetDlgItemText(kIdcFileText), AxisLabel(), cursor);
}

BOOL CProgramPage::OnQueryCancel() {
  return ShowMessage(kAskCancel, MsgIcon::Question, MsgButtons::YesNo, 1) == kAnswerYes ? TRUE : FALSE;
}

// ---- lookups

CMakeInfoPage& CProgramPage::Machine() const { return GetWizardData().MachineInfo(); }

CProgramInfo& CProgramPage::CurrentProgram() { return m_aryProgram.at(static_cast<std::size_t>(m_nCurrent)); }

CProgramData& CProgramPage::ListedFile(int position) {
  return CurrentProgram().at(static_cast<std::size_t>(m_aryListedFile.at(static_cast<std::size_t>(position))));
}

const std::wstring& CProgramPage::AxisLabel() const {
  return Machine().m_aryAxisName.at(static_cast<std::size_t>(m_nCurrent));
}

const std::wstring& CProgramPage::PlaneLabel() const {
  return Machine().m_aryPlaneName.at(static_cast<std::size_t>(m_nCurrent));
}

}  // namespace pf
