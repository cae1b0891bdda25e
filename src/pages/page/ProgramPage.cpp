// The program page (see ProgramPage.h).
//
// Setting the text of a single-line edit raises its change notification, as
// typing does: the activation relies on it. Every text it puts into
// PF_IDC_DISTANCE, PF_IDC_FEED, PF_IDC_DWELL or PF_IDC_RADIUS is stored back
// into the record and re-estimates the sampling time, so that after an
// activation PF_IDC_SMP_TIME, m_strSmpTime and m_strSmpTime2 hold the estimate
// of the stored parameters. The file editor is multi-line: setting its text
// raises nothing.
#include "pages/page/ProgramPage.h"

#include <algorithm>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "pages/CircleAxes.h"
#include "pages/ProgramCreation.h"
#include "pages/ProgramFileList.h"
#include "pages/ProgramPageRules.h"
#include "pages/SamplingEstimate.h"
#include "pages/TrialRun.h"
#include "pages/page/AxisGrid.h"
#include "pages/page/BackendWaitCursor.h"
#include "pages/page/MakeInfoPage.h"
#include "pages/page/ShownMotion.h"
#include "program/MoveNames.h"
#include "program/ProgramKinds.h"
#include "res/controls.h"
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
constexpr int kCircleControls[] = {PF_IDC_RADIUS, PF_IDC_RADIUS_LABEL, PF_IDC_CLOCKWISE, PF_IDC_COUNTER_CLOCKWISE};
constexpr int kFeedControls[] = {PF_IDC_FEED, PF_IDC_FEED_LABEL};
// The second stroke-end row, which stays hidden on every kind.
constexpr int kSecondAxisRow[] = {PF_IDC_AXIS2, PF_IDC_MINUS2, PF_IDC_PLUS2, PF_IDC_MINUS_LABEL2, PF_IDC_PLUS_LABEL2};

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
      MapCommand(PF_IDC_FILE_LIST, Notify::SelChange, &CProgramPage::OnSelchangeFileList),
      MapCommand(PF_IDC_PROGRAM_TEXT, Notify::Change, &CProgramPage::OnChangeFileText),
      MapCommand(PF_IDC_DISTANCE, Notify::Change, &CProgramPage::OnChangeDistance),
      MapCommand(PF_IDC_FEED, Notify::Change, &CProgramPage::OnChangeFeed),
      MapCommand(PF_IDC_DWELL, Notify::Change, &CProgramPage::OnChangeDwell),
      MapCommand(PF_IDC_RADIUS, Notify::Change, &CProgramPage::OnChangeRadius),
      MapCommand(PF_IDC_SMP_TIME, Notify::Change, &CProgramPage::OnChangeSmpTime),
      MapCommand(PF_IDC_DWELL_CHECK, Notify::Clicked, &CProgramPage::OnClickDwellCheck),
      MapCommand(PF_IDC_CLOCKWISE, Notify::Clicked, &CProgramPage::OnClickClockwise),
      MapCommand(PF_IDC_COUNTER_CLOCKWISE, Notify::Clicked, &CProgramPage::OnClickCounterClockwise),
      MapNotify(PF_IDC_AXIS_GRID, Notify::EndLabelEdit, &CProgramPage::OnEndEditAxisGrid),
      MapCommand(PF_IDC_CREATE, Notify::Clicked, &CProgramPage::OnCreate),
      MapCommand(PF_IDC_TRIAL_RUN, Notify::Clicked, &CProgramPage::OnTrialRun),
  };
  static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
  return &kMap;
}

void CProgramPage::DoDataExchange(CDataExchange* pDX) {
  CWizardBasePage::DoDataExchange(pDX);
  DDX_Check(pDX, PF_IDC_DWELL_CHECK, m_bDwellFlag);
  DDX_Control(pDX, PF_IDC_FILE_LIST, m_listFile);
  DDX_Control(pDX, PF_IDC_PROGRAM_TEXT, m_editFile);
  DDX_Radio(pDX, PF_IDC_CLOCKWISE, m_nCircleDir);
}

