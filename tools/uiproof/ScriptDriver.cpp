// The proof's script: Win32 code that drives the wizard's windows.
#include "ScriptDriver.h"

#include "SheetDriver.h"
#include "common/Format.h"
#include "common/StringTable.h"
#include "res/controls.h"
#include "ui/UiTypes.h"

namespace pf::proof {
namespace {

class Driver : public SheetDriver {
 public:
  using SheetDriver::SheetDriver;

  void Run();

 private:
  bool CheckFrame();
  bool DriveProjectPage();
  bool DriveMachinePage();
  bool DriveAxisDialog();
  bool DriveDeleteAxis();
  bool DriveSelectionPage();
  bool DriveProgramPage();
  bool DriveCreateQuestion();
  bool DriveJumps();
  bool DriveSummaryPage();
};

bool Driver::CheckFrame() {
  Check((GetWindowLongPtrW(Sheet(), GWL_STYLE) & WS_MINIMIZEBOX) != 0, L"the sheet got the minimise box");
  HMENU menu = GetSystemMenu(Sheet(), FALSE);
  const int count = GetMenuItemCount(menu);
  wchar_t minimise[64] = {};
  wchar_t restore[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(count - 2), minimise, 64, MF_BYPOSITION);
  GetMenuStringW(menu, static_cast<UINT>(count - 1), restore, 64, MF_BYPOSITION);
  Check(GetMenuItemID(menu, count - 2) == SC_MINIMIZE && minimise == LoadResString(12616) &&
            GetMenuItemID(menu, count - 1) == SC_RESTORE && restore == LoadResString(12617),
        L"the system menu ends with the minimise and restore entries", Format(L"%s / %s", minimise, restore));
  struct Button {
    int id;
    unsigned text;
  };
  const Button buttons[] = {{kIdWizBack, 12613}, {kIdWizNext, 12614}, {kIdWizFinish, 12615}, {IDCANCEL, 12618}};
  for (const Button& button : buttons) {
    Check(Text(SheetButton(button.id)) == LoadResString(button.text), Format(L"button %d reads its string", button.id),
          Text(SheetButton(button.id)));
  }
  return Check(!Shown(SheetButton(IDHELP)), L"there is no Help button");
}

bool Driver::DriveProjectPage() {
  if (!Expect([&] { return OnPage(PF_IDC_PROJECT); }, L"the project page (2507) is the first page")) return false;
  HWND combo = Item(PF_IDC_PROJECT);
  Check(Send(combo, CB_GETCOUNT) == 2, L"the project list holds the two project folders");
  Expect([&] { return Enabled(SheetButton(kIdWizNext)) && !Enabled(SheetButton(kIdWizBack)); },
         L"the first project is selected, so Next is enabled and Back is not");
  Check(Text(combo) == ListEntry(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, 0), L"the edit field shows the first project");
  TypeIntoCombo(PF_IDC_PROJECT, L"a*b");
  Expect([&] { return !Enabled(SheetButton(kIdWizNext)); }, L"a name with a forbidden character disables Next");
  Pick(PF_IDC_PROJECT, CB_SETCURSEL, CBN_SELCHANGE, 1);
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"picking a project enables Next");
  Check(Text(combo) == ListEntry(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, 1), L"the combo box shows the picked project");
  TypeIntoCombo(PF_IDC_PROJECT, L"Line2");
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"a typed project name keeps Next enabled");
  Snapshot(L"page-2507-project");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(PF_IDC_MACHINE_TYPE); }, L"Next goes to the machine page (2505)");
}

