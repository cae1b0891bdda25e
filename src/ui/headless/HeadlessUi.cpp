// The headless toolkit: windows, input, posted requests, message boxes and
// the records of a run.
#include "ui/headless/HeadlessUi.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "common/Format.h"
#include "ui/Dialog.h"
#include "ui/PropertySheet.h"
#include "ui/Resources.h"
#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessLists.h"
#include "ui/headless/HeadlessSheet.h"

namespace pf {
namespace {

// A modal dialog's window.
class HeadlessModal : public HeadlessTopLevel {
 public:
  HeadlessModal(HeadlessUi& ui, CDialog& dialog, const DialogTemplate& dialogTemplate)
      : window_(ui, dialog, dialogTemplate, [this](INT_PTR result) { Close(result); }) {}

  CWnd& Owner() const override { return window_.owner(); }
  HeadlessDialog* InputDialog() override { return &window_; }
  void Detach() override {
    if (!window_.ownerGone()) window_.owner().AttachPeer(nullptr);
  }
  HeadlessDialog& window() { return window_; }

 private:
  HeadlessDialog window_;
};

struct NotifyName {
  Notify code;
  const wchar_t* name;
};

constexpr NotifyName kNotifyNames[] = {
    {Notify::Clicked, L"clicked"},           {Notify::SelChange, L"selection change"},
    {Notify::EditChange, L"edit change"},    {Notify::Change, L"change"},
    {Notify::Click, L"click"},               {Notify::DblClick, L"double-click"},
    {Notify::EndLabelEdit, L"end of edit"},
    {Notify::TreeKeyDown, L"key down"},      {Notify::TreeSelChanged, L"selection changed"},
};

std::wstring Describe(int id, Notify code) {
  auto it = std::find_if(std::begin(kNotifyNames), std::end(kNotifyNames),
                         [code](const NotifyName& n) { return n.code == code; });
  return Format(L"%d %s", id, it == std::end(kNotifyNames) ? L"notification" : it->name);
}

std::wstring Refusal(const HeadlessControl& control) {
  if (!control.IsVisible()) return Format(L"control %d is hidden", control.id());
  if (!control.IsEnabled()) return Format(L"control %d is disabled", control.id());
  return L"";
}

std::wstring WrongKind(int id) { return Format(L"control %d does not take this input", id); }

int DefaultAnswer(const MessageRequest& request) {
  if (request.buttons == MsgButtons::Ok) return kAnswerOk;
  return request.defaultButton == 1 ? kAnswerNo : kAnswerYes;
}

}  // namespace

HeadlessUi::HeadlessUi() = default;

HeadlessUi::~HeadlessUi() {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) (*it)->Detach();
}

// ---- windows

HeadlessTopLevel* HeadlessUi::Top() const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if ((*it)->IsOpen()) return it->get();
  }
  return nullptr;
}

HeadlessTopLevel* HeadlessUi::WindowOf(const CWnd& window) const {
  for (const auto& w : windows_) {
    if (&w->Owner() == &window) return w.get();
  }
  return nullptr;
}

bool HeadlessUi::IsOpen(const CWnd& window) const {
  const HeadlessTopLevel* w = WindowOf(window);
  return w != nullptr && w->IsOpen();
}

void HeadlessUi::Push(std::unique_ptr<HeadlessTopLevel> window, bool modal) {
  window->inModalLoop = modal;
  window->focusBeforeWindow = focusWindow_;
  window->focusBeforeId = focusId_;
  windows_.push_back(std::move(window));
}

std::wstring HeadlessUi::OpenSheetWindow(CPropertySheet& sheet, bool modal) {
  if (sheet.HasWindow()) return L"the sheet is open already";
  if ((sheet.m_psh.dwFlags & (kPshWizard | kPshWizard97)) == 0) return L"the sheet is not a wizard";
  if (sheet.GetPageCount() == 0) return L"the sheet has no page";
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    const unsigned id = sheet.GetPage(i)->GetTemplateId();
    if (FindDialogTemplate(id) == nullptr) return Format(L"there is no dialog template %u", id);
  }
  auto window = std::make_unique<HeadlessSheet>(*this, sheet);
  HeadlessSheet& peer = *window;
  Push(std::move(window), modal);
  sheet.AttachPeer(&peer);
  Guard(L"OnInitDialog", [&sheet] { sheet.OnInitDialog(); });
  return L"";
}

