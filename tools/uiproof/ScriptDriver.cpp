// The proof's script: Win32 code that drives the wizard's windows.
#include "ScriptDriver.h"

#include <chrono>
#include <cstring>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "common/Format.h"
#include "common/StringTable.h"
#include "ui/UiTypes.h"

#include <windows.h>
#include <commctrl.h>

namespace pf::proof {
namespace {

constexpr int kWaitMs = 5000;
constexpr int kSheetWaitMs = 30000;
constexpr int kShotWaitMs = 30000;
constexpr int kPollMs = 50;
constexpr int kPaintMs = 600;

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(hwnd, message, wParam, lParam);
}

std::wstring Text(HWND hwnd) {
  if (hwnd == nullptr) return L"(no window)";
  const auto length = static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH));
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const auto copied = static_cast<int>(Send(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

// Entry `index` of a list box or combo box (LB_GETTEXT / CB_GETLBTEXT).
std::wstring ListEntry(HWND list, UINT lengthMessage, UINT textMessage, int index) {
  const auto length = static_cast<int>(Send(list, lengthMessage, static_cast<WPARAM>(index)));
  if (length < 0) return L"(no entry)";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  Send(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

void SetText(HWND hwnd, const std::wstring& text) {
  Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Shown(HWND hwnd) { return hwnd != nullptr && IsWindowVisible(hwnd); }
bool Enabled(HWND hwnd) { return hwnd != nullptr && IsWindowEnabled(hwnd); }
bool Checked(HWND button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }

bool HasChildText(HWND window, const std::wstring& text) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (Text(child) == text) return true;
  }
  return false;
}

// A shown dialog of this process owned by `owner` with the title `title`.
HWND FindOwnedDialog(HWND owner, const std::wstring& title) {
  struct Search {
    HWND owner;
    const std::wstring* title;
    HWND found;
  } search{owner, &title, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (process == GetCurrentProcessId() && GetWindow(hwnd, GW_OWNER) == s.owner && IsWindowVisible(hwnd) &&
            std::wstring(cls) == L"#32770" && Text(hwnd) == *s.title) {
          s.found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

UINT StateImage(HWND tree, HTREEITEM item) {
  return static_cast<UINT>(Send(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK)) >> 12;
}

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

int ItemImage(HWND tree, HTREEITEM item) {
  TVITEMW query{};
  query.mask = TVIF_HANDLE | TVIF_IMAGE;
  query.hItem = item;
  Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return query.iImage;
}

// The middle of the item's check box, found by hit tests along its row.
bool StateIconPoint(HWND tree, HTREEITEM item, POINT* pt) {
  RECT label{};
  std::memcpy(&label, &item, sizeof(item));   // TVM_GETITEMRECT takes the item in the rectangle
  if (!Send(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label))) return false;
  const int y = (label.top + label.bottom) / 2;
  int first = -1;
  int last = -1;
  for (int x = 0; x < label.left; ++x) {
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    Send(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.hItem != item || (hit.flags & TVHT_ONITEMSTATEICON) == 0) continue;
    if (first < 0) first = x;
    last = x;
  }
  if (first < 0) return false;
  *pt = {(first + last) / 2, y};
  return true;
}

// A real left click: the cursor moves there and the button goes down and up,
// so that the control's notification reports that point.
void ClickAt(HWND window, POINT pt) {
  ClientToScreen(window, &pt);
  SetCursorPos(pt.x, pt.y);
  INPUT input[2] = {};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

class Driver {
 public:
  Driver(Report& report, std::wstring shotFolder, DWORD uiThread)
      : report_(report), shotFolder_(std::move(shotFolder)), uiThread_(uiThread), caption_(LoadResString(14001)) {}

  void Run();

 private:
  bool FindSheet();
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

  HWND Page() const { return PropSheet_GetCurrentPageHwnd(sheet_); }
  HWND Item(int id) const { return GetDlgItem(Page(), id); }
  HWND SheetButton(int id) const { return GetDlgItem(sheet_, id); }
  bool OnPage(int controlId) const { return Page() != nullptr && Item(controlId) != nullptr; }

  // Waits until `condition` holds (posted requests take effect after the
  // handler), then records the check.
  bool Expect(const std::function<bool()>& condition, const std::wstring& what, int ms = kWaitMs);
  bool Check(bool passed, const std::wstring& what, const std::wstring& detail = L"") {
    return report_.Check(passed, what, detail);
  }
  void Command(int id, WORD code) { Send(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id))); }
  void TypeIntoCombo(int id, const std::wstring& text);
  void Pick(int id, UINT setMessage, WORD code, int index);
  void Focus(int id);
  void Press(int button) { Send(sheet_, PSM_PRESSBUTTON, static_cast<WPARAM>(button)); }
  bool Snapshot(const std::wstring& name);

  Report& report_;
  std::wstring shotFolder_;
  DWORD uiThread_;
  std::wstring caption_;
  HWND sheet_ = nullptr;
};

bool Driver::Expect(const std::function<bool()>& condition, const std::wstring& what, int ms) {
  for (int waited = 0; !condition(); waited += kPollMs) {
    if (waited >= ms) return Check(false, what, Format(L"not so after %d ms", ms));
    Pause(kPollMs);
  }
  return Check(true, what);
}

void Driver::TypeIntoCombo(int id, const std::wstring& text) {
  SetText(Item(id), text);
  Command(id, CBN_EDITCHANGE);
}

void Driver::Pick(int id, UINT setMessage, WORD code, int index) {
  Send(Item(id), setMessage, static_cast<WPARAM>(index));
  Command(id, code);
}

// The dialog manager moves the focus; the message posted after it makes the
// loop run the page's PreTranslateMessage.
void Driver::Focus(int id) {
  Send(Page(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
  PostMessageW(sheet_, WM_NULL, 0, 0);
}

bool Driver::Snapshot(const std::wstring& name) {
  if (shotFolder_.empty()) return true;
  Pause(kPaintMs);
  const std::wstring marker = shotFolder_ + L"\\" + name + L".wanted";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Check(false, L"screenshot " + name, L"cannot write " + marker);
  CloseHandle(file);
  return Expect([&] { return GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES; }, L"screenshot " + name,
                kShotWaitMs);
}

bool Driver::FindSheet() {
  return Expect(
      [&] {
        sheet_ = FindWindowW(L"#32770", caption_.c_str());
        return Shown(sheet_) && Page() != nullptr;
      },
      L"the wizard sheet is shown with its caption as title", kSheetWaitMs);
}

bool Driver::CheckFrame() {
  Check((GetWindowLongPtrW(sheet_, GWL_STYLE) & WS_MINIMIZEBOX) != 0, L"the sheet got the minimise box");
  HMENU menu = GetSystemMenu(sheet_, FALSE);
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
  if (!Expect([&] { return OnPage(35027); }, L"the project page (2507) is the first page")) return false;
  HWND combo = Item(35027);
  Check(Send(combo, CB_GETCOUNT) == 2, L"the project list holds the two project folders");
  Expect([&] { return Enabled(SheetButton(kIdWizNext)) && !Enabled(SheetButton(kIdWizBack)); },
         L"the first project is selected, so Next is enabled and Back is not");
  Check(Text(combo) == ListEntry(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, 0), L"the edit field shows the first project");
  TypeIntoCombo(35027, L"a*b");
  Expect([&] { return !Enabled(SheetButton(kIdWizNext)); }, L"a name with a forbidden character disables Next");
  Pick(35027, CB_SETCURSEL, CBN_SELCHANGE, 1);
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"picking a project enables Next");
  Check(Text(combo) == ListEntry(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, 1), L"the combo box shows the picked project");
  TypeIntoCombo(35027, L"Line2");
  Expect([&] { return Enabled(SheetButton(kIdWizNext)); }, L"a typed project name keeps Next enabled");
  Snapshot(L"page-2507-project");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(35018); }, L"Next goes to the machine page (2505)");
}

bool Driver::DriveMachinePage() {
  Expect([&] { return Enabled(SheetButton(kIdWizBack)) && Enabled(SheetButton(kIdWizNext)); },
         L"the machine page enables Back and Next");
  HWND types = Item(35018);
  HWND axes = Item(35003);
  Check(Send(types, CB_GETCOUNT) == 2 && Send(types, CB_GETCURSEL) == 0, L"machine types listed, lathe selected");
  Check(Checked(Item(35011)) && !Checked(Item(35012)), L"the radio group shows G-code list 2 (index 0)");
  Check(Send(axes, LB_GETCOUNT) == 3 && Send(axes, LB_GETCURSEL) == 0, L"the three axes are listed, the first selected");
  Pick(35018, CB_SETCURSEL, CBN_SELCHANGE, 1);
  Check(!Enabled(Item(35010)) && !Enabled(Item(35011)) && !Enabled(Item(35016)),
        L"a machining centre disables the lathe G-code lists");
  Pick(35018, CB_SETCURSEL, CBN_SELCHANGE, 0);
  Check(Enabled(Item(35010)) && Enabled(Item(35011)) && Enabled(Item(35016)), L"a lathe enables them again");
  Send(Item(35014), BM_CLICK);
  Check(Checked(Item(35014)) && !Checked(Item(35011)), L"clicking list 5 moves the radio check");
  Snapshot(L"page-2505-machine");
  return true;
}

bool Driver::DriveAxisDialog() {
  PostMessageW(Item(35001), BM_CLICK, 0, 0);
  HWND dialog = nullptr;
  if (!Expect([&] { return (dialog = FindOwnedDialog(sheet_, L"Add Axis")) != nullptr; },
              L"Add opens the modal axis dialog (2504)")) {
    return false;
  }
  HWND name = GetDlgItem(dialog, 35004);
  HWND ok = GetDlgItem(dialog, IDOK);
  Check(!IsWindowEnabled(sheet_), L"the sheet is disabled while the dialog runs");
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
  HWND axes = Item(35003);
  Check(Send(axes, LB_GETCOUNT) == 4 && ListEntry(axes, LB_GETTEXTLEN, LB_GETTEXT, 3) == L"C",
        L"the new axis is in the list");
  return Expect([&] { return IsWindowEnabled(sheet_) != FALSE; }, L"the sheet is enabled again");
}

bool Driver::DriveDeleteAxis() {
  HWND axes = Item(35003);
  Send(axes, LB_SETCURSEL, 3);
  Send(Item(35006), BM_CLICK);
  Check(Send(axes, LB_GETCOUNT) == 3 && Send(axes, LB_GETCURSEL) == 2,
        L"Delete removes the selected axis and selects the one before");
  Send(axes, LB_SETCURSEL, static_cast<WPARAM>(-1));
  Send(Item(35006), BM_CLICK);
  Check(Send(axes, LB_GETCOUNT) == 3, L"Delete without a selection removes nothing");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(35047); }, L"Next goes to the selection page (2509)");
}

bool Driver::DriveSelectionPage() {
  HWND tree = Item(35047);
  HWND status = Item(35002);
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
  Check(OnPage(35047), L"a Next whose handler threw stays on the page");
  PostMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  HWND box = nullptr;
  if (!Expect([&] { return (box = FindOwnedDialog(sheet_, caption_)) != nullptr; },
              L"the next Next shows a warning over the sheet")) {
    return false;
  }
  Check(HasChildText(box, LoadResString(14003)) && GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDNO) == nullptr,
        L"the warning shows the string's text and OK");
  Snapshot(L"message-warning");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return Expect([&] { return OnPage(35045); }, L"after OK the sheet goes to the program page (2506)");
}