BOOL CProgramPage::OnInitDialog() {
  CWizardBasePage::OnInitDialog();
  if (HasDlgItem(PF_IDC_GRID_PLACE)) {
    m_gridAxis.Create(GetDlgItem(PF_IDC_GRID_PLACE).GetRectInParent(), this, PF_IDC_AXIS_GRID, kGridStyle);
    PlaceDlgItemAfter(PF_IDC_AXIS_GRID, PF_IDC_GRID_PLACE);
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
  SetDlgItemText(PF_IDC_HEADING, Format(LoadResString(kAxisHeading), AxisLabel()));
  const CProgramInfo& program = CurrentProgram();
  SetDlgItemText(PF_IDC_DISTANCE, program.m_strDistance);
  SetDlgItemText(PF_IDC_SMP_TIME, program.m_strSmpTime);
  ShowAxisLimits();
  ApplyDwellRule();
  ShowFeed();
  if (IsCircleKind(m_nKind)) ShowCircle();
  FillFileList();
  GetDlgItem(PF_IDC_TRIAL_RUN)
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
  CDlgItem check = GetDlgItem(PF_IDC_DWELL_CHECK);
  if (rule.checkBox != DwellCheckBox::kShown) check.EnableWindow(FALSE);
  check.ShowWindow(rule.checkBox == DwellCheckBox::kHidden ? kSwHide : kSwShow);
  if (rule.checkFromFlag) CheckDlgButton(PF_IDC_DWELL_CHECK, m_bDwellFlag);
  m_bDwellFlag = DwellFlagAfterActivation(m_nKind, m_bDwellFlag);
  program.m_bDwell = DwellModeAfterActivation(m_nKind, program.m_bDwell);
  if (rule.dwellEditCleared) {
    SetDlgItemText(PF_IDC_DWELL, L"");
    GetDlgItem(PF_IDC_DWELL).EnableWindow(FALSE);
  }
  SetDlgItemText(PF_IDC_DWELL, program.m_strDwell);
  GetDlgItem(PF_IDC_DWELL).EnableWindow(m_bDwellFlag == 1 ? TRUE : FALSE);
}

void CProgramPage::ShowFeed() {
  if (!GetProgramPageKindRule(m_nKind).feedShown) return;
  SetDlgItemText(PF_IDC_FEED, CurrentProgram().m_strFeed);
  for (int id : kFeedControls) {
    GetDlgItem(id).EnableWindow(TRUE);
    GetDlgItem(id).ShowWindow(kSwShow);
  }
}

// A circle program has a radius and a direction instead of a distance, and
// its heading, axes and stroke ends are the plane's.
void CProgramPage::ShowCircle() {
  SetDlgItemText(PF_IDC_DISTANCE, L"");
  GetDlgItem(PF_IDC_DISTANCE).EnableWindow(FALSE);
  SetDlgItemText(PF_IDC_RADIUS, CurrentProgram().m_strRadius);
  for (int id : kCircleControls) {
    GetDlgItem(id).EnableWindow(TRUE);
    GetDlgItem(id).ShowWindow(kSwShow);
  }
  m_nCircleDir = CurrentProgram().m_nCircleDir;
  UpdateData(FALSE);
  SetDlgItemText(PF_IDC_HEADING, Format(LoadResString(kPlaneHeading), PlaneLabel()));
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
  SetDlgItemText(PF_IDC_PROGRAM_TEXT, ListedFile(0).m_strText);
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
  SetDlgItemText(PF_IDC_HINT, hintId == 0 ? std::wstring() : LoadResString(hintId));
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
  GetDlgItem(PF_IDC_TRIAL_RUN).EnableWindow(selectedOk && Machine().m_bAxisInfoOK == 1 ? TRUE : FALSE);
}

void CProgramPage::RunEstimate() {
  SamplingFields fields;
  fields.distance = GetDlgItemText(PF_IDC_DISTANCE);
  fields.dwell = GetDlgItemText(PF_IDC_DWELL);
  fields.feed = GetDlgItemText(PF_IDC_FEED);
  fields.radius = GetDlgItemText(PF_IDC_RADIUS);
  fields.dwellChecked = IsDlgButtonChecked(PF_IDC_DWELL_CHECK) == kBstChecked;
  const SamplingTimes times = EstimateFromFields(
      m_nKind, fields, [this] { return RememberRapidSpeed(ReadRapidSpeed(m_ovxIf, m_nCurrent)); });
  SetDlgItemText(PF_IDC_SMP_TIME, FormatSamplingTime(times.first));
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
  if (selected != kLbErr) SetDlgItemText(PF_IDC_PROGRAM_TEXT, ListedFile(selected).m_strText);
  UpdateFileState();
}

void CProgramPage::OnChangeFileText() {
  const int selected = m_listFile.GetCurSel();
  if (selected != kLbErr) ListedFile(selected).TakeText(GetDlgItemText(PF_IDC_PROGRAM_TEXT));
  UpdateFileState();
}

void CProgramPage::OnChangeDistance() {
  CurrentProgram().m_strDistance = GetDlgItemText(PF_IDC_DISTANCE);
  RunEstimate();
}

void CProgramPage::OnChangeFeed() {
  CurrentProgram().m_strFeed = GetDlgItemText(PF_IDC_FEED);
  RunEstimate();
}

void CProgramPage::OnChangeDwell() {
  CurrentProgram().m_strDwell = GetDlgItemText(PF_IDC_DWELL);
  RunEstimate();
}

void CProgramPage::OnChangeRadius() {
  CurrentProgram().m_strRadius = GetDlgItemText(PF_IDC_RADIUS);
  RunEstimate();
}

void CProgramPage::OnChangeSmpTime() { CurrentProgram().m_strSmpTime = GetDlgItemText(PF_IDC_SMP_TIME); }

void CProgramPage::OnClickDwellCheck() {
  UpdateData(TRUE);
  CurrentProgram().m_bDwell = m_bDwellFlag;
  GetDlgItem(PF_IDC_DWELL).EnableWindow(m_bDwellFlag == 1 ? TRUE : FALSE);
  RunEstimate();
}

void CProgramPage::OnClickClockwise() {
  CurrentProgram().m_nCircleDir = IsDlgButtonChecked(PF_IDC_CLOCKWISE) == kBstChecked ? 0 : 1;
}

void CProgramPage::OnClickCounterClockwise() {
  CurrentProgram().m_nCircleDir = IsDlgButtonChecked(PF_IDC_COUNTER_CLOCKWISE) == kBstChecked ? 1 : 0;
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
  const bool ask = !GetDlgItemText(PF_IDC_PROGRAM_TEXT).empty();
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
  RunTrial(m_ovxIf, GetDlgItemText(PF_IDC_PROGRAM_TEXT), AxisLabel(), cursor);
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