std::wstring HeadlessUi::OpenDialogWindow(CDialog& dialog, bool modal) {
  if (dialog.HasWindow()) return L"the dialog is open already";
  const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.GetTemplateId());
  if (dialogTemplate == nullptr) return Format(L"there is no dialog template %u", dialog.GetTemplateId());
  auto window = std::make_unique<HeadlessModal>(*this, dialog, *dialogTemplate);
  HeadlessDialog& peer = window->window();
  Push(std::move(window), modal);
  dialog.AttachPeer(&peer);
  BOOL defaultFocus = TRUE;
  Guard(L"OnInitDialog", [&] { defaultFocus = dialog.OnInitDialog(); });
  if (defaultFocus) peer.FocusFirstTabStop();
  return L"";
}

bool HeadlessUi::OpenSheet(CPropertySheet& sheet) {
  return RunInput(L"open sheet", [&] { return OpenSheetWindow(sheet, false); });
}

bool HeadlessUi::OpenDialog(CDialog& dialog) {
  return RunInput(L"open dialog", [&] { return OpenDialogWindow(dialog, false); });
}

INT_PTR HeadlessUi::RunPropertySheet(CPropertySheet& sheet) {
  if (!RunInput(L"open sheet", [&] { return OpenSheetWindow(sheet, true); })) return -1;
  return RunLoop(*WindowOf(sheet));
}

INT_PTR HeadlessUi::RunModalDialog(CDialog& dialog) {
  if (!RunInput(L"open dialog", [&] { return OpenDialogWindow(dialog, true); })) return -1;
  return RunLoop(*WindowOf(dialog));
}

INT_PTR HeadlessUi::RunLoop(HeadlessTopLevel& window) {
  bool inputRanOut = false;
  while (window.IsOpen()) {
    if (!source_->Step(*this)) {
      window.Close(kIdCancel);
      inputRanOut = true;
    }
  }
  const INT_PTR result = window.result();
  Destroy(window, inputRanOut);
  return result;
}

void HeadlessUi::Destroy(HeadlessTopLevel& window, bool inputRanOut) {
  closed_.push_back({&window.Owner(), window.result(), inputRanOut});
  window.Detach();
  posted_.erase(
      std::remove_if(posted_.begin(), posted_.end(), [&window](const Posted& p) { return p.target == &window; }),
      posted_.end());
  focusWindow_ = window.focusBeforeWindow;
  focusId_ = window.focusBeforeId;
  windows_.erase(
      std::find_if(windows_.begin(), windows_.end(), [&window](const auto& w) { return w.get() == &window; }));
}

void HeadlessUi::DestroyClosedWindows() {
  for (;;) {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [](const auto& w) { return !w->IsOpen() && !w->inModalLoop; });
    if (it == windows_.end()) return;
    Destroy(**it, false);
  }
}

void HeadlessUi::SetInputSource(IInputSource* source) { source_ = source != nullptr ? source : &queue_; }

// ---- dispatch

bool HeadlessUi::Guard(const std::wstring& where, const std::function<void()>& call) {
  try {
    call();
    return true;
  } catch (const std::exception& e) {
    abandoned_.push_back({where, e.what()});
  } catch (...) {
    abandoned_.push_back({where, "an exception of unknown type"});
  }
  return false;
}

LRESULT HeadlessUi::Dispatch(CDialog& dialog, int id, Notify code, const NotifyInfo& info) {
  LRESULT result = 0;
  Guard(Describe(id, code), [&] { dialog.OnCmdMsg(id, code, info, &result); });
  return result;
}

void HeadlessUi::Post(const HeadlessTopLevel* target, std::function<void()> request) {
  posted_.push_back({target, std::move(request)});
}

void HeadlessUi::DrainPosted() {
  while (!posted_.empty()) {
    Posted next = std::move(posted_.front());
    posted_.pop_front();
    next.request();
  }
}

