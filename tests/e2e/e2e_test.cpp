// The wizard end to end: each case is a script of this folder run through
// the plug-in's StartIF, as a host calls it, on the headless toolkit and the
// simulated NC, in a fresh data folder. The scripts check the pages on the
// way and compare the files written byte for byte with their golden copies.
//
// Every <name>.script of this folder is a case; <name>.machine.ini, when
// present, is the simulated machine (else the built-in one); <name>.data/,
// when present, is copied into the data folder before the run.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "common/Path.h"
#include "support/TempFolder.h"
#include "common/Text.h"
#include "support/PluginHost.h"

namespace pf {
namespace {

// The lines that count as passed or failed.
int CountedLines(const Script& script) {
  return static_cast<int>(std::count_if(script.commands.begin(), script.commands.end(), [](const ScriptCommand& c) {
    return c.op != ScriptOp::Answer && c.op != ScriptOp::Screenshot;
  }));
}

TEST(EndToEnd, ScriptedWizardsWriteTheGoldenFiles) {
  const PluginModule* plugin = test::LoadedPlugin();
  ASSERT_NE(plugin, nullptr);
  const std::filesystem::path folder = PF_E2E_DIR;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".script") continue;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    test::TempFolder data;
    const std::filesystem::path machine = folder / (name + ".machine.ini");
    if (std::filesystem::exists(machine)) {
      setenv("OVXSIM_MACHINE", machine.c_str(), 1);
    } else {
      unsetenv("OVXSIM_MACHINE");
    }
    const std::filesystem::path files = folder / (name + ".data");
    if (std::filesystem::exists(files)) {
      std::filesystem::create_directories(data.DataFolder());
      std::filesystem::copy(files, data.DataFolder(), std::filesystem::copy_options::recursive);
    }

    Script script;
    script.fileName = ToWide(name) + L".script";
    std::string bytes;
    std::wstring error;
    ASSERT_TRUE(ReadFileBytes(entry.path().wstring(), bytes));
    ASSERT_TRUE(ParseScript(bytes, script, error)) << ToNarrow(error);
    const test::ScriptOutcome outcome = test::RunScript(*plugin, script, folder.wstring() + L"/");
    EXPECT_EQ(outcome.report, "");
    EXPECT_EQ(outcome.passed, CountedLines(script));
  }
  unsetenv("OVXSIM_MACHINE");
}

}  // namespace
}  // namespace pf
