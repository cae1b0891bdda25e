// Only Win32 code here. The script driver of real windows (see
// Win32ScriptDriver.h).
#include "tools/script/win32/Win32ScriptDriver.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "res/controls.h"
#include "tools/script/win32/GridCells.h"
#include "tools/script/win32/MessageBoxes.h"
#include "tools/script/win32/PersonInput.h"
#include "tools/script/win32/ScreenPixels.h"
#include "tools/script/win32/WindowQueries.h"
#include "ui/win32/Win32Ui.h"

#include <commctrl.h>
#include <prsht.h>

namespace pf {
namespace {

constexpr int kOpenMs = 60000;    // for the wizard to show its first page
constexpr int kStepMs = 30000;    // for the wizard to take one input
constexpr int kEffectMs = 5000;   // for real input to show its effect
constexpr int kClosingMs = 3000;  // for a closing wizard to be gone
constexpr int kPollMs = 10;
constexpr int kPaintMs = 300;     // for windows to paint before a picture
constexpr int kSettleRounds = 2;

// The sheet's buttons (the platform's wizard button ids) and how they are
// pressed.
constexpr int kIdBack = 0x3023;
constexpr int kIdNext = 0x3024;
constexpr int kIdFinish = 0x3025;

struct ButtonRow {
  WizardButton button;
  int id;
  int press;
};

constexpr ButtonRow kButtons[] = {
    {WizardButton::Back, kIdBack, PSBTN_BACK},
    {WizardButton::Next, kIdNext, PSBTN_NEXT},
    {WizardButton::Finish, kIdFinish, PSBTN_FINISH},
    {WizardButton::Cancel, IDCANCEL, PSBTN_CANCEL},
};

struct ButtonBit {
  int id;
  unsigned bit;
};

constexpr ButtonBit kButtonBits[] = {{kIdBack, kScriptBack}, {kIdNext, kScriptNext}, {kIdFinish, kScriptFinish}};

struct AnswerButton {
  ScriptAnswer answer;
  int id;
};

constexpr AnswerButton kAnswerButtons[] = {
    {ScriptAnswer::Yes, IDYES}, {ScriptAnswer::No, IDNO}, {ScriptAnswer::Ok, IDOK}};

// The notification that a person's selection in a list sends.
struct PickRow {
  const wchar_t* windowClass;
  UINT select;
  WORD notification;
};

constexpr PickRow kPickRows[] = {
    {WC_LISTBOXW, LB_SETCURSEL, LBN_SELCHANGE},
    {WC_COMBOBOXW, CB_SETCURSEL, CBN_SELCHANGE},
};

std::wstring WrongKind(int id) { return Format(L"control %d does not take this input", id); }

std::wstring JoinPath(const std::vector<std::wstring>& itemPath) {
  std::wstring path;
  for (const std::wstring& segment : itemPath) path += (path.empty() ? L"" : L"/") + segment;
  return path;
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// On the UI thread: the keyboard focus to a control, as the dialog manager
// moves it.
void FocusControl(HWND control) {
  SendMessageW(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

// On the UI thread: the top-level window of a control in front and active.
void Activate(HWND control) {
  HWND root = GetAncestor(control, GA_ROOT);
  SetForegroundWindow(root);
  SetActiveWindow(root);
}

// On the UI thread: the text as typing leaves it in an edit field, which
// takes no more characters than its limit.
std::wstring WithinLimit(HWND field, const std::wstring& text) {
  const auto limit = static_cast<std::size_t>(SendMessageW(field, EM_GETLIMITTEXT, 0, 0));
  return limit > 0 && text.size() > limit ? text.substr(0, limit) : text;
}

// The WM_COMMAND that a control sends its dialog.
void NotifyParent(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace

Win32ScriptDriver::Win32ScriptDriver(const UiInbox& inbox, std::wstring caption, std::wstring shotFolder)
    : inbox_(inbox), caption_(std::move(caption)), shotFolder_(std::move(shotFolder)) {}

// ---- the windows

HWND Win32ScriptDriver::Page() const {
  LRESULT page = 0;
  if (sheet_ == nullptr || !AskWindow(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, &page)) return nullptr;
  return reinterpret_cast<HWND>(page);
}

// The sheet's window goes when its run ends. (Its current page is no sign:
// it is missing for a moment while the sheet changes pages.)
bool Win32ScriptDriver::WizardOpen() const { return sheet_ != nullptr && IsWindow(sheet_); }

HWND Win32ScriptDriver::FrontDialog() const {
  for (HWND window : ProcessWindows()) {
    if (window != sheet_ && IsWindowEnabled(window) && IsWindowClass(window, kDialogWindowClass) &&
        !IsMessageBoxWindow(window, caption_)) {
      return window;
    }
  }
  return nullptr;
}

// The wizard's buttons are controls of the sheet, around its pages.
HWND Win32ScriptDriver::Control(int id, bool input, std::wstring& why) const {
  HWND dialog = WizardOpen() ? FrontDialog() : nullptr;
  HWND window = dialog != nullptr ? dialog : WizardOpen() ? Page() : nullptr;
  if (window == nullptr) {
    why = L"no window takes input";
    return nullptr;
  }
  HWND control = GetDlgItem(window, id);
  if (control == nullptr && dialog == nullptr) control = GetDlgItem(sheet_, id);
  if (control == nullptr) {
    why = Format(L"the window has no control %d", id);
  } else if (input && !IsWindowVisible(control)) {
    why = Format(L"control %d is hidden", id);
  } else if (input && !IsWindowEnabled(control)) {
    why = Format(L"control %d is disabled", id);
  } else {
    return control;
  }
  return nullptr;
}

// ---- carrying out inputs

std::wstring Win32ScriptDriver::WaitForWizard(const std::function<bool()>& ended) {
  WaitUntil(
      [&] {
        for (HWND window : ProcessWindows()) {
          if (IsWindowClass(window, kDialogWindowClass) && ChildOfClass(window, WC_TABCONTROLW) != nullptr &&
              WindowTextOf(window) == caption_) {
            sheet_ = window;
          }
        }
        return (sheet_ != nullptr && Page() != nullptr) || ended();
      },
      kOpenMs);
  if (sheet_ != nullptr && Page() != nullptr) {
    Settle();
    return L"";
  }
  if (ended()) return Format(L"the wizard \"%s\" never opened", caption_);
  stuck_ = true;
  return Format(L"the wizard \"%s\" did not open within %d s", caption_, kOpenMs / 1000);
}

std::wstring Win32ScriptDriver::Carry(UiWork work) {
  if (stuck_) return L"the wizard does not answer";
  const std::wstring failure = Await(inbox_.Post(std::move(work)));
  Settle();
  const std::wstring abandoned = NewlyAbandoned();
  return failure.empty() ? abandoned : failure;
}

// The module's Win32 backend lists every handler that threw in an
// environment variable of this process; a new line fails the input.
std::wstring Win32ScriptDriver::NewlyAbandoned() {
  const std::wstring all = ReadAbandonedVariable();
  if (all.size() <= reportedAbandoned_) return L"";
  const std::wstring fresh = all.substr(reportedAbandoned_);
  reportedAbandoned_ = all.size();
  return L"a handler of the wizard failed: " + fresh.substr(0, fresh.find(L'\n'));
}

// A wizard that closes stops taking calls: its loop has ended. An input
// whose handler opens a modal dialog is under way until that dialog closes;
// the dialog's own loop takes the next steps meanwhile.
std::wstring Win32ScriptDriver::Await(const std::shared_ptr<UiCall>& call) {
  if (call == nullptr) return L"the input could not be handed to the wizard";
  HWND dialogBefore = FrontDialog();
  const auto openedDialog = [&] {
    HWND dialog = FrontDialog();
    return dialog != nullptr && dialog != dialogBefore;
  };
  if (!WaitUntil([&] { return call->done.load() || !WizardOpen() || openedDialog(); }, kStepMs)) {
    stuck_ = true;
    return Format(L"the wizard did not take the input within %d s", kStepMs / 1000);
  }
  return call->done ? call->failure : L"";
}

void Win32ScriptDriver::Settle() {
  for (int round = 0; round < kSettleRounds && !stuck_ && WizardOpen(); ++round) {
    Await(inbox_.Post([] { return std::wstring(); }));
  }
}

bool Win32ScriptDriver::WaitUntil(const std::function<bool()>& condition, int ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  for (;;) {
    TendMessageBoxes();
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(kPollMs);
  }
}

void Win32ScriptDriver::TendMessageBoxes() {
  answeredBoxes_.erase(std::remove_if(answeredBoxes_.begin(), answeredBoxes_.end(),
                                      [](HWND box) { return !IsWindow(box); }),
                       answeredBoxes_.end());
  for (HWND window : ProcessWindows()) {
    if (Contains(answeredBoxes_, window) || !IsMessageBoxWindow(window, caption_)) continue;
    ShownMessage shown;
    shown.text = MessageBoxText(window);
    shown.stringId = StringIdOfText(shown.text);
    messages_.push_back(shown);
    if (!shotFolder_.empty()) Shoot(Format(L"%02d-message-%u", ++shots_, shown.stringId));
    int button = 0;
    if (!answers_.empty()) {
      const ScriptAnswer answer = answers_.front();
      answers_.pop_front();
      button = std::find_if(std::begin(kAnswerButtons), std::end(kAnswerButtons),
                            [answer](const AnswerButton& a) { return a.answer == answer; })
                   ->id;
    }
    PressMessageBoxButton(window, button);
    answeredBoxes_.push_back(window);
  }
}

std::wstring Win32ScriptDriver::Real(HWND control, const std::function<void()>& give,
                                     const std::function<bool()>& effect, const std::wstring& noEffect) {
  std::wstring failure = Carry([control] {
    Activate(control);
    return std::wstring();
  });
  if (!failure.empty()) return failure;
  give();
  const bool taken = WaitUntil(effect, kEffectMs);
  Settle();
  return taken ? L"" : noEffect;
}

// ---- steps

std::wstring Win32ScriptDriver::Type(int id, const std::wstring& text) {
  std::wstring why;
  HWND control = Control(id, true, why);
  if (control == nullptr) return why;
  const bool edit = IsWindowClass(control, WC_EDITW);
  if (!edit && !IsWindowClass(control, WC_COMBOBOXW)) return WrongKind(id);
  // A single-line edit sends EN_CHANGE for WM_SETTEXT itself.
  const WORD change = !edit ? CBN_EDITCHANGE : HasStyle(control, ES_MULTILINE) ? EN_CHANGE : 0;
  return Carry([control, edit, text, change]() -> std::wstring {
    HWND field = edit ? control : ChildOfClass(control, WC_EDITW);
    if (field == nullptr) return L"the combo box has no edit field";
    FocusControl(control);
    const std::wstring typed = WithinLimit(field, text);
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    if (change != 0) NotifyParent(control, change);
    return L"";
  });
}

std::wstring Win32ScriptDriver::Click(int id) {
  std::wstring why;
  HWND control = Control(id, true, why);
  if (control == nullptr) return why;
  if (!IsWindowClass(control, WC_BUTTONW)) return WrongKind(id);
  return Carry([control] {
    Activate(control);
    SendMessageW(control, BM_CLICK, 0, 0);
    return std::wstring();
  });
}

std::wstring Win32ScriptDriver::Pick(int id, int index) {
  std::wstring why;
  HWND control = Control(id, true, why);
  if (control == nullptr) return why;
  const auto* row = std::find_if(std::begin(kPickRows), std::end(kPickRows),
                                 [control](const PickRow& r) { return IsWindowClass(control, r.windowClass); });
  std::vector<std::wstring> entries;
  if (row == std::end(kPickRows) || !ListEntries(control, entries)) return WrongKind(id);
  if (index < 0 || index >= static_cast<int>(entries.size())) return Format(L"control %d has no entry %d", id, index);
  const PickRow pick = *row;
  return Carry([control, pick, index] {
    FocusControl(control);
    SendMessageW(control, pick.select, static_cast<WPARAM>(index), 0);
    NotifyParent(control, pick.notification);
    return std::wstring();
  });
}

std::wstring Win32ScriptDriver::OpenItem(int id, const std::vector<std::wstring>& itemPath, HWND& tree,
                                         HTREEITEM& item) {
  std::wstring why;
  tree = Control(id, true, why);
  if (tree == nullptr) return why;
  if (!IsWindowClass(tree, WC_TREEVIEWW)) return WrongKind(id);
  item = FindTreePath(tree, itemPath);
  if (item == nullptr) return Format(L"tree %d has no item \"%s\"", id, JoinPath(itemPath));
  HWND treeWindow = tree;
  HTREEITEM target = item;
  return Carry([treeWindow, target] {
    std::vector<HTREEITEM> parents;
    for (HTREEITEM parent = TreeView_GetParent(treeWindow, target); parent != nullptr;
         parent = TreeView_GetParent(treeWindow, parent)) {
      parents.insert(parents.begin(), parent);
    }
    for (HTREEITEM parent : parents) TreeView_Expand(treeWindow, parent, TVE_EXPAND);
    TreeView_EnsureVisible(treeWindow, target);
    return std::wstring();
  });
}

std::wstring Win32ScriptDriver::Tick(int id, const std::vector<std::wstring>& itemPath) {
  return ClickCheckBox(id, itemPath, 1);
}

std::wstring Win32ScriptDriver::DoubleTick(int id, const std::vector<std::wstring>& itemPath) {
  return ClickCheckBox(id, itemPath, 2);
}

// Each click toggles the box. The clicks follow one another as soon as the
// tree has taken the one before, well within the double-click time, so the
// platform makes a double-click of the second.
std::wstring Win32ScriptDriver::ClickCheckBox(int id, const std::vector<std::wstring>& itemPath, int clicks) {
  HWND tree = nullptr;
  HTREEITEM item = nullptr;
  std::wstring missing = OpenItem(id, itemPath, tree, item);
  if (!missing.empty()) return missing;
  POINT box{};
  if (!TreeStateIconPoint(tree, item, &box)) return Format(L"the check box of \"%s\" is not shown", JoinPath(itemPath));
  std::wstring failure;
  for (int click = 1; click <= clicks && failure.empty(); ++click) {
    const UINT before = TreeStateImage(tree, item);
    failure = Real(
        tree, [tree, box] { ClickAt(tree, box); },
        [tree, item, before] { return TreeStateImage(tree, item) != before; },
        Format(L"a click on the check box of \"%s\" changed nothing", JoinPath(itemPath)));
  }
  return failure;
}

std::wstring Win32ScriptDriver::ClickItemText(int id, const std::vector<std::wstring>& itemPath) {
  HWND tree = nullptr;
  HTREEITEM item = nullptr;
  std::wstring missing = OpenItem(id, itemPath, tree, item);
  if (!missing.empty()) return missing;
  POINT label{};
  if (!TreeLabelPoint(tree, item, &label)) return Format(L"the text of \"%s\" is not shown", JoinPath(itemPath));
  return Real(
      tree, [tree, label] { ClickAt(tree, label); },
      [tree, item] { return TreeRelative(tree, TVGN_CARET, nullptr) == item; },
      Format(L"a click on \"%s\" did not select it", JoinPath(itemPath)));
}

std::wstring Win32ScriptDriver::SelectItem(int id, const std::vector<std::wstring>& itemPath) {
  HWND tree = nullptr;
  HTREEITEM item = nullptr;
  std::wstring missing = OpenItem(id, itemPath, tree, item);
  if (!missing.empty()) return missing;
  return Carry([tree, item] {
    TreeView_SelectItem(tree, item);
    return std::wstring();
  });
}

// The space bar ticks the item with the caret; with none, nothing shows.
std::wstring Win32ScriptDriver::PressKey(int id, ScriptKey) {
  std::wstring why;
  HWND tree = Control(id, true, why);
  if (tree == nullptr) return why;
  if (!IsWindowClass(tree, WC_TREEVIEWW)) return WrongKind(id);
  std::wstring failure = Carry([tree] {
    FocusControl(tree);
    return std::wstring();
  });
  if (!failure.empty()) return failure;
  HTREEITEM caret = TreeRelative(tree, TVGN_CARET, nullptr);
  const UINT before = caret == nullptr ? 0 : TreeStateImage(tree, caret);
  return Real(
      tree, [] { StrikeKey(VK_SPACE); },
      [tree, caret, before] { return caret == nullptr || TreeStateImage(tree, caret) != before; },
      Format(L"the space bar in tree %d changed nothing", id));
}

std::wstring Win32ScriptDriver::EditCell(int id, int row, int column, const std::wstring& text) {
  std::wstring why;
  HWND grid = Control(id, true, why);
  if (grid == nullptr) return why;
  std::wstring failure = Carry([grid] {
    Activate(grid);
    RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return std::wstring();
  });
  if (!failure.empty()) return failure;
  Sleep(kPaintMs);
  POINT cell{};
  failure = FindGridCell(grid, row, column, &cell);
  if (!failure.empty()) return Format(L"grid %d: %s", id, failure);
  const auto editor = [grid]() -> HWND {
    HWND window = GetDlgItem(grid, PF_IDC_GRID_EDITOR);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
  };
  failure = Real(
      grid, [grid, cell] { ClickAt(grid, cell); }, [&editor] { return editor() != nullptr; },
      Format(L"cell %d, %d of grid %d cannot be edited", row, column, id));
  if (!failure.empty()) return failure;
  HWND field = editor();
  return Carry([field, text] {
    const std::wstring typed = WithinLimit(field, text);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    SendMessageW(field, WM_KEYDOWN, VK_RETURN, 0);
    return std::wstring();
  });
}

std::wstring Win32ScriptDriver::Focus(int id) {
  std::wstring why;
  HWND control = Control(id, true, why);
  if (control == nullptr) return why;
  return Carry([control] {
    FocusControl(control);
    return std::wstring();
  });
}

std::wstring Win32ScriptDriver::Press(WizardButton button) {
  const ButtonRow& row = *std::find_if(std::begin(kButtons), std::end(kButtons),
                                       [button](const ButtonRow& r) { return r.button == button; });
  if (!WizardOpen()) return L"no window takes input";
  if (FrontDialog() != nullptr) return Format(L"the window has no control %d", row.id);
  HWND control = GetDlgItem(sheet_, row.id);
  if (control == nullptr) return Format(L"the window has no control %d", row.id);
  if (!IsWindowVisible(control)) return Format(L"control %d is hidden", row.id);
  if (!IsWindowEnabled(control)) return Format(L"control %d is disabled", row.id);
  lastPress_ = button;
  pressed_ = true;
  HWND sheet = sheet_;
  const int press = row.press;
  return Carry([sheet, press] {
    SendMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(press), 0);
    return std::wstring();
  });
}

// ---- pictures

void Win32ScriptDriver::Shoot(const std::wstring& name) {
  Sleep(kPaintMs);
  RECT area{};
  for (HWND window : ProcessWindows()) {
    RECT rect{};
    GetWindowRect(window, &rect);
    UnionRect(&area, &area, &rect);
  }
  ScreenPixels picture;
  if (picture.Read(area)) picture.WriteBmp(shotFolder_ + name + L".bmp");
}

void Win32ScriptDriver::Screenshot(const std::wstring& name) {
  if (!shotFolder_.empty()) Shoot(name);
}

void Win32ScriptDriver::ShootPage() {
  int index = -1;
  if (!shotFolder_.empty() && ReadPage(index).empty()) Shoot(Format(L"%02d-page-%d", ++shots_, index));
}

// ---- reads

std::wstring Win32ScriptDriver::ReadEntries(int id, std::vector<std::wstring>& entries) {
  std::wstring why;
  HWND control = Control(id, false, why);
  if (control == nullptr) return why;
  return ListEntries(control, entries) ? L"" : Format(L"control %d has no entries", id);
}

std::wstring Win32ScriptDriver::ReadControl(int id, ControlState& state) {
  std::wstring why;
  HWND control = Control(id, false, why);
  if (control == nullptr) return why;
  LRESULT check = BST_UNCHECKED;
  state.text = WindowTextOf(control);
  state.enabled = IsWindowEnabled(control) != FALSE;
  state.visible = IsWindowVisible(control) != FALSE;
  state.checked = IsWindowClass(control, WC_BUTTONW) && AskWindow(control, BM_GETCHECK, 0, 0, &check) &&
                  check == BST_CHECKED;
  return L"";
}

std::wstring Win32ScriptDriver::ReadPage(int& index) {
  HWND page = WizardOpen() && FrontDialog() == nullptr ? Page() : nullptr;
  LRESULT found = -1;
  if (page == nullptr || !AskWindow(sheet_, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, &found)) {
    return L"no wizard page is in front";
  }
  index = static_cast<int>(found);
  return L"";
}

std::wstring Win32ScriptDriver::ReadButtons(unsigned& buttons) {
  if (!WizardOpen() || FrontDialog() != nullptr) return L"no wizard page is in front";
  buttons = 0;
  for (const ButtonBit& button : kButtonBits) {
    HWND control = GetDlgItem(sheet_, button.id);
    if (control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control)) buttons |= button.bit;
  }
  return L"";
}

std::wstring Win32ScriptDriver::ReadLastMessage(ShownMessage& message) {
  if (messages_.empty()) return L"no message was shown";
  message = messages_.back();
  return L"";
}

std::wstring Win32ScriptDriver::ReadClosed(ScriptClose& how) {
  if (sheet_ == nullptr) return L"no window has closed";
  if (!WaitUntil([this] { return !WizardOpen(); }, kClosingMs)) return L"a window is still open";
  if (stuck_) return L"the wizard was ended after it stopped answering";
  if (!pressed_) return L"the wizard closed without a button press";
  how = lastPress_ == WizardButton::Finish ? ScriptClose::Finish : ScriptClose::Cancel;
  return L"";
}

}  // namespace pf