bool Driver::DriveProgramPage() {
  HWND grid = Item(35017);
  HWND status = Item(35033);
  Check(Shown(grid), L"the grid control made at run time is shown");
  Check(GetWindow(Item(35009), GW_HWNDNEXT) == grid, L"the grid follows its placeholder in tab order");
  Check(Text(status) == L"Distance 100", L"loading the distance sent the edit's change", Text(status));
  Check(Checked(Item(35007)) && Checked(Item(35030)), L"check box and radio button loaded");
  Check(Shown(Item(35041)) && Text(Item(35039)) == L"-300.000", L"the second stroke-end row was shown");
  SetText(Item(35045), L"250");
  Expect([&] { return Text(status) == L"Distance 250"; }, L"WM_SETTEXT on a single-line edit sends EN_CHANGE");
  SetText(Item(35024), L"G01 X1.");
  Pause(200);
  Check(Text(status) == L"Distance 250", L"WM_SETTEXT on the multi-line edit sends nothing", Text(status));
  Command(35024, EN_CHANGE);
  Expect([&] { return Text(status) == L"File text changed"; }, L"the typed change of the multi-line edit arrives");
  Pick(35025, LB_SETCURSEL, LBN_SELCHANGE, 1);
  Expect([&] { return Text(status) == L"File G1b.eia"; }, L"a file list selection arrives");
  Focus(35032);
  Expect([&] { return Text(Item(35044)) == LoadResString(14023); }, L"the hint line follows the focus to the feed rate");
  Focus(35031);
  Expect([&] { return Text(Item(35044)) == LoadResString(14022); }, L"and to the sampling time");
  Focus(35017);
  PostMessageW(grid, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  Expect([&] { return Text(grid) == L"answer 7" && Text(status) == L"Cell 2,1"; },
         L"the grid's notification reaches the page and gets its answer");
  Send(Item(35046), BM_CLICK);
  Check(Text(status) == L"Cell 2,1" && OnPage(35046), L"a handler that threw leaves the page working");
  Snapshot(L"page-2506-program");
  return true;
}

bool Driver::DriveCreateQuestion() {
  PostMessageW(Item(35020), BM_CLICK, 0, 0);
  HWND box = nullptr;
  if (!Expect([&] { return (box = FindOwnedDialog(sheet_, caption_)) != nullptr; }, L"Create asks a question")) {
    return false;
  }
  Check(HasChildText(box, LoadResString(14042)), L"the question shows the string's text");
  Check(GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr && GetDlgItem(box, IDOK) == nullptr,
        L"the question has Yes and No");
  Check((GetWindowLongPtrW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
        L"No is the default button");
  Snapshot(L"message-question");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
  Expect([&] { return Text(Item(35033)) == L"Answer 6"; }, L"the page gets Yes as the answer");
  return true;
}

bool Driver::DriveJumps() {
  Press(PSBTN_BACK);
  if (!Expect([&] { return OnPage(35018); }, L"Back answered with template 2505 jumps over a page")) return false;
  Press(PSBTN_NEXT);
  Expect([&] { return OnPage(35047); }, L"Next from there goes to the selection page again");
  Press(PSBTN_NEXT);
  Expect([&] { return OnPage(35045); }, L"and on to the program page");
  Press(PSBTN_NEXT);
  return Expect([&] { return OnPage(35023); },
                L"a Next that activates the last page itself and answers -1 lands there (2508)");
}

bool Driver::DriveSummaryPage() {
  Expect([&] { return Shown(SheetButton(kIdWizFinish)) && Enabled(SheetButton(kIdWizFinish)) &&
                      !Shown(SheetButton(kIdWizNext)) && Enabled(SheetButton(kIdWizBack)); },
         L"the last page shows Finish in Next's place");
  HWND tree = Item(35023);
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
  PostMessageW(sheet_, WM_CLOSE, 0, 0);
  Pause(500);
  Check(IsWindow(sheet_) && OnPage(35023), L"the close box asks the page once, which refuses");
  Press(PSBTN_FINISH);
  return Expect([&] { return !IsWindow(sheet_); }, L"Finish closes the sheet");
}

void Driver::Run() {
  struct Step {
    const wchar_t* name;
    bool (Driver::*run)();
  };
  static const Step kSteps[] = {
      {L"finding the sheet", &Driver::FindSheet},        {L"the frame", &Driver::CheckFrame},
      {L"the project page", &Driver::DriveProjectPage},   {L"the machine page", &Driver::DriveMachinePage},
      {L"the axis dialog", &Driver::DriveAxisDialog},     {L"deleting axes", &Driver::DriveDeleteAxis},
      {L"the selection page", &Driver::DriveSelectionPage}, {L"the program page", &Driver::DriveProgramPage},
      {L"the question", &Driver::DriveCreateQuestion},    {L"page jumps", &Driver::DriveJumps},
      {L"the summary page", &Driver::DriveSummaryPage},
  };
  for (const Step& step : kSteps) {
    if ((this->*step.run)()) continue;
    Check(false, L"the script went on", Format(L"stopped at %s", step.name));
    PostThreadMessageW(uiThread_, WM_QUIT, 0, 0);
    return;
  }
}

}  // namespace

void RunScript(Report& report, const std::wstring& shotFolder, unsigned long uiThread) {
  Driver(report, shotFolder, uiThread).Run();
}

}  // namespace pf::proof
