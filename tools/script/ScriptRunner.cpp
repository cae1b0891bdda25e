// Running a wizard script (see ScriptRunner.h).
#include "tools/script/ScriptRunner.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/Format.h"
#include "common/Text.h"
#include "tools/script/FileChecks.h"

namespace pf {
namespace {

// The control states the state checks ask for.
struct StateCheck {
  ScriptOp op;
  bool ControlState::*flag;
  bool wanted;
  const wchar_t* word;
  const wchar_t* opposite;
};

constexpr StateCheck kStateChecks[] = {
    {ScriptOp::ExpectEnabled, &ControlState::enabled, true, L"enabled", L"disabled"},
    {ScriptOp::ExpectDisabled, &ControlState::enabled, false, L"disabled", L"enabled"},
    {ScriptOp::ExpectVisible, &ControlState::visible, true, L"visible", L"hidden"},
    {ScriptOp::ExpectHidden, &ControlState::visible, false, L"hidden", L"visible"},
    {ScriptOp::ExpectChecked, &ControlState::checked, true, L"checked", L"unchecked"},
    {ScriptOp::ExpectUnchecked, &ControlState::checked, false, L"unchecked", L"checked"},
};

struct ButtonStep {
  ScriptOp op;
  WizardButton button;
};

constexpr ButtonStep kButtonSteps[] = {
    {ScriptOp::Back, WizardButton::Back},
    {ScriptOp::Next, WizardButton::Next},
    {ScriptOp::Finish, WizardButton::Finish},
    {ScriptOp::Cancel, WizardButton::Cancel},
};

const wchar_t* ClosingWord(ScriptClose how) { return how == ScriptClose::Finish ? L"finish" : L"cancel"; }

std::wstring MessageName(const ShownMessage& message) {
  return message.stringId != 0 ? Format(L"%u %s", message.stringId, QuoteScriptText(message.text))
                               : QuoteScriptText(message.text);
}

}  // namespace

const ScriptRunner::HandlerRow ScriptRunner::kHandlers[] = {
    {ScriptOp::Type, &ScriptRunner::Type},
    {ScriptOp::Click, &ScriptRunner::Click},
    {ScriptOp::Pick, &ScriptRunner::Pick},
    {ScriptOp::Tick, &ScriptRunner::Tick},
    {ScriptOp::DoubleTick, &ScriptRunner::DoubleTick},
    {ScriptOp::Select, &ScriptRunner::Select},
    {ScriptOp::TextClick, &ScriptRunner::TextClick},
    {ScriptOp::Key, &ScriptRunner::Key},
    {ScriptOp::Cell, &ScriptRunner::Cell},
    {ScriptOp::Focus, &ScriptRunner::Focus},
    {ScriptOp::Next, &ScriptRunner::Press},
    {ScriptOp::Back, &ScriptRunner::Press},
    {ScriptOp::Finish, &ScriptRunner::Press},
    {ScriptOp::Cancel, &ScriptRunner::Press},
    {ScriptOp::Answer, &ScriptRunner::Answer},
    {ScriptOp::Screenshot, &ScriptRunner::Screenshot},
    {ScriptOp::ExpectText, &ScriptRunner::ExpectText},
    {ScriptOp::ExpectEnabled, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectDisabled, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectVisible, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectHidden, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectChecked, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectUnchecked, &ScriptRunner::ExpectState},
    {ScriptOp::ExpectPage, &ScriptRunner::ExpectPage},
    {ScriptOp::ExpectButtons, &ScriptRunner::ExpectButtons},
    {ScriptOp::ExpectMessage, &ScriptRunner::ExpectMessage},
    {ScriptOp::ExpectMessages, &ScriptRunner::ExpectMessages},
    {ScriptOp::ExpectFile, &ScriptRunner::ExpectFile},
    {ScriptOp::ExpectFileSameAs, &ScriptRunner::ExpectFileSameAs},
    {ScriptOp::ExpectNoFile, &ScriptRunner::ExpectNoFile},
    {ScriptOp::ExpectClosed, &ScriptRunner::ExpectClosed},
};

ScriptRunner::ScriptRunner(const Script& script, IScriptDriver& driver, std::wstring dataFolder,
                           std::wstring scriptFolder, std::ostream& report)
    : script_(script),
      driver_(driver),
      dataFolder_(std::move(dataFolder)),
      scriptFolder_(std::move(scriptFolder)),
      report_(report) {}

bool ScriptRunner::RunToNextStep() {
  while (!done()) {
    const ScriptCommand& command = script_.commands[next_++];
    Run(command);
    if (IsScriptStep(command.op)) return true;
  }
  return false;
}

void ScriptRunner::RunRest() {
  while (RunToNextStep()) {
  }
}

void ScriptRunner::Fail(const std::wstring& message) {
  Count(script_.commands.empty() ? 0 : script_.commands.back().line, message);
}

void ScriptRunner::Run(const ScriptCommand& command) {
  if (IsScriptStep(command.op) && observer_) observer_(command);
  const auto* row = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                                 [&](const HandlerRow& r) { return r.op == command.op; });
  const std::wstring failure = (this->*row->handler)(command);
  if (command.op != ScriptOp::Answer && command.op != ScriptOp::Screenshot) Count(command.line, failure);
}

void ScriptRunner::Count(int line, const std::wstring& failure) {
  if (failure.empty()) {
    ++passed_;
    return;
  }
  ++failed_;
  report_ << ToNarrow(Format(L"%s:%d: %s\n", script_.fileName, line, failure));
}

// ---- steps

std::wstring ScriptRunner::Type(const ScriptCommand& command) { return driver_.Type(command.id, command.text); }

std::wstring ScriptRunner::Click(const ScriptCommand& command) { return driver_.Click(command.id); }

