// Headless buttons, edits, statics, pictures and run-time controls, and the factory
// that makes the control of a template row.
#include "ui/headless/HeadlessControl.h"

#include <algorithm>
#include <iterator>

#include "common/Text.h"
#include "res/styles.h"
#include "ui/headless/HeadlessLists.h"
#include "ui/headless/HeadlessTree.h"

namespace pf {
namespace {

Rect PixelRect(const ControlTemplate& row) {
  return {DialogUnitsToPixelsX(row.x), DialogUnitsToPixelsY(row.y), DialogUnitsToPixelsX(row.x + row.cx),
          DialogUnitsToPixelsY(row.y + row.cy)};
}

template <class Control>
std::unique_ptr<HeadlessControl> Make(ControlOwner& owner, const ControlTemplate& row) {
  return std::make_unique<Control>(owner, row.id, row.style, PixelRect(row), row.text);
}

// A static is a picture when it is owner-drawn.
std::unique_ptr<HeadlessControl> MakeStatic(ControlOwner& owner, const ControlTemplate& row) {
  if ((row.style & PF_SS_TYPEMASK) == PF_SS_OWNERDRAW) return Make<HeadlessPicture>(owner, row);
  return Make<HeadlessControl>(owner, row);
}

struct ControlKind {
  const wchar_t* windowClass;
  std::unique_ptr<HeadlessControl> (*make)(ControlOwner&, const ControlTemplate&);
};

const ControlKind kKinds[] = {
    {L"" PF_WC_BUTTON, Make<HeadlessButton>},     {L"" PF_WC_EDIT, Make<HeadlessEdit>},
    {L"" PF_WC_STATIC, MakeStatic},    {L"" PF_WC_LISTBOX, Make<HeadlessListBox>},
    {L"" PF_WC_COMBOBOX, Make<HeadlessComboBox>}, {L"" PF_WC_TREEVIEW, Make<HeadlessTree>},
};

}  // namespace

HeadlessControl::HeadlessControl(ControlOwner& owner, int id, unsigned style, const Rect& rect, std::wstring text)
    : text_(std::move(text)),
      owner_(owner),
      id_(id),
      style_(style),
      rect_(rect),
      enabled_((style & PF_WS_DISABLED) == 0),
      visible_((style & PF_WS_VISIBLE) != 0) {}

bool HeadlessControl::IsTabStop() const { return (style_ & PF_WS_TABSTOP) != 0; }

unsigned HeadlessButton::Type() const { return style() & PF_BS_TYPEMASK; }

bool HeadlessButton::IsRadio() const { return Type() == PF_BS_RADIOBUTTON || Type() == PF_BS_AUTORADIOBUTTON; }

void HeadlessButton::SetCheck(int state) {
  if (Type() == PF_BS_CHECKBOX || Type() == PF_BS_AUTOCHECKBOX || IsRadio()) check_ = state;
}

std::wstring HeadlessButton::InputClick() {
  if (Type() == PF_BS_GROUPBOX) return L"a group box takes no clicks";
  if (Type() == PF_BS_AUTOCHECKBOX) check_ = check_ == kBstChecked ? kBstUnchecked : kBstChecked;
  if (Type() == PF_BS_AUTORADIOBUTTON) {
    for (HeadlessControl* other : owner().GroupOf(id())) {
      auto* button = dynamic_cast<HeadlessButton*>(other);
      if (button != nullptr && button != this && button->Type() == PF_BS_AUTORADIOBUTTON) {
        button->check_ = kBstUnchecked;
      }
    }
    check_ = kBstChecked;
  }
  NotifyOwner(Notify::Clicked);
  return L"";
}

void HeadlessEdit::SetText(const std::wstring& text) {
  text_ = text;
  if ((style() & PF_ES_MULTILINE) == 0) NotifyOwner(Notify::Change);
}

std::wstring HeadlessEdit::InputType(const std::wstring& text) {
  if ((style() & PF_ES_READONLY) != 0) return L"the edit is read-only";
  text_ = CutToLimit(text, limit_);
  NotifyOwner(Notify::Change);
  return L"";
}

HeadlessCustom::HeadlessCustom(ControlOwner& owner, CChildControl& control, int id, unsigned style, const Rect& rect)
    : HeadlessControl(owner, id, style, rect, L""), control_(control) {}

std::wstring CutToLimit(const std::wstring& text, int limit) {
  if (limit <= 0 || text.size() <= static_cast<std::size_t>(limit)) return text;
  return text.substr(0, static_cast<std::size_t>(limit));
}

std::unique_ptr<HeadlessControl> MakeHeadlessControl(ControlOwner& owner, const ControlTemplate& row) {
  auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                           [&row](const ControlKind& k) { return SameWithoutCase(k.windowClass, row.windowClass); });
  // A class the toolkit does not imitate would behave as a static control.
  return kind == std::end(kKinds) ? Make<HeadlessControl>(owner, row) : kind->make(owner, row);
}

}  // namespace pf
