// The proof's wizard pages: seam code only, as the module's pages are.
#include "ProofPages.h"

#include <vector>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "res/controls.h"
#include "res/styles.h"
#include "ui/PropertySheet.h"
#include "ui/UiBackend.h"

namespace pf::proof {
namespace {

constexpr int kSummaryCancelRefusals = 1;

struct StaticText {
  int controlId;
  const wchar_t* text;
};

// The two stroke-end rows of a circle program's axes.
constexpr StaticText kStrokeRows[] = {
    {PF_IDC_AXIS, L"$1-X"}, {PF_IDC_MINUS, L"-500.000"}, {PF_IDC_PLUS, L"500.000"},
    {PF_IDC_AXIS2, L"$1-Y"}, {PF_IDC_MINUS2, L"-300.000"}, {PF_IDC_PLUS2, L"300.000"},
};
constexpr int kSecondStrokeRow[] = {PF_IDC_AXIS2, PF_IDC_MINUS_LABEL2, PF_IDC_MINUS2, PF_IDC_PLUS_LABEL2, PF_IDC_PLUS2};

struct Hint {
  int controlId;
  unsigned stringId;
};

// The program page's hint line: the text for the focused control.
constexpr Hint kHints[] = {
    {PF_IDC_DISTANCE, 14026}, {PF_IDC_FEED, 14023}, {PF_IDC_DWELL_CHECK, 14017}, {PF_IDC_DWELL, 14018},
    {PF_IDC_RADIUS, 14021}, {PF_IDC_CLOCKWISE, 14016}, {PF_IDC_COUNTER_CLOCKWISE, 14016}, {PF_IDC_SMP_TIME, 14022},
    {PF_IDC_FILE_LIST, 14020}, {PF_IDC_PROGRAM_TEXT, 14020}, {PF_IDC_AXIS_GRID, 14024},
};

std::wstring HintFor(int controlId) {
  for (const Hint& hint : kHints) {
    if (hint.controlId == controlId) return LoadResString(hint.stringId);
  }
  return L"";
}

}  // namespace

// ---- 2509 program selection

BOOL SelectionProofPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const HTreeItem positioning = tree_.InsertItem(LoadResString(14011), 0, 0);
  tree_.InsertItem(L"$1-X", 0, 0, positioning);
  const HTreeItem y = tree_.InsertItem(L"$1-Y", 0, 0, positioning);
  const HTreeItem timeConstant = tree_.InsertItem(LoadResString(14002), 0, 0);
  tree_.InsertItem(L"$1-X", 0, 0, timeConstant);
  tree_.Expand(positioning, kTveExpand);
  tree_.Expand(timeConstant, kTveExpand);
  tree_.SetCheck(y, TRUE);
  return TRUE;
}

BOOL SelectionProofPage::OnSetActive() {
  GetParentSheet()->PostWizardButtons(kWizBack | kWizNext);
  return CPropertyPage::OnSetActive();
}

// The first Next fails as an index outside an array would: the toolkit
// abandons it and the sheet stays on the page. The next one warns, then goes.
LRESULT SelectionProofPage::OnWizardNext() {
  const int press = nextPresses_++;
  if (press == 0) return std::vector<LRESULT>().at(0);
  if (press == 1) ShowMessage(14003, MsgIcon::Warning);
  return 0;
}

const MessageMap* SelectionProofPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapNotify(PF_IDC_SELECTION_TREE, Notify::Click, &SelectionProofPage::OnClickTree),
      MapNotify(PF_IDC_SELECTION_TREE, Notify::TreeKeyDown, &SelectionProofPage::OnKeydownTree),
      MapNotify(PF_IDC_SELECTION_TREE, Notify::TreeSelChanged, &SelectionProofPage::OnSelchangedTree),
  };
  static const MessageMap kMap(CPropertyPage::GetMessageMap(), kEntries);
  return &kMap;
}

LRESULT SelectionProofPage::OnClickTree(const NotifyInfo& info) {
  unsigned flags = 0;
  const HTreeItem item = tree_.HitTest(info.pt, &flags);
  if (item != nullptr && (flags & kTvhtOnItemStateIcon) != 0) {
    SetDlgItemText(PF_IDC_SELECTION_WARNING, L"Check box of " + tree_.GetItemText(item));
  }
  return 0;
}

LRESULT SelectionProofPage::OnKeydownTree(const NotifyInfo& info) {
  SetDlgItemText(PF_IDC_SELECTION_WARNING, Format(L"Key %u", info.key));
  return 0;
}

LRESULT SelectionProofPage::OnSelchangedTree(const NotifyInfo& info) {
  SetDlgItemText(PF_IDC_SELECTION_WARNING, L"Selected " + tree_.GetItemText(info.itemNew));
  return 0;
}

// ---- 2506 program

BOOL ProgramProofPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  CListBox files(this, PF_IDC_FILE_LIST);
  files.AddString(L"G1Pos.eia");
  files.AddString(L"G1b.eia");
  SetDlgItemText(PF_IDC_PROGRAM_TEXT, L"%\r\nO0001\r\nG91 G28 X0.\r\nM30\r\n%");
  const Rect place = GetDlgItem(PF_IDC_GRID_PLACE).GetRectInParent();
  grid_.CreateChild(this, PF_IDC_AXIS_GRID, place,
                    PF_WS_CHILD | PF_WS_VISIBLE | PF_WS_TABSTOP | PF_WS_GROUP | PF_WS_BORDER);
  PlaceDlgItemAfter(PF_IDC_AXIS_GRID, PF_IDC_GRID_PLACE);
  for (const StaticText& row : kStrokeRows) SetDlgItemText(row.controlId, row.text);
  for (int id : kSecondStrokeRow) GetDlgItem(id).ShowWindow(kSwShow);
  return TRUE;
}

