// The proof's scripts: Win32 code that drives a wizard sheet's windows.
#include "SheetScripts.h"

#include <functional>

#include "common/Format.h"
#include "common/StringTable.h"
#include "graph/GridCtrl.h"
#include "res/controls.h"
#include "tools/script/win32/GridCells.h"
#include "tools/script/win32/PersonInput.h"
#include "tools/script/win32/Win32ScriptDriver.h"
#include "tools/script/win32/WindowQueries.h"

#include <commctrl.h>
#include <prsht.h>

namespace pf::proof {
namespace {

constexpr unsigned kCaption = 14001;
constexpr int kWaitMs = 5000;
constexpr int kPollMs = 50;
constexpr int kPaintMs = 300;
constexpr int kRapidPage = 4;   // the sheet's page of program kind 2
constexpr int kRapidKind = 2;
constexpr int kGrid = PF_IDC_AXIS_GRID;
constexpr int kHint = PF_IDC_HINT;

// Real key strokes to the focused window: the digits, points and minus
// signs of `text`.
void TypeKeys(const std::wstring& text) {
  for (wchar_t c : text) StrikeKey(c == L'.' ? VK_OEM_PERIOD : c == L'-' ? VK_OEM_MINUS : static_cast<WORD>(c));
}

class SheetScript {
 public:
  SheetScript(const ScriptPlace& place, CProgramSheet* wizard)
      : place_(place), caption_(LoadResString(kCaption)),
        driver_(place.inbox, caption_, place.shotFolder.empty() ? L"" : place.shotFolder + L"\\"), wizard_(wizard) {}

  // Waits for the sheet; false when it did not show.
  bool Open() {
    if (!Step(driver_.WaitForWizard([] { return false; }), L"the sheet is shown with the wizard's caption")) {
      return false;
    }
    sheet_ = FindWindowW(kDialogWindowClass, caption_.c_str());
    return true;
  }

  // Ends the sheet's run when the script left it open.
  void End() {
    if (!driver_.WizardOpen()) return;
    Check(false, L"the script went on to the end");
    PostThreadMessageW(place_.uiThread, WM_QUIT, 0, 0);
  }

  bool Check(bool passed, const std::wstring& what, const std::wstring& detail = L"") {
    return place_.report.Check(passed, what, detail);
  }
  bool Step(const std::wstring& failure, const std::wstring& what) { return Check(failure.empty(), what, failure); }
  // Steps taken in order (a braced list is evaluated in order), as one.
  bool Step(std::initializer_list<std::wstring> failures, const std::wstring& what) {
    std::wstring all;
    for (const std::wstring& failure : failures) all += failure;
    return Step(all, what);
  }
  bool Expect(const std::function<bool()>& condition, const std::wstring& what) {
    for (int waited = 0; !condition(); waited += kPollMs) {
      if (waited >= kWaitMs) return Check(false, what, Format(L"not so after %d ms", kWaitMs));
      Sleep(kPollMs);
    }
    return Check(true, what);
  }
  int PageIndex() {
    int index = -1;
    driver_.ReadPage(index);
    return index;
  }
  HWND Item(int id) const { return GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet_), id); }
  std::wstring Text(int id) const { return WindowTextOf(Item(id)); }

  // Runs `call` on the UI thread, so that it reads the C++ objects behind
  // the windows without racing their handlers, and waits for it.
  void OnUi(const std::function<void()>& call) const {
    const auto posted = place_.inbox.Post([&call] {
      call();
      return std::wstring();
    });
    while (posted != nullptr && !posted->done) Sleep(1);
  }

  bool ThrowingNext();
  bool Frame();
  bool ToSelection();
  bool ToRapidPage();
  bool EditGridByKeys();
  bool ScrollGrid();
  bool CancelAnsweredByDefault();

 private:
  CGridCtrlEx& Grid() const { return wizard_->ProgramPage(kRapidKind).m_gridAxis; }
  std::wstring Cell(int row, int column) {
    std::wstring text;
    OnUi([&] { text = Grid().GetItemText(row, column); });
    return text;
  }
  HWND Editor() const {
    HWND editor = GetDlgItem(Item(kGrid), PF_IDC_GRID_EDITOR);
    return editor != nullptr && IsWindowVisible(editor) ? editor : nullptr;
  }
  bool HintIs(unsigned stringId) const { return Text(kHint) == LoadResString(stringId); }
  bool ClickCell(int row, int column);
  std::wstring ClippedCells();

  const ScriptPlace& place_;
  std::wstring caption_;
  Win32ScriptDriver driver_;
  HWND sheet_ = nullptr;
  CProgramSheet* wizard_;   // touched on the UI thread only, through OnUi
};

