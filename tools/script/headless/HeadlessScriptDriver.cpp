// The headless script driver (see HeadlessScriptDriver.h).
#include "tools/script/headless/HeadlessScriptDriver.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "common/Text.h"
#include "graph/GridCtrl.h"
#include "res/controls.h"
#include "ui/PropertySheet.h"
#include "ui/headless/HeadlessTree.h"

namespace pf {
namespace {

struct ButtonInput {
  WizardButton button;
  int id;
};

constexpr ButtonInput kButtonInputs[] = {
    {WizardButton::Back, kIdWizBack},
    {WizardButton::Next, kIdWizNext},
    {WizardButton::Finish, kIdWizFinish},
    {WizardButton::Cancel, kIdCancel},
};

struct ButtonBit {
  int id;
  unsigned bit;
};

constexpr ButtonBit kButtonBits[] = {
    {kIdWizBack, kScriptBack}, {kIdWizNext, kScriptNext}, {kIdWizFinish, kScriptFinish}};

struct AnswerValue {
  ScriptAnswer answer;
  int value;
};

constexpr AnswerValue kAnswerValues[] = {
    {ScriptAnswer::Yes, kAnswerYes}, {ScriptAnswer::No, kAnswerNo}, {ScriptAnswer::Ok, kAnswerOk}};

std::wstring NoControl(int id) { return Format(L"the window in front has no control %d", id); }

std::wstring JoinPath(const std::vector<std::wstring>& itemPath) {
  std::wstring path;
  for (const std::wstring& segment : itemPath) path += (path.empty() ? L"" : L"/") + segment;
  return path;
}

// The child of `parent` (TviRoot for the roots) whose text is `text`.
HTreeItem FindChild(const ITreePeer& tree, HTreeItem parent, const std::wstring& text) {
  for (HTreeItem item = tree.GetNextItem(parent, kTvgnChild); item != nullptr;
       item = tree.GetNextItem(item, kTvgnNext)) {
    if (tree.GetItemText(item) == text) return item;
  }
  return nullptr;
}

}  // namespace

// ---- looking at the windows

CPropertySheet* HeadlessScriptDriver::FrontSheet() const {
  auto* page = dynamic_cast<CPropertyPage*>(ui_.ForegroundDialog());
  return page == nullptr ? nullptr : page->GetParentSheet();
}

HeadlessControl* HeadlessScriptDriver::FrontControl(int id) const {
  CDialog* dialog = ui_.ForegroundDialog();
  if (dialog == nullptr) return nullptr;
  if (HeadlessControl* control = ui_.FindControl(*dialog, id)) return control;
  CPropertySheet* sheet = FrontSheet();
  return sheet == nullptr ? nullptr : ui_.FindControl(*sheet, id);
}

std::wstring HeadlessScriptDriver::FindItem(int id, const std::vector<std::wstring>& itemPath, HeadlessTree*& tree,
                                            HTreeItem& item) const {
  tree = dynamic_cast<HeadlessTree*>(FrontControl(id));
  if (tree == nullptr) return Format(L"the window in front has no tree %d", id);
  item = TviRoot();
  for (const std::wstring& text : itemPath) {
    item = FindChild(*tree, item, text);
    if (item == nullptr) return Format(L"tree %d has no item \"%s\"", id, JoinPath(itemPath));
  }
  return L"";
}

// ---- steps

std::wstring HeadlessScriptDriver::Input(const std::function<bool()>& inputs) {
  const std::size_t rejected = ui_.rejected().size();
  const bool taken = inputs();
  if (ui_.abandoned().size() > reportedAbandoned_) {
    const AbandonedRecord& record = ui_.abandoned()[reportedAbandoned_];
    reportedAbandoned_ = ui_.abandoned().size();
    return Format(L"the handler of %s failed: %s", record.where, ToWide(record.what));
  }
  if (taken) return L"";
  if (ui_.rejected().size() > rejected) return ui_.rejected()[rejected].reason;
  return L"the input was refused";
}

std::wstring HeadlessScriptDriver::Type(int id, const std::wstring& text) {
  return Input([&] { return ui_.TypeText(id, text); });
}

std::wstring HeadlessScriptDriver::Click(int id) {
  return Input([&] { return ui_.Click(id); });
}

std::wstring HeadlessScriptDriver::Pick(int id, int index) {
  return Input([&] { return ui_.PickItem(id, index); });
}

bool HeadlessScriptDriver::OpenParents(int id, const HeadlessTree& tree, HTreeItem item) {
  std::vector<HTreeItem> parents;
  for (HTreeItem parent = tree.GetNextItem(item, kTvgnParent); parent != nullptr;
       parent = tree.GetNextItem(parent, kTvgnParent)) {
    parents.insert(parents.begin(), parent);
  }
  return std::all_of(parents.begin(), parents.end(), [&](HTreeItem parent) {
    return tree.IsExpanded(parent) || ui_.ClickTreeItem(id, parent, TreePart::Button);
  });
}

std::wstring HeadlessScriptDriver::ClickItem(int id, const std::vector<std::wstring>& itemPath, TreePart part,
                                             TreeClick click) {
  HeadlessTree* tree = nullptr;
  HTreeItem item = nullptr;
  std::wstring missing = FindItem(id, itemPath, tree, item);
  if (!missing.empty()) return missing;
  return Input([&] { return OpenParents(id, *tree, item) && (ui_.*click)(id, item, part); });
}

std::wstring HeadlessScriptDriver::Tick(int id, const std::vector<std::wstring>& itemPath) {
  return ClickItem(id, itemPath, TreePart::StateIcon, &HeadlessUi::ClickTreeItem);
}

std::wstring HeadlessScriptDriver::DoubleTick(int id, const std::vector<std::wstring>& itemPath) {
  return ClickItem(id, itemPath, TreePart::StateIcon, &HeadlessUi::DoubleClickTreeItem);
}

std::wstring HeadlessScriptDriver::ClickItemText(int id, const std::vector<std::wstring>& itemPath) {
  return ClickItem(id, itemPath, TreePart::Label, &HeadlessUi::ClickTreeItem);
}

std::wstring HeadlessScriptDriver::SelectItem(int id, const std::vector<std::wstring>& itemPath) {
  HeadlessTree* tree = nullptr;
  HTreeItem item = nullptr;
  std::wstring missing = FindItem(id, itemPath, tree, item);
  if (!missing.empty()) return missing;
  return Input([&] { return OpenParents(id, *tree, item) && ui_.SelectTreeItem(id, item); });
}

std::wstring HeadlessScriptDriver::PressKey(int id, ScriptKey) {
  return Input([&] { return ui_.PressTreeKey(id, kVkSpace); });
}

// The click on the cell makes it the grid's focused cell and puts the focus
// into its editor, as on the platform; Enter hands the text to the grid.
std::wstring HeadlessScriptDriver::EditCell(int id, int row, int column, const std::wstring& text) {
  const auto gridOf = [](HeadlessControl& control) -> CGridCtrlEx* {
    auto* custom = dynamic_cast<HeadlessCustom*>(&control);
    return custom == nullptr ? nullptr : dynamic_cast<CGridCtrlEx*>(&custom->control());
  };
  return Input([&] {
    return ui_.EditInPlace(
        id, PF_IDC_GRID_EDITOR,
        [&](HeadlessControl& control) -> std::wstring {
          CGridCtrlEx* grid = gridOf(control);
          if (grid == nullptr) return Format(L"control %d is not a grid", id);
          if (!grid->CanEditCell(row, column)) return Format(L"cell %d, %d of grid %d cannot be edited", row, column, id);
          grid->SetFocusCell(row, column);
          return L"";
        },
        [&](HeadlessControl& control) -> std::wstring {
          gridOf(control)->EditCell(row, column, text);
          return L"";
        });
  });
}

std::wstring HeadlessScriptDriver::Focus(int id) {
  return Input([&] { return ui_.Focus(id); });
}

std::wstring HeadlessScriptDriver::Press(WizardButton button) {
  const auto* input = std::find_if(std::begin(kButtonInputs), std::end(kButtonInputs),
                                   [button](const ButtonInput& b) { return b.button == button; });
  return Input([&] { return ui_.Click(input->id); });
}

void HeadlessScriptDriver::QueueAnswer(ScriptAnswer answer) {
  const auto* value = std::find_if(std::begin(kAnswerValues), std::end(kAnswerValues),
                                   [answer](const AnswerValue& a) { return a.answer == answer; });
  ui_.QueueAnswer(value->value);
}

// ---- reads

std::wstring HeadlessScriptDriver::ReadEntries(int id, std::vector<std::wstring>& entries) {
  HeadlessControl* control = FrontControl(id);
  if (control == nullptr) return NoControl(id);
  entries.clear();
  if (IListPeer* list = control->AsList()) {
    for (int i = 0; i < list->GetCount(); ++i) entries.push_back(list->GetText(i));
  } else if (IComboPeer* combo = control->AsCombo()) {
    for (int i = 0; i < combo->GetCount(); ++i) entries.push_back(combo->GetLBText(i));
  } else {
    return Format(L"control %d has no entries", id);
  }
  return L"";
}

std::wstring HeadlessScriptDriver::ReadControl(int id, ControlState& state) {
  const HeadlessControl* control = FrontControl(id);
  if (control == nullptr) return NoControl(id);
  state.text = control->GetText();
  state.enabled = control->IsEnabled();
  state.visible = control->IsVisible();
  state.checked = control->GetCheck() == kBstChecked;
  return L"";
}

std::wstring HeadlessScriptDriver::ReadPage(int& index) {
  const CPropertySheet* sheet = FrontSheet();
  if (sheet == nullptr) return L"no wizard page is in front";
  index = sheet->GetActiveIndex();
  return L"";
}

std::wstring HeadlessScriptDriver::ReadButtons(unsigned& buttons) {
  const CPropertySheet* sheet = FrontSheet();
  if (sheet == nullptr) return L"no wizard page is in front";
  buttons = 0;
  for (const ButtonBit& button : kButtonBits) {
    const HeadlessControl* control = ui_.FindControl(*sheet, button.id);
    if (control != nullptr && control->IsVisible() && control->IsEnabled()) buttons |= button.bit;
  }
  return L"";
}

int HeadlessScriptDriver::MessageCount() { return static_cast<int>(ui_.messages().size()); }

std::wstring HeadlessScriptDriver::ReadLastMessage(ShownMessage& message) {
  if (ui_.messages().empty()) return L"no message was shown";
  message.stringId = ui_.messages().back().stringId;
  message.text = ui_.messages().back().text;
  return L"";
}

std::wstring HeadlessScriptDriver::ReadClosed(ScriptClose& how) {
  if (ui_.ForegroundDialog() != nullptr) return L"a window is still open";
  if (ui_.closed().empty()) return L"no window has closed";
  const INT_PTR result = ui_.closed().back().result;
  if (result != kIdWizFinish && result != kIdCancel) return Format(L"the last window closed with %d", result);
  how = result == kIdWizFinish ? ScriptClose::Finish : ScriptClose::Cancel;
  return L"";
}

}  // namespace pf