void HeadlessUi::SetFocus(const ControlOwner* window, int id) {
  focusWindow_ = window;
  focusId_ = id;
}

int HeadlessUi::FocusIdIn(const ControlOwner* window) const { return focusWindow_ == window ? focusId_ : 0; }

// ---- message boxes and the wait cursor

int HeadlessUi::Show(const MessageRequest& request) {
  DrainPosted();
  MessageRecord record;
  record.stringId = request.stringId;
  record.text = request.text;
  record.icon = request.icon;
  record.buttons = request.buttons;
  record.defaultButton = request.defaultButton;
  record.waitDepth = waitDepth_;
  record.defaulted = answers_.empty();
  if (record.defaulted) {
    record.answer = DefaultAnswer(request);
  } else {
    record.answer = answers_.front();
    answers_.pop_front();
  }
  messages_.push_back(record);
  return record.answer;
}

void HeadlessUi::BeginWaitCursor() {
  ++waitDepth_;
  ++waitBegins_;
}

void HeadlessUi::EndWaitCursor() {
  if (waitDepth_ > 0) --waitDepth_;
  ++waitEnds_;
}

// ---- input

bool HeadlessUi::RunInput(const std::wstring& what, const std::function<std::wstring()>& action) {
  ++inputDepth_;
  std::wstring reason;
  Guard(what, [&] { reason = action(); });
  if (!reason.empty()) rejected_.push_back({what, reason});
  DrainPosted();
  if (CDialog* dialog = ForegroundDialog()) Guard(L"PreTranslateMessage", [dialog] { dialog->PreTranslateMessage(); });
  --inputDepth_;
  if (inputDepth_ == 0) DestroyClosedWindows();
  return reason.empty();
}

std::wstring HeadlessUi::WithControl(int id, const std::function<std::wstring(HeadlessControl&)>& act) {
  HeadlessTopLevel* top = Top();
  HeadlessDialog* dialog = top == nullptr ? nullptr : top->InputDialog();
  if (dialog == nullptr) return L"no window takes input";
  HeadlessControl* control = dialog->Find(id);
  if (control == nullptr) return Format(L"the window has no control %d", id);
  std::wstring refusal = Refusal(*control);
  if (!refusal.empty()) return refusal;
  SetFocus(dialog, id);
  return act(*control);
}

std::wstring HeadlessUi::WithTree(int id, const std::function<std::wstring(HeadlessTree&)>& act) {
  return WithControl(id, [&](HeadlessControl& control) {
    auto* tree = dynamic_cast<HeadlessTree*>(&control);
    return tree == nullptr ? WrongKind(id) : act(*tree);
  });
}

bool HeadlessUi::Click(int id) {
  return RunInput(Format(L"click %d", id), [&]() -> std::wstring {
    auto* sheet = dynamic_cast<HeadlessSheet*>(Top());
    if (sheet != nullptr && sheet->IsSheetButton(id)) {
      std::wstring refusal = Refusal(*sheet->Find(id));
      if (!refusal.empty()) return refusal;
      SetFocus(sheet, id);
      sheet->Press(id);
      return L"";
    }
    return WithControl(id, [id](HeadlessControl& control) {
      auto* button = dynamic_cast<HeadlessButton*>(&control);
      return button == nullptr ? WrongKind(id) : button->InputClick();
    });
  });
}

bool HeadlessUi::TypeText(int id, const std::wstring& text) {
  return RunInput(Format(L"type into %d", id), [&] {
    return WithControl(id, [&](HeadlessControl& control) {
      if (auto* edit = dynamic_cast<HeadlessEdit*>(&control)) return edit->InputType(text);
      if (auto* combo = dynamic_cast<HeadlessComboBox*>(&control)) return combo->InputType(text);
      return WrongKind(id);
    });
  });
}

bool HeadlessUi::PickItem(int id, int index) {
  return RunInput(Format(L"pick entry %d of %d", index, id), [&] {
    return WithControl(id, [&](HeadlessControl& control) {
      if (auto* list = dynamic_cast<HeadlessListBox*>(&control)) return list->InputPick(index);
      if (auto* combo = dynamic_cast<HeadlessComboBox*>(&control)) return combo->InputPick(index);
      return WrongKind(id);
    });
  });
}