bool SheetScript::Frame() {
  Check((GetWindowLongPtrW(sheet_, GWL_STYLE) & WS_MINIMIZEBOX) != 0, L"the sheet has the minimise box");
  HMENU menu = GetSystemMenu(sheet_, FALSE);
  const int count = GetMenuItemCount(menu);
  wchar_t minimise[64] = {};
  wchar_t restore[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(count - 2), minimise, 64, MF_BYPOSITION);
  GetMenuStringW(menu, static_cast<UINT>(count - 1), restore, 64, MF_BYPOSITION);
  Check(GetMenuItemID(menu, count - 2) == SC_MINIMIZE && minimise == LoadResString(12616) &&
            GetMenuItemID(menu, count - 1) == SC_RESTORE && restore == LoadResString(12617),
        L"the system menu ends with the minimise and restore entries", Format(L"%s / %s", minimise, restore));
  return true;
}

// The machine page's axis dialog runs modally: the sheet is disabled until
// it ends.
bool SheetScript::ToSelection() {
  Check(!IsWindowVisible(GetDlgItem(sheet_, IDHELP)), L"the wizard has no Help button");
  if (!Step({driver_.Type(PF_IDC_PROJECT, L"Proof"), driver_.Press(WizardButton::Next),
             driver_.Click(PF_IDC_ADD_AXIS)},
            L"a new project, Next, and Add on the machine page")) {
    return false;
  }
  Check(!IsWindowEnabled(sheet_), L"the sheet is disabled while the axis dialog runs");
  Step(driver_.Click(IDCANCEL), L"Cancel ends the axis dialog");
  Expect([&] { return IsWindowEnabled(sheet_) != FALSE; }, L"the sheet is enabled again");
  driver_.Screenshot(L"wizard-machine");
  return Step(driver_.Press(WizardButton::Next), L"Next goes to the program selection");
}

bool SheetScript::ToRapidPage() {
  HWND tree = Item(PF_IDC_SELECTION_TREE);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  int cx = 0;
  int cy = 0;
  if (images != nullptr) ImageList_GetIconSize(images, &cx, &cy);
  Check(images != nullptr && ImageList_GetImageCount(images) == 2 && cx == 15 && cy == 15,
        L"the selection tree has the two 15 x 15 program marks", Format(L"%d x %d", cx, cy));
  Step({driver_.Tick(PF_IDC_SELECTION_TREE, {LoadResString(14002), L"Axis $1-X"}),
        driver_.Press(WizardButton::Next)},
       L"a ticked program and Next");
  if (!Check(PageIndex() == kRapidPage, L"Next goes to the rapid time-constant page")) return false;
  HWND grid = Item(kGrid);
  Check(IsWindowVisible(grid) && GetWindow(Item(PF_IDC_GRID_PLACE), GW_HWNDNEXT) == grid,
        L"the grid made at run time is shown, after its placeholder in tab order");
  const std::wstring clipped = ClippedCells();
  return Check(clipped.empty(), L"every text of the grid fits its column at the screen's DPI", clipped);
}

// The cell is found by its lines on the screen, once the grid is drawn in front.
bool SheetScript::ClickCell(int row, int column) {
  OnUi([&] {
    SetForegroundWindow(sheet_);
    RedrawWindow(Item(kGrid), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  });
  Sleep(kPaintMs);
  POINT centre{};
  const std::wstring missing = FindGridCell(Item(kGrid), row, column, &centre);
  if (!missing.empty()) return Check(false, Format(L"cell %d, %d is on the screen", row, column), missing);
  ClickAt(Item(kGrid), centre);
  return true;
}

// The cells whose text is wider than the room the grid's window gives it
// (three pixels each side, the line), measured in the grid's font.
std::wstring SheetScript::ClippedCells() {
  HWND grid = Item(kGrid);
  HDC dc = GetDC(grid);
  HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(grid, WM_GETFONT, 0, 0)));
  std::wstring clipped;
  OnUi([&] {
    for (int row = 0; row < Grid().GetRowCount(); ++row) {
      for (int column = 0; column < Grid().GetColumnCount(); ++column) {
        const std::wstring text = Grid().GetItemText(row, column);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx + 7 > Grid().GetColumnWidth(column)) clipped += L" \"" + text + L"\"";
      }
    }
  });
  SelectObject(dc, before);
  ReleaseDC(grid, dc);
  return clipped;
}