BOOL ProgramProofPage::OnSetActive() {
  GetParentSheet()->PostWizardButtons(kWizBack | kWizNext);
  return CPropertyPage::OnSetActive();
}

LRESULT ProgramProofPage::OnWizardBack() { return 2505; }

// The program sheet's way: the page (there, the sheet) activates the page
// that follows itself and tells the platform to stay where it now is.
LRESULT ProgramProofPage::OnWizardNext() {
  CPropertySheet& sheet = *GetParentSheet();
  sheet.SetActivePage(sheet.GetPageCount() - 1);
  return -1;
}

void ProgramProofPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, PF_IDC_DISTANCE, distance_);
  DDX_Check(pDX, PF_IDC_DWELL_CHECK, dwell_);
  DDX_Radio(pDX, PF_IDC_CLOCKWISE, circleDirection_);
}

// The hint line follows the focus; it is written only when the focus moved,
// since this runs before every message.
void ProgramProofPage::PreTranslateMessage() {
  const int focus = GetFocusId();
  if (focus == hintFocus_) return;
  hintFocus_ = focus;
  SetDlgItemText(PF_IDC_HINT, HintFor(focus));
}

const MessageMap* ProgramProofPage::GetMessageMap() const {
  static const MessageEntry kEntries[] = {
      MapCommand(PF_IDC_DISTANCE, Notify::Change, &ProgramProofPage::OnChangeDistance),
      MapCommand(PF_IDC_PROGRAM_TEXT, Notify::Change, &ProgramProofPage::OnChangeFileText),
      MapCommand(PF_IDC_FILE_LIST, Notify::SelChange, &ProgramProofPage::OnSelchangeFiles),
      MapCommand(PF_IDC_CREATE, Notify::Clicked, &ProgramProofPage::OnCreate),
      MapCommand(PF_IDC_TRIAL_RUN, Notify::Clicked, &ProgramProofPage::OnTrialRun),
      MapNotify(PF_IDC_AXIS_GRID, Notify::EndLabelEdit, &ProgramProofPage::OnEndCellEdit),
  };
  static const MessageMap kMap(CPropertyPage::GetMessageMap(), kEntries);
  return &kMap;
}

void ProgramProofPage::OnChangeDistance() {
  SetDlgItemText(PF_IDC_HEADING, L"Distance " + GetDlgItemText(PF_IDC_DISTANCE));
}

void ProgramProofPage::OnChangeFileText() { SetDlgItemText(PF_IDC_HEADING, L"File text changed"); }

void ProgramProofPage::OnSelchangeFiles() {
  CListBox files(this, PF_IDC_FILE_LIST);
  SetDlgItemText(PF_IDC_HEADING, L"File " + files.GetText(files.GetCurSel()));
}

// A long action under the (nested) wait cursor, ended before the question.
void ProgramProofPage::OnCreate() {
  {
    CWaitCursor outer;
    CWaitCursor inner;
  }
  const int answer = ShowMessage(14042, MsgIcon::Question, MsgButtons::YesNo, 1);
  SetDlgItemText(PF_IDC_HEADING, Format(L"Answer %d", answer));
}

// Touches a control the template lacks: the toolkit abandons the handler.
void ProgramProofPage::OnTrialRun() { SetDlgItemText(PF_IDC_HEADING, GetDlgItemText(35099)); }

LRESULT ProgramProofPage::OnEndCellEdit(const NotifyInfo& info) {
  SetDlgItemText(PF_IDC_HEADING, Format(L"Cell %d,%d", info.row, info.column));
  return 7;
}

// ---- 2508 summary

BOOL SummaryProofPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  SetDlgItemText(PF_IDC_MACHINE_TYPE, LoadResString(14035));
  SetDlgItemText(PF_IDC_SUMMARY_PROJECT, L"Line2");
  images_.Create(15, 15, kIlcMask | kIlcColor24, 2, 0);
  images_.Add(2502, 0xFFFFFF);
  images_.Add(2503, 0xFFFFFF);
  CTreeCtrl tree(this, PF_IDC_SUMMARY_TREE);
  tree.SetImageList(images_);
  const HTreeItem axis = tree.InsertItem(L"$1-X", 0, 0);
  tree.InsertItem(LoadResString(14041), 0, 0, axis);
  tree.InsertItem(LoadResString(14005), 1, 1, axis);
  tree.Expand(axis, kTveExpand);
  SetDlgItemText(PF_IDC_PROGRAM_TEXT, L"%\r\nO0001\r\nG91 G28 X0.\r\nG01 X100. F3000\r\nM30\r\n%");
  return TRUE;
}

BOOL SummaryProofPage::OnSetActive() {
  GetParentSheet()->PostWizardButtons(kWizBack | kWizFinish);
  return CPropertyPage::OnSetActive();
}

BOOL SummaryProofPage::OnQueryCancel() { return cancelPresses_++ < kSummaryCancelRefusals ? FALSE : TRUE; }

}  // namespace pf::proof