bool HeadlessUi::ClickTree(int id, Point pt) {
  return RunInput(Format(L"click tree %d", id),
                  [&] { return WithTree(id, [&](HeadlessTree& tree) { return tree.InputClick(pt); }); });
}

bool HeadlessUi::ClickTreeItem(int id, HTreeItem item, TreePart part) {
  return TreeItemInput(id, item, part, L"click", &HeadlessTree::InputClick);
}

bool HeadlessUi::DoubleClickTreeItem(int id, HTreeItem item, TreePart part) {
  return ClickTreeItem(id, item, part) &&
         TreeItemInput(id, item, part, L"double-click", &HeadlessTree::InputDoubleClick);
}

bool HeadlessUi::TreeItemInput(int id, HTreeItem item, TreePart part, const wchar_t* what,
                               std::wstring (HeadlessTree::*input)(Point)) {
  return RunInput(Format(L"%s tree item of %d", what, id), [&] {
    return WithTree(id, [&](HeadlessTree& tree) -> std::wstring {
      Point pt;
      if (!tree.PointOf(item, part, &pt)) return L"that part of the item is not shown";
      return (tree.*input)(pt);
    });
  });
}

bool HeadlessUi::PressTreeKey(int id, unsigned key) {
  return RunInput(Format(L"key %u in %d", key, id),
                  [&] { return WithTree(id, [&](HeadlessTree& tree) { return tree.InputKey(key); }); });
}

bool HeadlessUi::SelectTreeItem(int id, HTreeItem item) {
  return RunInput(Format(L"select tree item of %d", id),
                  [&] { return WithTree(id, [&](HeadlessTree& tree) { return tree.InputSelect(item); }); });
}

bool HeadlessUi::Focus(int id) {
  return RunInput(Format(L"focus %d", id),
                  [&] { return WithControl(id, [](HeadlessControl&) { return std::wstring(); }); });
}

bool HeadlessUi::EditInPlace(int id, int editorId, const std::function<std::wstring(HeadlessControl&)>& open,
                             const std::function<std::wstring(HeadlessControl&)>& end) {
  return RunInput(Format(L"open the editor of %d", id),
                  [&] {
                    std::wstring failure = WithControl(id, open);
                    if (failure.empty()) focusId_ = editorId;
                    return failure;
                  }) &&
         RunInput(Format(L"end the edit in %d", id), [&] { return WithControl(id, end); });
}

bool HeadlessUi::CloseWindow() {
  return RunInput(L"close", [&]() -> std::wstring {
    HeadlessTopLevel* top = Top();
    if (top == nullptr) return L"no window is open";
    if (auto* sheet = dynamic_cast<HeadlessSheet*>(top)) {
      sheet->Press(kIdCancel);
    } else {
      Dispatch(top->InputDialog()->owner(), kIdCancel, Notify::Clicked, {});
    }
    return L"";
  });
}

// ---- inspection

CDialog* HeadlessUi::ForegroundDialog() const {
  HeadlessTopLevel* top = Top();
  HeadlessDialog* dialog = top == nullptr ? nullptr : top->InputDialog();
  return dialog == nullptr ? nullptr : &dialog->owner();
}

HeadlessControl* HeadlessUi::FindControl(const CWnd& window, int id) const {
  if (!window.HasWindow()) return nullptr;
  auto* owner = dynamic_cast<const ControlOwner*>(&window.Peer());
  return owner == nullptr ? nullptr : owner->Find(id);
}

std::vector<int> HeadlessUi::ControlIds(const CWnd& window) const {
  auto* owner = dynamic_cast<const ControlOwner*>(&window.Peer());
  return owner == nullptr ? std::vector<int>() : owner->ControlIds();
}

HeadlessSheet* HeadlessUi::SheetWindow(const CPropertySheet& sheet) const {
  return sheet.HasWindow() ? dynamic_cast<HeadlessSheet*>(&sheet.Peer()) : nullptr;
}

}  // namespace pf
