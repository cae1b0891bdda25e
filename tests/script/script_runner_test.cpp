// Running scripts against a driver that records the calls it gets and shows
// what the test sets: which calls a line makes, how checks compare, what
// the report says, and how the lines are handed out step by step.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"
#include "support/TempFolder.h"
#include "tools/script/FileChecks.h"
#include "tools/script/ScriptRunner.h"

namespace pf {
namespace {

class FakeDriver : public IScriptDriver {
 public:
  std::vector<std::wstring> calls;
  std::wstring refusal;  // what every step answers
  std::map<int, ControlState> controls;
  std::vector<std::wstring> entries{L"Lathe", L"Machining centre"};
  int page = 0;
  unsigned buttons = kScriptBack | kScriptNext;
  std::vector<ShownMessage> messages;
  bool closed = false;
  ScriptClose closedBy = ScriptClose::Finish;

  std::wstring Type(int id, const std::wstring& text) override { return Call(Format(L"type %d %s", id, text)); }
  std::wstring Click(int id) override { return Call(Format(L"click %d", id)); }
  std::wstring Pick(int id, int index) override { return Call(Format(L"pick %d %d", id, index)); }
  std::wstring Tick(int id, const std::vector<std::wstring>& path) override { return Call(Path(L"tick", id, path)); }
  std::wstring DoubleTick(int id, const std::vector<std::wstring>& path) override {
    return Call(Path(L"doubletick", id, path));
  }
  std::wstring ClickItemText(int id, const std::vector<std::wstring>& path) override {
    return Call(Path(L"textclick", id, path));
  }
  std::wstring SelectItem(int id, const std::vector<std::wstring>& path) override {
    return Call(Path(L"select", id, path));
  }
  std::wstring PressKey(int id, ScriptKey) override { return Call(Format(L"key %d space", id)); }
  std::wstring EditCell(int id, int row, int column, const std::wstring& text) override {
    return Call(Format(L"cell %d %d %d %s", id, row, column, text));
  }
  std::wstring Focus(int id) override { return Call(Format(L"focus %d", id)); }
  std::wstring Press(WizardButton button) override { return Call(Format(L"press %d", static_cast<int>(button))); }
  void QueueAnswer(ScriptAnswer answer) override { calls.push_back(Format(L"answer %d", static_cast<int>(answer))); }
  void Screenshot(const std::wstring& name) override { calls.push_back(L"screenshot " + name); }

  std::wstring ReadEntries(int, std::vector<std::wstring>& out) override {
    out = entries;
    return L"";
  }
  std::wstring ReadControl(int id, ControlState& state) override {
    const auto it = controls.find(id);
    if (it == controls.end()) return Format(L"no control %d", id);
    state = it->second;
    return L"";
  }
  std::wstring ReadPage(int& index) override {
    index = page;
    return L"";
  }
  std::wstring ReadButtons(unsigned& out) override {
    out = buttons;
    return L"";
  }
  int MessageCount() override { return static_cast<int>(messages.size()); }
  std::wstring ReadLastMessage(ShownMessage& message) override {
    if (messages.empty()) return L"no message was shown";
    message = messages.back();
    return L"";
  }
  std::wstring ReadClosed(ScriptClose& how) override {
    if (!closed) return L"a window is still open";
    how = closedBy;
    return L"";
  }

 private:
  std::wstring Call(const std::wstring& call) {
    calls.push_back(call);
    return refusal;
  }
  static std::wstring Path(const wchar_t* what, int id, const std::vector<std::wstring>& path) {
    std::wstring text = Format(L"%s %d", what, id);
    for (const std::wstring& segment : path) text += L" [" + segment + L"]";
    return text;
  }
};

class ScriptRunnerTest : public ::testing::Test {
 protected:
  // Parses the script afresh into `script` and empties the report.
  void Parse(const std::string& text) {
    script = Script{};
    script.fileName = L"t.script";
    report.str("");
    std::wstring error;
    EXPECT_TRUE(ParseScript(text, script, error)) << ToNarrow(error);
  }

  // Parses and runs the whole script; returns the report.
  std::string Run(const std::string& text) {
    Parse(text);
    runner = std::make_unique<ScriptRunner>(script, driver, data.DataFolder(), data.Path() + L"/", report);
    runner->RunRest();
    return report.str();
  }

