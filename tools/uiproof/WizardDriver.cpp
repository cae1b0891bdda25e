// The wizard proof's script: Win32 code that drives the program wizard.
#include "WizardDriver.h"

#include "SheetDriver.h"
#include "common/Format.h"
#include "common/StringTable.h"
#include "res/controls.h"

namespace pf::proof {
namespace {

// The sheet's pages by position: project, machine, selection, the program
// pages of kinds 0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, summary.
enum WizardPageIndex : int {
  kPageProject = 0,
  kPageMachine = 1,
  kPageSelection = 2,
  kPageRapid = 4,        // kind 2
  kPageFeed = 6,         // kind 3
  kPageCircleFirst = 12, // kind 9
  kPageCircleSecond = 13,// kind 10
  kPageSummary = 14,
};

enum ProgramKind : int { kKindRapid = 2, kKindFeed = 3 };

constexpr unsigned kHintPosition = 14025;
constexpr unsigned kHintOrder = 14024;
constexpr int kPositionLimit = 13;

class WizardDriver : public SheetDriver {
 public:
  WizardDriver(Report& report, std::wstring shotFolder, DWORD uiThread, const UiThreadCalls& calls,
               CProgramSheet& sheet)
      : SheetDriver(report, std::move(shotFolder), uiThread), calls_(calls), sheet_(sheet) {}

  void Run();

 private:
  bool DriveProjectPage();
  bool DriveMachinePage();
  bool DriveAxisDialog();
  bool DriveSelectionPage();
  bool DriveRapidPage();
  bool DriveGridByMouse();
  bool DriveGridByKeyboard();
  bool DriveGridScrolling();
  bool DriveFeedPage();
  bool DriveCancelQuestion();
  bool DriveCirclePages();
  bool DriveSummaryPage();