bool Driver::DriveMachinePage() {
  Expect([&] { return Enabled(SheetButton(kIdWizBack)) && Enabled(SheetButton(kIdWizNext)); },
         L"the machine page enables Back and Next");
  HWND types = Item(PF_IDC_MACHINE_TYPE);
  HWND axes = Item(PF_IDC_AXIS_LIST);
  Check(Send(types, CB_GETCOUNT) == 2 && Send(types, CB_GETCURSEL) == 0, L"machine types listed, lathe selected");
  Check(Checked(Item(PF_IDC_GCODE_LIST2)) && !Checked(Item(PF_IDC_GCODE_LIST3)),
        L"the radio group shows G-code list 2 (index 0)");
  Check(Send(axes, LB_GETCOUNT) == 3 && Send(axes, LB_GETCURSEL) == 0, L"the three axes are listed, the first selected");
  Pick(PF_IDC_MACHINE_TYPE, CB_SETCURSEL, CBN_SELCHANGE, 1);
  Check(!Enabled(Item(PF_IDC_GCODE_GROUP)) && !Enabled(Item(PF_IDC_GCODE_LIST2)) && !Enabled(Item(PF_IDC_GCODE_LIST7)),
        L"a machining centre disables the lathe G-code lists");
  Pick(PF_IDC_MACHINE_TYPE, CB_SETCURSEL, CBN_SELCHANGE, 0);
  Check(Enabled(Item(PF_IDC_GCODE_GROUP)) && Enabled(Item(PF_IDC_GCODE_LIST2)) && Enabled(Item(PF_IDC_GCODE_LIST7)),
        L"a lathe enables them again");
  Send(Item(PF_IDC_GCODE_LIST5), BM_CLICK);
  Check(Checked(Item(PF_IDC_GCODE_LIST5)) && !Checked(Item(PF_IDC_GCODE_LIST2)),
        L"clicking list 5 moves the radio check");
  Snapshot(L"page-2505-machine");
  return true;
}

bool Driver::DriveAxisDialog() {
  PostMessageW(Item(PF_IDC_ADD_AXIS), BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  if (!Expect([&] { return (dialog = FindOwnedDialog(Sheet(), L"Add Axis")) != nullptr; },
              L"Add opens the modal axis dialog (2504)")) {
    return false;
  }
  HWND name = GetDlgItem(dialog, PF_IDC_AXIS_NAME);
  HWND ok = GetDlgItem(dialog, IDOK);
  Check(!IsWindowEnabled(Sheet()), L"the sheet is disabled while the dialog runs");
  Check(!Text(name).empty() && Enabled(ok), L"the dialog proposes a free name", Text(name));
  SetText(name, L"");
  Expect([&] { return !Enabled(ok); }, L"an empty name disables OK");
  SetText(name, L"$1-X");
  Expect([&] { return !Enabled(ok); }, L"a name in use keeps OK disabled");
  SetText(name, L"C");
  Expect([&] { return Enabled(ok); }, L"a free name enables OK");
  Snapshot(L"dialog-2504-axis");
  Send(ok, BM_CLICK);
  Expect([&] { return !IsWindow(dialog); }, L"OK ends the dialog");
  HWND axes = Item(PF_IDC_AXIS_LIST);
  Check(Send(axes, LB_GETCOUNT) == 4 && ListEntry(axes, LB_GETTEXTLEN, LB_GETTEXT, 3) == L"C",
        L"the new axis is in the list");
  return Expect([&] { return IsWindowEnabled(Sheet()) != FALSE; }, L"the sheet is enabled again");
}

bool Driver::DriveDeleteAxis() {
  HWND axes = Item(PF_IDC_AXIS_LIST);
  Send(axes, LB_SETCURSEL, 3);
  Send(Item(PF_IDC_DELETE_AXIS), BM_CLICK);
  Check(Send(axes, LB_GETCOUNT) == 3 && Send(axes, LB_GETCURSEL) == 2,
        L"Delete removes the selected axis and selects the one before");
  Send(axes, LB_SETCURSEL, static_cast<WPARAM>(-1));
  Send(Item(PF_IDC_DELETE_AXIS), BM_CLICK);
  Check(Send(axes, LB_GETCOUNT) == 3, L"Delete without a selection removes nothing");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(PF_IDC_SELECTION_TREE); }, L"Next goes to the selection page (2509)");
}