  test::TempFolder data;
  FakeDriver driver;
  Script script;
  std::ostringstream report;
  std::unique_ptr<ScriptRunner> runner;
};

// The steps the end-to-end runs do not tell apart by their outcome.
TEST_F(ScriptRunnerTest, StepsBecomeDriverCalls) {
  Run("select 35047 \"Lost motion\"\ntextclick 35023 \"A/B\"\nfocus 35045\n");
  EXPECT_EQ(driver.calls, (std::vector<std::wstring>{L"select 35047 [Lost motion]", L"textclick 35023 [A] [B]",
                                                     L"focus 35045"}));
  EXPECT_EQ(report.str(), "");
}

TEST_F(ScriptRunnerTest, ARefusedStepFailsAndTheScriptGoesOn) {
  driver.refusal = L"control 35020 is disabled";
  EXPECT_EQ(Run("click 35020\npick 35018 \"Mill\"\nexpect page 0\n"),
            "t.script:1: control 35020 is disabled\n"
            "t.script:2: control 35018 has no entry \"Mill\"\n");
  EXPECT_EQ(runner->passed(), 1);
  EXPECT_EQ(runner->failed(), 2);
}

struct CheckCase {
  const char* line;
  const char* failure;  // "" when the check holds
};

constexpr CheckCase kChecks[] = {
    {R"(expect text 35045 "100")", ""},
    {R"(expect text 35045 "10")", R"(control 35045 shows "100", expected "10")"},
    {R"(expect text 35024 "a\r\n")", R"(control 35024 shows "G04\r\n", expected "a\r\n")"},
    {R"(expect text 1 "x")", "no control 1"},
    {"expect enabled 35045", ""},
    {"expect disabled 35045", "control 35045 is enabled, expected disabled"},
    {"expect visible 35007", "control 35007 is hidden, expected visible"},
    {"expect hidden 35007", ""},
    {"expect checked 35007", ""},
    {"expect unchecked 35007", "control 35007 is checked, expected unchecked"},
    {"expect page 4", ""},
    {"expect page 6", "page 4 is active, expected page 6"},
    {"expect buttons next back", ""},
    {"expect buttons back finish", "the buttons are back next, expected back finish"},
    {"expect buttons none", "the buttons are back next, expected none"},
    {"expect message 12518", ""},
    {R"(expect message "Not written")", ""},
    {"expect message 14043", R"(the last message was 12518 "Not written", expected 14043)"},
    {R"(expect message 12518 naming "written")", ""},
    {R"(expect message 12518 naming "G1aa")", R"(the last message was 12518 "Not written", expected 12518 naming "G1aa")"},
    {"expect messages 1", ""},
    {"expect messages 0", "1 messages were shown, expected 0"},
    {"expect closed cancel", ""},
    {"expect closed finish", "the wizard closed by cancel, expected finish"},
};

TEST_F(ScriptRunnerTest, ChecksCompareWhatTheDriverShows) {
  driver.controls[35045] = {L"100", true, true, false};
  driver.controls[35024] = {L"G04\r\n", true, true, false};
  driver.controls[35007] = {L"Dwell", true, false, true};
  driver.page = 4;
  driver.messages = {{12518, L"Not written"}};
  driver.closed = true;
  driver.closedBy = ScriptClose::Cancel;
  for (const CheckCase& c : kChecks) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Run(c.line), *c.failure == 0 ? "" : std::string("t.script:1: ") + c.failure + "\n");
    EXPECT_EQ(runner->failed(), *c.failure == 0 ? 0 : 1);
  }
}

TEST_F(ScriptRunnerTest, FileChecksLookBelowTheDataFolder) {
  ASSERT_TRUE(MakeDirectory(data.DataFolder() + L"Program/P"));
  ASSERT_TRUE(WriteFileBytes(data.DataFolder() + L"Program/P/Project.dat", "[Machine]\r\nMachineInfo=1\r\n"));
  ASSERT_TRUE(WriteFileBytes(data.Path() + L"/same.dat", "[Machine]\r\nMachineInfo=1\r\n"));
  ASSERT_TRUE(WriteFileBytes(data.Path() + L"/other.dat", "[Machine]\r\nMachineInfo=0\r\n"));
  EXPECT_EQ(Run(R"(expect file "Program/P/Project.dat" "[Machine]\r\nMachineInfo=1\r\n"
expect file "Program/P/Project.dat" "[Machine]\r\n"
expect file "Program/P/Project.dat" same-as "same.dat"
expect file "Program/P/Project.dat" same-as "other.dat"
expect file "Program/P/G0a.eia" same-as "same.dat"
expect file "Program/P/Project.dat" same-as "missing.dat"
expect no-file "Program/Q"
expect no-file "Program/P"
)"),
            "t.script:2: Program/P/Project.dat differs from byte 11 on (26 bytes, expected 11)\n"
            "t.script:4: Program/P/Project.dat differs from byte 23 on (26 bytes, expected 26)\n"
            "t.script:5: Program/P/G0a.eia cannot be read\n"
            "t.script:6: the reference " + ToNarrow(data.Path()) + "/missing.dat cannot be read\n"
            "t.script:8: Program/P exists\n");
  EXPECT_EQ(runner->passed(), 3);
}

TEST_F(ScriptRunnerTest, HandsOutOneStepAtATimeWithTheLinesBeforeIt) {
  Parse("answer no\nexpect page 0\nnext\nnext\nexpect page 0\n");
  std::vector<int> observed;
  ScriptRunner stepwise(script, driver, data.DataFolder(), L"", report);
  stepwise.SetStepObserver([&](const ScriptCommand& command) { observed.push_back(command.line); });

  EXPECT_TRUE(stepwise.RunToNextStep());
  EXPECT_EQ(driver.calls, (std::vector<std::wstring>{L"answer 1", L"press 1"}));
  EXPECT_TRUE(stepwise.RunToNextStep());
  EXPECT_FALSE(stepwise.done());
  EXPECT_FALSE(stepwise.RunToNextStep());  // the last check runs, no step is left
  EXPECT_TRUE(stepwise.done());
  EXPECT_EQ(observed, (std::vector<int>{3, 4}));
  EXPECT_EQ(stepwise.passed(), 4);

  stepwise.Fail(L"the script ended while the wizard was still open");
  EXPECT_EQ(report.str(), "t.script:5: the script ended while the wizard was still open\n");
  EXPECT_EQ(stepwise.failed(), 1);
}

}  // namespace
}  // namespace pf