std::wstring ScriptRunner::Pick(const ScriptCommand& command) {
  if (!command.byText) return driver_.Pick(command.id, command.number);
  std::vector<std::wstring> entries;
  std::wstring failure = driver_.ReadEntries(command.id, entries);
  if (!failure.empty()) return failure;
  const auto entry = std::find(entries.begin(), entries.end(), command.text);
  if (entry == entries.end()) return Format(L"control %d has no entry %s", command.id, QuoteScriptText(command.text));
  return driver_.Pick(command.id, static_cast<int>(entry - entries.begin()));
}

std::wstring ScriptRunner::Tick(const ScriptCommand& command) {
  return driver_.Tick(command.id, SplitItemPath(command.text));
}

std::wstring ScriptRunner::DoubleTick(const ScriptCommand& command) {
  return driver_.DoubleTick(command.id, SplitItemPath(command.text));
}

std::wstring ScriptRunner::Select(const ScriptCommand& command) {
  return driver_.SelectItem(command.id, SplitItemPath(command.text));
}

std::wstring ScriptRunner::TextClick(const ScriptCommand& command) {
  return driver_.ClickItemText(command.id, SplitItemPath(command.text));
}

std::wstring ScriptRunner::Key(const ScriptCommand& command) {
  return driver_.PressKey(command.id, static_cast<ScriptKey>(command.number));
}

std::wstring ScriptRunner::Cell(const ScriptCommand& command) {
  return driver_.EditCell(command.id, command.number, command.column, command.text);
}

std::wstring ScriptRunner::Focus(const ScriptCommand& command) { return driver_.Focus(command.id); }

std::wstring ScriptRunner::Press(const ScriptCommand& command) {
  const auto* step = std::find_if(std::begin(kButtonSteps), std::end(kButtonSteps),
                                  [&](const ButtonStep& s) { return s.op == command.op; });
  return driver_.Press(step->button);
}

std::wstring ScriptRunner::Answer(const ScriptCommand& command) {
  driver_.QueueAnswer(static_cast<ScriptAnswer>(command.number));
  return L"";
}

std::wstring ScriptRunner::Screenshot(const ScriptCommand& command) {
  driver_.Screenshot(command.text);
  return L"";
}

// ---- checks

std::wstring ScriptRunner::ExpectText(const ScriptCommand& command) {
  ControlState state;
  std::wstring failure = driver_.ReadControl(command.id, state);
  if (!failure.empty() || state.text == command.text) return failure;
  return Format(L"control %d shows %s, expected %s", command.id, QuoteScriptText(state.text),
                QuoteScriptText(command.text));
}

std::wstring ScriptRunner::ExpectState(const ScriptCommand& command) {
  const auto* check = std::find_if(std::begin(kStateChecks), std::end(kStateChecks),
                                   [&](const StateCheck& c) { return c.op == command.op; });
  ControlState state;
  std::wstring failure = driver_.ReadControl(command.id, state);
  if (!failure.empty() || state.*check->flag == check->wanted) return failure;
  return Format(L"control %d is %s, expected %s", command.id, check->opposite, check->word);
}

std::wstring ScriptRunner::ExpectPage(const ScriptCommand& command) {
  int index = -1;
  std::wstring failure = driver_.ReadPage(index);
  if (!failure.empty() || index == command.number) return failure;
  return Format(L"page %d is active, expected page %d", index, command.number);
}

std::wstring ScriptRunner::ExpectButtons(const ScriptCommand& command) {
  unsigned buttons = 0;
  std::wstring failure = driver_.ReadButtons(buttons);
  const unsigned wanted = static_cast<unsigned>(command.number);
  if (!failure.empty() || buttons == wanted) return failure;
  return Format(L"the buttons are %s, expected %s", ScriptButtonWords(buttons), ScriptButtonWords(wanted));
}

std::wstring ScriptRunner::ExpectMessage(const ScriptCommand& command) {
  ShownMessage message;
  std::wstring failure = driver_.ReadLastMessage(message);
  if (!failure.empty()) return failure;
  const bool same = command.byText ? message.text == command.text
                                   : message.stringId == static_cast<unsigned>(command.number) &&
                                         message.text.find(command.expected) != std::wstring::npos;
  if (same) return L"";
  const std::wstring naming = command.expected.empty() ? L"" : L" naming " + QuoteScriptText(command.expected);
  return Format(L"the last message was %s, expected %s", MessageName(message),
                command.byText ? QuoteScriptText(command.text) : Format(L"%d", command.number) + naming);
}

std::wstring ScriptRunner::ExpectMessages(const ScriptCommand& command) {
  const int count = driver_.MessageCount();
  if (count == command.number) return L"";
  return Format(L"%d messages were shown, expected %d", count, command.number);
}

std::wstring ScriptRunner::ExpectFile(const ScriptCommand& command) {
  return CheckFileBytes(dataFolder_, command.text, ToNarrow(command.expected));
}

std::wstring ScriptRunner::ExpectFileSameAs(const ScriptCommand& command) {
  return CheckFileSameAs(dataFolder_, command.text, ScriptPathBelow(scriptFolder_, command.expected));
}

std::wstring ScriptRunner::ExpectNoFile(const ScriptCommand& command) {
  return CheckNoFile(dataFolder_, command.text);
}

std::wstring ScriptRunner::ExpectClosed(const ScriptCommand& command) {
  ScriptClose how = ScriptClose::Cancel;
  std::wstring failure = driver_.ReadClosed(how);
  const auto wanted = static_cast<ScriptClose>(command.number);
  if (!failure.empty() || how == wanted) return failure;
  return Format(L"the wizard closed by %s, expected %s", ClosingWord(how), ClosingWord(wanted));
}

}  // namespace pf