bool Driver::DriveSelectionPage() {
  HWND tree = Item(PF_IDC_SELECTION_TREE);
  HWND status = Item(PF_IDC_SELECTION_WARNING);
  Check((GetWindowLongPtrW(tree, GWL_STYLE) & TVS_CHECKBOXES) != 0, L"the tree has check boxes");
  Check(Send(tree, TVM_GETCOUNT) == 5, L"the tree holds five items");
  HTREEITEM root = TreeItem(tree, TVGN_ROOT, nullptr);
  HTREEITEM x = TreeItem(tree, TVGN_CHILD, root);
  HTREEITEM y = TreeItem(tree, TVGN_NEXT, x);
  Check(StateImage(tree, x) == 1 && StateImage(tree, y) == 2, L"SetCheck at init ticked $1-Y only",
        Format(L"%u %u", StateImage(tree, x), StateImage(tree, y)));
  Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(x));
  Expect([&] { return Text(status) == L"Selected $1-X"; }, L"selecting an item notifies the page");
  Send(Page(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tree), TRUE);
  PostMessageW(tree, WM_KEYDOWN, VK_SPACE, 0x00390001);
  PostMessageW(tree, WM_CHAR, L' ', 0x00390001);
  PostMessageW(tree, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
  Expect([&] { return Text(status) == L"Key 32"; }, L"the space bar reaches the page as a tree key");
  Expect([&] { return StateImage(tree, x) == 2; }, L"the space bar ticks the caret item");
  POINT checkBox{};
  if (Check(StateIconPoint(tree, y, &checkBox), L"the check box of $1-Y is found by hit tests")) {
    ClickAt(tree, checkBox);
    Expect([&] { return Text(status) == L"Check box of $1-Y"; }, L"a click reaches the page with its point",
           kWaitMs);
    Expect([&] { return StateImage(tree, y) == 1; }, L"the click clears the check box");
  }
  Snapshot(L"page-2509-selection");
  Press(PSBTN_NEXT);
  Pause(300);
  Check(OnPage(PF_IDC_SELECTION_TREE), L"a Next whose handler threw stays on the page");
  PostMessageW(Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  HWND box = nullptr;
  if (!Expect([&] { return (box = FindOwnedDialog(Sheet(), Caption())) != nullptr; },
              L"the next Next shows a warning over the sheet")) {
    return false;
  }
  Check(HasChildText(box, LoadResString(14003)) && GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDNO) == nullptr,
        L"the warning shows the string's text and OK");
  Snapshot(L"message-warning");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return Expect([&] { return OnPage(PF_IDC_DISTANCE); }, L"after OK the sheet goes to the program page (2506)");
}

bool Driver::DriveProgramPage() {
  HWND grid = Item(PF_IDC_AXIS_GRID);
  HWND status = Item(PF_IDC_HEADING);
  Check(Shown(grid), L"the grid control made at run time is shown");
  Check(GetWindow(Item(PF_IDC_GRID_PLACE), GW_HWNDNEXT) == grid, L"the grid follows its placeholder in tab order");
  Check(Text(status) == L"Distance 100", L"loading the distance sent the edit's change", Text(status));
  Check(Checked(Item(PF_IDC_DWELL_CHECK)) && Checked(Item(PF_IDC_CLOCKWISE)), L"check box and radio button loaded");
  Check(Shown(Item(PF_IDC_MINUS_LABEL2)) && Text(Item(PF_IDC_MINUS2)) == L"-300.000",
        L"the second stroke-end row was shown");
  SetText(Item(PF_IDC_DISTANCE), L"250");
  Expect([&] { return Text(status) == L"Distance 250"; }, L"WM_SETTEXT on a single-line edit sends EN_CHANGE");
  SetText(Item(PF_IDC_PROGRAM_TEXT), L"G01 X1.");
  Pause(200);
  Check(Text(status) == L"Distance 250", L"WM_SETTEXT on the multi-line edit sends nothing", Text(status));
  Command(PF_IDC_PROGRAM_TEXT, EN_CHANGE);
  Expect([&] { return Text(status) == L"File text changed"; }, L"the typed change of the multi-line edit arrives");
  Pick(PF_IDC_FILE_LIST, LB_SETCURSEL, LBN_SELCHANGE, 1);
  Expect([&] { return Text(status) == L"File G1b.eia"; }, L"a file list selection arrives");
  Focus(PF_IDC_FEED);
  Expect([&] { return Text(Item(PF_IDC_HINT)) == LoadResString(14023); },
         L"the hint line follows the focus to the feed rate");
  Focus(PF_IDC_SMP_TIME);
  Expect([&] { return Text(Item(PF_IDC_HINT)) == LoadResString(14022); }, L"and to the sampling time");
  Focus(PF_IDC_AXIS_GRID);
  PostMessageW(grid, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  Expect([&] { return Text(grid) == L"answer 7" && Text(status) == L"Cell 2,1"; },
         L"the grid's notification reaches the page and gets its answer");
  Send(Item(PF_IDC_TRIAL_RUN), BM_CLICK);
  Check(Text(status) == L"Cell 2,1" && OnPage(PF_IDC_TRIAL_RUN), L"a handler that threw leaves the page working");
  Snapshot(L"page-2506-program");
  return true;
}

bool Driver::DriveCreateQuestion() {
  PostMessageW(Item(PF_IDC_CREATE), BM_CLICK, 0, 0);
  HWND box = nullptr;
  if (!Expect([&] { return (box = FindOwnedDialog(Sheet(), Caption())) != nullptr; }, L"Create asks a question")) {
    return false;
  }
  Check(HasChildText(box, LoadResString(14042)), L"the question shows the string's text");
  Check(GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr && GetDlgItem(box, IDOK) == nullptr,
        L"the question has Yes and No");
  Check((GetWindowLongPtrW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
        L"No is the default button");
  Snapshot(L"message-question");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
  Expect([&] { return Text(Item(PF_IDC_HEADING)) == L"Answer 6"; }, L"the page gets Yes as the answer");
  return true;
}

bool Driver::DriveJumps() {
  Press(PSBTN_BACK);
  if (!Expect([&] { return OnPage(PF_IDC_MACHINE_TYPE); }, L"Back answered with template 2505 jumps over a page"))
    return false;
  Press(PSBTN_NEXT);
  Expect([&] { return OnPage(PF_IDC_SELECTION_TREE); }, L"Next from there goes to the selection page again");
  Press(PSBTN_NEXT);
  Expect([&] { return OnPage(PF_IDC_DISTANCE); }, L"and on to the program page");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(PF_IDC_SUMMARY_TREE); },
                L"a Next that activates the last page itself and answers -1 lands there (2508)");
}

