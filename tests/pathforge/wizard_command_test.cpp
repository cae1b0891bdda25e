// `pathforge wizard`: the built-in demo, scripts with passing and failing
// checks, a chosen machine, and the command's own errors.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <sstream>
#include <string>
#include <vector>

#include "WizardCommand.h"
#include "common/Path.h"
#include "support/TempFolder.h"
#include "common/Text.h"

namespace pf {
namespace {

class WizardCommandTest : public ::testing::Test {
 protected:
  WizardCommandTest() {
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);  // no log viewer
    unsetenv("OVXSIM_MACHINE");
  }
  ~WizardCommandTest() override { unsetenv("OVXSIM_MACHINE"); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = folder_ + "/" + name;
    EXPECT_TRUE(WriteFileBytes(ToWide(path), text));
    return path;
  }

  int Run(const std::vector<std::string>& args) { return RunWizardCommand(args, out, err); }

  test::TempFolder data_;
  std::string folder_ = ToNarrow(data_.Path());
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(WizardCommandTest, TheDemoPrintsEachPageAndTheFilesWritten) {
  EXPECT_EQ(Run({}), 0);
  const std::string text = out.str();
  const char* const kShown[] = {
      "== page 0: Project / ",
      "  35027 ComboBox \"Demo\"\n  35050 Static \"\"\n  buttons: next\n",
      "== page 2: Program selection / ",
      "       [x] Time constant\n         [x] Axis $1-X\n",
      "== page 4: Time constant / ",
      "  35049 Static \"\"\n        path 0, 2 limit lines, texts \"-500.000\" \"500.000\" \"200 mm\" \"X\"\n",
      "== page 14: Program summary / ",
      "  buttons: back finish\n",
      "== Program/Demo/$1-X/TimeConstant/G1aa.eia (83 bytes)\n  (smptime=0.40)\n  G91G64\n  G01X100.F36000.\n",
      "== Program/Demo/Project.dat (45 bytes)\n  [Machine]\n  MachineInfo=1\n  [GCode]\n  Number=0\n",
  };
  std::size_t from = 0;
  for (const char* shown : kShown) {
    SCOPED_TRACE(shown);
    const std::size_t at = text.find(shown, from);
    ASSERT_NE(at, std::string::npos);
    from = at;
  }
  const std::string summary = "16 passed, 0 failed\n";
  EXPECT_EQ(text.substr(text.size() - summary.size()), summary);
  EXPECT_EQ(err.str(), "");
}

// A failed check is reported with its line; the steps after it still run.
TEST_F(WizardCommandTest, TheMachineOptionChoosesTheSimulatedMachine) {
  const std::string machine = Write("one-axis.ini", "[System1]\nAxes=B\n[Axes]\nOT_MINUS=-1\nOT_PLUS=1\nMAX_SPEED=100\n");
  const std::string script = Write("machine.script", R"(type 35027 "One"
expect page 3
next
pick 35003 "$1-B"
cancel
expect closed cancel
)");
  EXPECT_EQ(Run({"--machine", machine, "--script", script}), 1);
  EXPECT_EQ(err.str(), script + ":2: page 0 is active, expected page 3\n");
  EXPECT_EQ(out.str(), "5 passed, 1 failed\n");
}

TEST_F(WizardCommandTest, FoldersOutsideAsciiAreUtf8) {
  const std::string scripts = folder_ + "/Skripte-M\xc3\xbcller";
  ASSERT_TRUE(MakeDirectory(ToWide(scripts)));
  const std::string script = Write("Skripte-M\xc3\xbcller/same.script", R"(cancel
expect closed cancel
expect file "note.txt" same-as "note.txt"
)");
  Write("Skripte-M\xc3\xbcller/note.txt", "bytes of the script's folder");
  ASSERT_TRUE(MakeDirectory(data_.DataFolder()));
  ASSERT_TRUE(WriteFileBytes(data_.DataFolder() + L"note.txt", "bytes of the script's folder"));
  EXPECT_EQ(Run({"--script", script}), 0);
  EXPECT_EQ(out.str(), "3 passed, 0 failed\n");
  EXPECT_EQ(err.str(), "");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* error;
};

TEST_F(WizardCommandTest, UnusableArgumentsAndScriptsGiveStatus2) {
  const std::string bad = Write("bad.script", "next\njump\n");
  const UsageCase cases[] = {
      {{"--script"}, "usage: pathforge wizard [--machine FILE] [--script FILE]\n"},
      {{"--colour", "red"}, "usage: pathforge wizard [--machine FILE] [--script FILE]\n"},
      {{"--script", folder_ + "/none.script"}, "/none.script cannot be read\n"},
      {{"--script", bad}, "/bad.script:2: unknown step or check \"jump\"\n"},
  };
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.error);
    err.str("");
    out.str("");
    EXPECT_EQ(Run(c.args), 2);
    const std::string text = err.str();
    ASSERT_GE(text.size(), std::string(c.error).size());
    EXPECT_EQ(text.substr(text.size() - std::string(c.error).size()), c.error);
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace pf