  int PageIndex() const {
    return static_cast<int>(Send(Sheet(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(Page())));
  }
  bool NextTo(int index, const std::wstring& what);
  bool CreateProgram();
  bool TickEntry(HWND tree, unsigned groupId, const std::wstring& entry);
  HWND GridEditor() const;
  std::wstring Cell(int kind, int row, int column) const;
  std::wstring StartPosition(int kind, int axis) const;
  POINT CellPoint(int kind, int row, int column) const;
  std::wstring ClippedCells(int kind) const;
  bool HintIs(unsigned stringId) const { return Text(Item(PF_IDC_HINT)) == LoadResString(stringId); }

  const UiThreadCalls& calls_;
  CProgramSheet& sheet_;   // touched on the UI thread only, through calls_
};

// Rows as the grid's window measures them: the text's height, three pixels
// above and below, and the line.
int GridRowHeight(HWND grid) {
  HDC dc = GetDC(grid);
  HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(Send(grid, WM_GETFONT)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  ReleaseDC(grid, dc);
  return metrics.tmHeight + metrics.tmExternalLeading + 7;
}

bool WizardDriver::NextTo(int index, const std::wstring& what) {
  Press(PSBTN_NEXT);
  return Expect([&] { return PageIndex() == index; }, what);
}

// Create on a program page whose files are empty: no question, the files
// get their text and Next is enabled.
bool WizardDriver::CreateProgram() {
  PostMessageW(Item(PF_IDC_CREATE), BM_CLICK, 0, 0);
  return Expect([&] { return !Text(Item(PF_IDC_PROGRAM_TEXT)).empty() && Enabled(SheetButton(kIdWizNext)); },
                L"Create fills the program text and enables Next");
}

bool WizardDriver::TickEntry(HWND tree, unsigned groupId, const std::wstring& entry) {
  HTREEITEM group = FindChildItem(tree, nullptr, LoadResString(groupId));
  Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
  HTREEITEM item = group == nullptr ? nullptr : FindChildItem(tree, group, entry);
  POINT box{};
  if (!Check(item != nullptr && StateIconPoint(tree, item, &box), L"the selection tree lists " + entry)) return false;
  ClickAt(tree, box);
  return Expect([&] { return StateImage(tree, item) == 2; }, L"a click on its check box ticks " + entry);
}

// The in-place editor has the focus: a child of the grid with id 8.
HWND WizardDriver::GridEditor() const {
  HWND focus = FocusOf(UiThread());
  return focus != nullptr && GetParent(focus) == Item(PF_IDC_AXIS_GRID) && GetDlgCtrlID(focus) == 8 ? focus : nullptr;
}

std::wstring WizardDriver::Cell(int kind, int row, int column) const {
  std::wstring text = L"(not read)";
  calls_.Run([&] { text = sheet_.ProgramPage(kind).m_gridAxis.GetItemText(row, column); });
  return text;
}

std::wstring WizardDriver::StartPosition(int kind, int axis) const {
  std::wstring text = L"(not read)";
  calls_.Run([&] {
    const CProgramPage& page = sheet_.ProgramPage(kind);
    text = page.m_aryProgram.at(static_cast<std::size_t>(page.m_nCurrent))
               .m_aryAxis.at(static_cast<std::size_t>(axis))
               .m_strPosition;
  });
  return text;
}

POINT WizardDriver::CellPoint(int kind, int row, int column) const {
  int left = 1;
  int width = 0;
  calls_.Run([&] {
    const CGridCtrlEx& grid = sheet_.ProgramPage(kind).m_gridAxis;
    for (int c = 0; c < column; ++c) left += grid.GetColumnWidth(c);
    width = grid.GetColumnWidth(column);
  });
  const int height = GridRowHeight(Item(PF_IDC_AXIS_GRID));
  return POINT{left + width / 2, 1 + row * height + height / 2};
}

// The cells whose text is wider than the room the grid's window gives it
// (three pixels each side, the line), measured in the grid's font.
std::wstring WizardDriver::ClippedCells(int kind) const {
  HWND grid = Item(PF_IDC_AXIS_GRID);
  HDC dc = GetDC(grid);
  HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(Send(grid, WM_GETFONT)));
  std::wstring clipped;
  calls_.Run([&] {
    const CGridCtrlEx& cells = sheet_.ProgramPage(kind).m_gridAxis;
    for (int row = 0; row < cells.GetRowCount(); ++row) {
      for (int column = 0; column < cells.GetColumnCount(); ++column) {
        const std::wstring text = cells.GetItemText(row, column);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx + 7 > cells.GetColumnWidth(column)) clipped += L" \"" + text + L"\"";
      }
    }
  });
  SelectObject(dc, before);
  ReleaseDC(grid, dc);
  return clipped;
}

// ---- steps

bool WizardDriver::DriveProjectPage() {
  if (!Expect([&] { return PageIndex() == kPageProject && OnPage(PF_IDC_PROJECT); }, L"the project page comes first")) {
    return false;
  }
  TypeIntoCombo(PF_IDC_PROJECT, L"Typical");
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"a new project name enables Next");
  Snapshot(L"wizard-01-project");
  return NextTo(kPageMachine, L"Next goes to the machine information");
}

bool WizardDriver::DriveMachinePage() {
  HWND axes = Item(PF_IDC_AXIS_LIST);
  Check(Send(axes, LB_GETCOUNT) == 6 && ListEntry(axes, LB_GETTEXTLEN, LB_GETTEXT, 0) == L"$1-X",
        L"the six axes of the built-in machine are listed");
  Pick(PF_IDC_MACHINE_TYPE, CB_SETCURSEL, CBN_SELCHANGE, 1);
  Expect([&] { return !Enabled(Item(PF_IDC_GCODE_LIST4)); }, L"machine type 1 disables the lathe G-code lists");
  Snapshot(L"wizard-02-machine");
  return true;
}

bool WizardDriver::DriveAxisDialog() {
  PostMessageW(Item(PF_IDC_ADD_AXIS), BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  if (!Expect([&] { return (dialog = FindOwnedDialog(Sheet(), L"Add Axis")) != nullptr; },
              L"Add opens the axis dialog")) {
    return false;
  }
  Check(!Text(GetDlgItem(dialog, PF_IDC_AXIS_NAME)).empty(), L"the dialog proposes a name",
        Text(GetDlgItem(dialog, PF_IDC_AXIS_NAME)));
  Snapshot(L"wizard-03-axis-dialog");
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  Expect([&] { return !IsWindow(dialog) && IsWindowEnabled(Sheet()); }, L"Cancel closes the dialog");
  Check(Send(Item(PF_IDC_AXIS_LIST), LB_GETCOUNT) == 6, L"and adds no axis");
  return NextTo(kPageSelection, L"Next goes to the program selection");
}

bool WizardDriver::DriveSelectionPage() {
  HWND tree = Item(PF_IDC_SELECTION_TREE);
  if (!TickEntry(tree, 14002, L"Axis $1-X")) return false;
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"a ticked program enables Next");
  if (!TickEntry(tree, 14034, L"Plane $1-IJ")) return false;
  Snapshot(L"wizard-04-selection");
  return NextTo(kPageRapid, L"Next goes to the rapid time-constant page (kind 2)");
}

bool WizardDriver::DriveRapidPage() {
  HWND grid = Item(PF_IDC_AXIS_GRID);
  Check(Text(Item(PF_IDC_HEADING)) == L"Axis $1-X", L"the page heads with the axis", Text(Item(PF_IDC_HEADING)));
  Check(Shown(grid) && GetWindow(Item(PF_IDC_GRID_PLACE), GW_HWNDNEXT) == grid,
        L"the grid is shown after its placeholder");
  Check(Cell(kKindRapid, 0, 1) == LoadResString(14039) && Cell(kKindRapid, 1, 0) == L"$1-X" &&
            Cell(kKindRapid, 3, 0) == L"$1-Z",
        L"the grid lists the axes of part system 1 under its header");
  const std::wstring clipped = ClippedCells(kKindRapid);
  Check(clipped.empty(), L"every text of the grid fits its column", clipped);
  if (!CreateProgram()) return false;
  return DriveGridByMouse() && DriveGridByKeyboard() && DriveGridScrolling() &&
         NextTo(kPageFeed, L"Next goes to the cutting-feed time-constant page (kind 3)");
}

bool WizardDriver::DriveGridByMouse() {
  HWND grid = Item(PF_IDC_AXIS_GRID);
  ClickAt(grid, CellPoint(kKindRapid, 1, 1));
  if (!Expect([&] { return GridEditor() != nullptr; }, L"a click on a start position opens the editor (id 8)")) {
    return false;
  }
  Expect([&] { return HintIs(kHintPosition); }, L"the hint line explains the start position");
  TypeKeys(L"12.5");
  Expect([&] { return Text(GridEditor()) == L"12.5"; }, L"typing replaces the selected text");
  Snapshot(L"wizard-05-rapid-grid-editing");
  StrikeKey(VK_RETURN);
  Expect([&] { return Cell(kKindRapid, 1, 1) == L"12.5" && StartPosition(kKindRapid, 0) == L"12.5"; },
         L"Enter ends the edit: the cell and the record take the text");
  return Check(GridEditor() == nullptr && FocusOf(UiThread()) == grid && PageIndex() == kPageRapid,
               L"the focus is back on the grid and Enter pressed no wizard button");
}

bool WizardDriver::DriveGridByKeyboard() {
  const std::wstring order = Cell(kKindRapid, 1, 2);
  StrikeKey(VK_RIGHT);
  StrikeKey(VK_F2);
  Expect([&] { return GridEditor() != nullptr && HintIs(kHintOrder); },
         L"Right and F2 edit the order, and the hint line follows");
  TypeKeys(L"-3");
  StrikeKey(VK_RETURN);
  Expect([&] { return GridEditor() == nullptr && Cell(kKindRapid, 1, 2) == order; },
         L"a negative order brings the stored one back");
  StrikeKey(VK_DOWN);
  TypeKeys(L"7");
  Expect([&] { return Text(GridEditor()) == L"7"; }, L"typing on a cell starts its edit");
  StrikeKey(VK_ESCAPE);
  Expect([&] { return GridEditor() == nullptr && Cell(kKindRapid, 2, 2) != L"7"; },
         L"Escape drops the edit");
  Check(IsWindow(Sheet()) && PageIndex() == kPageRapid, L"and cancels no wizard");
  StrikeKey(VK_LEFT);
  StrikeKey(VK_F2);
  TypeKeys(L"-12345.1234567");
  Expect([&] { return Text(GridEditor()).size() == static_cast<std::size_t>(kPositionLimit); },
         L"the editor takes at most the cell's 13 characters");
  Focus(PF_IDC_DISTANCE);
  Expect([&] { return Cell(kKindRapid, 2, 1) == L"-12345.123456" && StartPosition(kKindRapid, 1) == L"-12345.123456"; },
         L"moving the focus away ends the edit with the text");
  return true;
}

// A machine with more axes in the part system than the grid has room for,
// made by adding rows to the grid: the rows below scroll into view.
bool WizardDriver::DriveGridScrolling() {
  HWND grid = Item(PF_IDC_AXIS_GRID);
  const auto scrollBar = [grid] { return (GetWindowLongPtrW(grid, GWL_STYLE) & WS_VSCROLL) != 0; };
  const auto focusRow = [this] {
    int row = -1;
    calls_.Run([&] { row = sheet_.ProgramPage(kKindRapid).m_gridAxis.GetFocusRow(); });
    return row;
  };
  calls_.Run([&] { sheet_.ProgramPage(kKindRapid).m_gridAxis.SetRowCount(12); });
  Expect(scrollBar, L"rows beyond the grid's height bring its scroll bar");
  ClickAt(grid, CellPoint(kKindRapid, 1, 0));   // a fixed cell: the grid only takes the focus
  for (int step = 0; step < 11; ++step) StrikeKey(VK_DOWN);
  Expect([&] { return focusRow() == 11 && GetScrollPos(grid, SB_VERT) > 1 && GridEditor() == nullptr; },
         L"the arrow keys scroll the focused cell into view");
  Snapshot(L"wizard-06-rapid-grid-scrolled");
  calls_.Run([&] { sheet_.ProgramPage(kKindRapid).m_gridAxis.SetRowCount(4); });
  Expect([&] { return !scrollBar(); }, L"the scroll bar goes when the rows fit again");
  return Snapshot(L"wizard-07-rapid-page");
}

bool WizardDriver::DriveFeedPage() {
  Check(Text(Item(PF_IDC_DISTANCE)) == L"100" && Text(Item(PF_IDC_FEED)) == L"36000",
        L"the page shows the distance and the feed read from the CNC",
        Format(L"%s / %s", Text(Item(PF_IDC_DISTANCE)), Text(Item(PF_IDC_FEED))));
  Check(Cell(kKindFeed, 1, 1) == L"12.5", L"the start positions came along", Cell(kKindFeed, 1, 1));
  if (!CreateProgram()) return false;
  Snapshot(L"wizard-08-feed-page");
  return DriveCancelQuestion() && NextTo(kPageCircleFirst, L"Next goes to the first circle page (kind 9)");
}

bool WizardDriver::DriveCancelQuestion() {
  PostMessageW(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  HWND box = nullptr;
  if (!Expect([&] { return (box = FindOwnedDialog(Sheet(), Caption())) != nullptr; }, L"Cancel asks first")) {
    return false;
  }
  Check(HasChildText(box, LoadResString(14043)) && GetDlgItem(box, IDNO) != nullptr, L"the question offers Yes and No");
  Snapshot(L"wizard-09-cancel-question");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  return Expect([&] { return !IsWindow(box) && IsWindow(Sheet()) && PageIndex() == kPageFeed; },
                L"No keeps the wizard on the page");
}

bool WizardDriver::DriveCirclePages() {
  Check(Text(Item(PF_IDC_HEADING)) == L"Plane $1-IJ" && Shown(Item(PF_IDC_RADIUS)) && Checked(Item(PF_IDC_CLOCKWISE)),
        L"the circle page shows the plane, the radius and the direction", Text(Item(PF_IDC_HEADING)));
  if (!CreateProgram()) return false;
  Snapshot(L"wizard-10-circle-page");
  if (!NextTo(kPageCircleSecond, L"Next goes to the second circle page (kind 10)") || !CreateProgram()) return false;
  return NextTo(kPageSummary, L"Next goes to the summary");
}

bool WizardDriver::DriveSummaryPage() {
  Expect([&] { return Shown(SheetButton(kIdWizFinish)) && Enabled(SheetButton(kIdWizFinish)); },
         L"the summary offers Finish");
  Check(Text(Item(PF_IDC_SUMMARY_PROJECT)) == L"Typical", L"the summary names the project",
        Text(Item(PF_IDC_SUMMARY_PROJECT)));
  HWND tree = Item(PF_IDC_SUMMARY_TREE);
  HTREEITEM group = FindChildItem(tree, nullptr, LoadResString(14002));
  Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
  HTREEITEM axis = group == nullptr ? nullptr : FindChildItem(tree, group, L"Axis $1-X");
  Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(axis));
  Expect([&] { return axis != nullptr && !Text(Item(PF_IDC_PROGRAM_TEXT)).empty(); },
         L"selecting a program shows its text");
  Snapshot(L"wizard-11-summary");
  Press(PSBTN_FINISH);
  return Expect([&] { return !IsWindow(Sheet()); }, L"Finish closes the wizard");
}

void WizardDriver::Run() {
  RunSteps({
      {L"finding the sheet", [this] { return FindSheet(); }},
      {L"the project page", [this] { return DriveProjectPage(); }},
      {L"the machine page", [this] { return DriveMachinePage(); }},
      {L"the axis dialog", [this] { return DriveAxisDialog(); }},
      {L"the selection page", [this] { return DriveSelectionPage(); }},
      {L"the rapid page", [this] { return DriveRapidPage(); }},
      {L"the cutting-feed page", [this] { return DriveFeedPage(); }},
      {L"the circle pages", [this] { return DriveCirclePages(); }},
      {L"the summary page", [this] { return DriveSummaryPage(); }},
  });
}

}  // namespace

void RunWizardScript(Report& report, const std::wstring& shotFolder, unsigned long uiThread,
                     const UiThreadCalls& calls, CProgramSheet& sheet) {
  WizardDriver(report, shotFolder, uiThread, calls, sheet).Run();
}

}  // namespace pf::proof