// The grid's own in-place editor (PF_IDC_GRID_EDITOR) under real keys: the
// hint line follows it, Enter and a focus move end the edit with the text,
// the page's refusal brings the old text back, Escape drops the edit and no
// key reaches the wizard's buttons.
bool SheetScript::EditGridByKeys() {
  if (!ClickCell(1, 1)) return false;
  if (!Expect([&] { return Editor() != nullptr; }, L"a click on a start position opens the editor")) return false;
  Expect([&] { return HintIs(14025); }, L"the hint line follows the focus into the editor");
  TypeKeys(L"12.5");
  StrikeKey(VK_RETURN);
  Expect([&] { return Editor() == nullptr && Cell(1, 1) == L"12.5"; }, L"typing and Enter end the edit with the text");
  const std::wstring order = Cell(1, 2);
  StrikeKey(VK_RIGHT);
  StrikeKey(VK_F2);
  Expect([&] { return Editor() != nullptr && HintIs(14024); }, L"Right and F2 edit the order");
  TypeKeys(L"-3");
  StrikeKey(VK_RETURN);
  Expect([&] { return Editor() == nullptr && Cell(1, 2) == order; }, L"the page's refusal keeps the stored order");
  StrikeKey(VK_DOWN);
  TypeKeys(L"7");
  Expect([&] { return WindowTextOf(Editor()) == L"7"; }, L"typing on a cell starts its edit");
  StrikeKey(VK_ESCAPE);
  Expect([&] { return Editor() == nullptr && Cell(2, 2) != L"7"; }, L"Escape drops the edit");
  Check(driver_.WizardOpen() && PageIndex() == kRapidPage, L"and cancels no wizard");
  StrikeKey(VK_LEFT);
  StrikeKey(VK_F2);
  TypeKeys(L"-12345.1234567");
  Expect([&] { return WindowTextOf(Editor()).size() == 13; }, L"the editor takes at most the cell's 13 characters");
  driver_.Screenshot(L"wizard-grid-editing");
  Step(driver_.Focus(PF_IDC_DISTANCE), L"the focus moves on");
  return Expect([&] { return Cell(2, 1) == L"-12345.123456"; }, L"moving the focus away ends the edit with the text");
}

// More rows than the grid's height bring its scroll bar, fewer take it away.
bool SheetScript::ScrollGrid() {
  const auto scrollBar = [this] { return (GetWindowLongPtrW(Item(kGrid), GWL_STYLE) & WS_VSCROLL) != 0; };
  OnUi([&] { Grid().SetRowCount(12); });
  Expect(scrollBar, L"rows beyond the grid's height bring its scroll bar");
  driver_.Screenshot(L"wizard-grid-rows");
  OnUi([&] { Grid().SetRowCount(4); });
  return Expect([&] { return !scrollBar(); }, L"the scroll bar goes when the rows fit again");
}

// A Next whose handler threw is abandoned and listed (the driver fails the
// input with it), and the sheet stays on its page.
bool SheetScript::ThrowingNext() {
  const std::wstring failure = driver_.Press(WizardButton::Next);
  Check(failure.find(L"OnWizardNext") != std::wstring::npos && PageIndex() == 0,
        L"a Next whose handler threw is abandoned and listed, and the sheet stays", failure);
  return Step(driver_.Press(WizardButton::Cancel), L"Cancel closes that sheet");
}

// The cancel question (Yes/No, No by default): unanswered it keeps the
// wizard; Yes closes it.
bool SheetScript::CancelAnsweredByDefault() {
  Step(driver_.Press(WizardButton::Cancel), L"Cancel asks first");
  ShownMessage shown;
  driver_.ReadLastMessage(shown);
  Check(shown.stringId == 14043 && driver_.WizardOpen() && PageIndex() == kRapidPage,
        L"the question's default button is No: the wizard stays on the page", shown.text);
  driver_.QueueAnswer(ScriptAnswer::Yes);
  ScriptClose how = ScriptClose::Finish;
  return Step({driver_.Press(WizardButton::Cancel), driver_.ReadClosed(how)}, L"Yes closes the wizard");
}

}  // namespace

void RunThrowingNextScript(const ScriptPlace& place) {
  SheetScript script(place, nullptr);
  if (script.Open() && script.Frame()) script.ThrowingNext();
  script.End();
}

void RunWizardScript(const ScriptPlace& place, CProgramSheet& sheet) {
  SheetScript script(place, &sheet);
  if (script.Open() && script.ToSelection() && script.ToRapidPage() && script.EditGridByKeys() &&
      script.ScrollGrid()) {
    script.CancelAnsweredByDefault();
  }
  script.End();
}

}  // namespace pf::proof