bool Driver::DriveSummaryPage() {
  Expect([&] { return Shown(SheetButton(kIdWizFinish)) && Enabled(SheetButton(kIdWizFinish)) &&
                      !Shown(SheetButton(kIdWizNext)) && Enabled(SheetButton(kIdWizBack)); },
         L"the last page shows Finish in Next's place");
  HWND tree = Item(PF_IDC_SUMMARY_TREE);
  auto images = reinterpret_cast<HIMAGELIST>(Send(tree, TVM_GETIMAGELIST, TVSIL_NORMAL));
  int cx = 0;
  int cy = 0;
  if (images != nullptr) ImageList_GetIconSize(images, &cx, &cy);
  Check(images != nullptr && ImageList_GetImageCount(images) == 2 && cx == 15 && cy == 15,
        L"the tree has the two 15 x 15 images", Format(L"%d x %d", cx, cy));
  HTREEITEM rapid = TreeItem(tree, TVGN_CHILD, TreeItem(tree, TVGN_ROOT, nullptr));
  Check(ItemImage(tree, rapid) == 0 && ItemImage(tree, TreeItem(tree, TVGN_NEXT, rapid)) == 1,
        L"the items show their images");
  Snapshot(L"page-2508-summary");
  PostMessageW(Sheet(), WM_CLOSE, 0, 0);
  Pause(500);
  Check(IsWindow(Sheet()) && OnPage(PF_IDC_SUMMARY_TREE), L"the close box asks the page once, which refuses");
  Press(PSBTN_FINISH);
  return Expect([&] { return !IsWindow(Sheet()); }, L"Finish closes the sheet");
}

void Driver::Run() {
  RunSteps({
      {L"finding the sheet", [this] { return FindSheet(); }},
      {L"the frame", [this] { return CheckFrame(); }},
      {L"the project page", [this] { return DriveProjectPage(); }},
      {L"the machine page", [this] { return DriveMachinePage(); }},
      {L"the axis dialog", [this] { return DriveAxisDialog(); }},
      {L"deleting axes", [this] { return DriveDeleteAxis(); }},
      {L"the selection page", [this] { return DriveSelectionPage(); }},
      {L"the program page", [this] { return DriveProgramPage(); }},
      {L"the question", [this] { return DriveCreateQuestion(); }},
      {L"page jumps", [this] { return DriveJumps(); }},
      {L"the summary page", [this] { return DriveSummaryPage(); }},
  });
}

}  // namespace

void RunScript(Report& report, const std::wstring& shotFolder, unsigned long uiThread) {
  Driver(report, shotFolder, uiThread).Run();
}

}  // namespace pf::proof
