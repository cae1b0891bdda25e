// Scripts on the headless toolkit: a small wizard of the module's templates
// run modally with a script as its input, as StartIF runs the real one.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "common/Text.h"
#include "tools/script/ScriptRunner.h"
#include "tools/script/headless/HeadlessScriptDriver.h"
#include "tools/script/headless/ScriptInput.h"
#include "ui/TestPages.h"

namespace pf {
namespace {

class HeadlessDriverTest : public testing::UiTest {
 protected:
  // Runs the wizard modally on the script; returns the report.
  std::string RunWizard(const std::string& text) {
    script.fileName = L"w.script";
    std::wstring error;
    EXPECT_TRUE(ParseScript(text, script, error)) << ToNarrow(error);
    ScriptRunner runner(script, driver, L"", L"", report);
    ScriptInput input(runner);
    ui.SetInputSource(&input);
    result = wizard.sheet.DoModal();
    ui.SetInputSource(nullptr);
    runner.RunRest();
    passed = runner.passed();
    failed = runner.failed();
    return report.str();
  }

  testing::TestWizard wizard;
  HeadlessScriptDriver driver{ui};
  Script script;
  std::ostringstream report;
  INT_PTR result = 0;
  int passed = 0;
  int failed = 0;
};

TEST_F(HeadlessDriverTest, StepsAndChecksRunOnTheWindowInFront) {
  const std::string report = RunWizard(R"(expect page 0
expect buttons next
type 35027 "Mill 1"
expect text 35027 "Mill 1"
expect enabled 35027
next
expect page 1
expect buttons back next
expect unchecked 35013
click 35013
expect checked 35013
expect visible 35003
expect text 12323 "< &Back"
pick 35018 0
click 35999
next
expect buttons back finish
finish
expect closed finish
)");
  EXPECT_EQ(report,
            "w.script:14: there is no entry 0\n"
            "w.script:15: the window has no control 35999\n");
  EXPECT_EQ(passed, 17);
  EXPECT_EQ(failed, 2);
  EXPECT_EQ(result, kIdWizFinish);
}

TEST_F(HeadlessDriverTest, MessageBoxesTakeTheQueuedAnswerOrTheirDefault) {
  std::vector<int> answers;
  wizard.project.onNext = [&] {
    answers.push_back(ShowMessage(14043, MsgIcon::Question, MsgButtons::YesNo, 1));
    answers.push_back(ShowMessage(12518, MsgIcon::Error));
    wizard.sheet.PostWizardButtons(kWizBack | kWizNext | kWizFinish);   // Finish hides the enabled Next
  };
  wizard.project.nextAnswer = -1;
  EXPECT_EQ(RunWizard(R"(expect messages 0
answer yes
next
expect messages 2
expect message 12518
expect buttons back finish
cancel
expect closed cancel
)"),
            "");
  EXPECT_EQ(answers, (std::vector<int>{kAnswerYes, kAnswerOk}));
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_FALSE(ui.messages()[0].defaulted);
  EXPECT_TRUE(ui.messages()[1].defaulted);
}

// An abandoned handler fails its step and leaves the page in front.
TEST_F(HeadlessDriverTest, AnAbandonedHandlerAndAScriptThatEndsWithTheWizardOpenFail) {
  wizard.project.onNext = [] { throw std::out_of_range("no such record"); };
  EXPECT_EQ(RunWizard("next\nexpect page 0\nexpect closed cancel\n"),
            "w.script:1: the handler of OnWizardNext failed: no such record\n"
            "w.script:3: a window is still open\nw.script:3: the script ended while the wizard was still open\n");
  EXPECT_EQ(result, kIdCancel);
  ASSERT_FALSE(ui.closed().empty());
  EXPECT_TRUE(ui.closed().back().inputRanOut);
}

TEST_F(HeadlessDriverTest, ReadsAfterTheWizardClosedNameWhatIsMissing) {
  EXPECT_EQ(RunWizard("cancel\nexpect page 0\nexpect text 35027 \"\"\nnext\nexpect closed cancel\n"),
            "w.script:2: no wizard page is in front\n"
            "w.script:3: the window in front has no control 35027\n"
            "w.script:4: no window takes input\n");
}

}  // namespace
}  // namespace pf
