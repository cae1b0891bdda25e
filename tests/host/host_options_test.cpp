// The Windows host's command line: what it accepts and what it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostOptions.h"

namespace pf {
namespace {

// The option values are checked for the accepted lines only.
struct OptionRow {
  std::vector<std::wstring> args;
  bool accepted;
  const wchar_t *script, *shots, *machine, *report, *plugin;
  int paceMs;
  bool waitViewer;
};

const OptionRow kRows[] = {
    {{}, true, L"", L"", L"", L"", L"", 0, false},
    {{L"--script", L"a.script"}, true, L"a.script", L"", L"", L"", L"", 0, false},
    {{L"--script", L"a.script", L"--shots", L"out", L"--pace", L"250000"},
     true, L"a.script", L"out", L"", L"", L"", 250000, false},
    {{L"--machine", L"m.ini", L"--wait-viewer", L"--script", L"a.script"},
     true, L"a.script", L"", L"m.ini", L"", L"", 0, true},
    {{L"--plugin", L"..\\x86\\40.PathForge.pin"}, true, L"", L"", L"", L"", L"..\\x86\\40.PathForge.pin", 0, false},
    {{L"--report", L"r.txt"}, true, L"", L"", L"", L"r.txt", L"", 0, false},
    // Pictures and pace belong to a script.
    {{L"--shots", L"out"}, false, L"", L"", L"", L"", L"", 0, false},
    {{L"--pace", L"10"}, false, L"", L"", L"", L"", L"", 0, false},
    // A value is missing, or is not a number of milliseconds.
    {{L"--script"}, false, L"", L"", L"", L"", L"", 0, false},
    {{L"--script", L"a.script", L"--pace", L"fast"}, false, L"", L"", L"", L"", L"", 0, false},
    {{L"--script", L"a.script", L"--pace", L"-5"}, false, L"", L"", L"", L"", L"", 0, false},
    {{L"--script", L"a.script", L"--pace", L"1234567"}, false, L"", L"", L"", L"", L"", 0, false},
    {{L"--scripts", L"a.script"}, false, L"", L"", L"", L"", L"", 0, false},
};

TEST(HostOptionsTest, AcceptsTheOptionsAndRefusesTheRest) {
  for (const OptionRow& row : kRows) {
    SCOPED_TRACE(&row - kRows);
    HostOptions options;
    EXPECT_EQ(ParseHostOptions(row.args, options), row.accepted);
    if (!row.accepted) continue;
    EXPECT_EQ(options.script, row.script);
    EXPECT_EQ(options.shots, row.shots);
    EXPECT_EQ(options.machine, row.machine);
    EXPECT_EQ(options.report, row.report);
    EXPECT_EQ(options.plugin, row.plugin);
    EXPECT_EQ(options.paceMs, row.paceMs);
    EXPECT_EQ(options.waitViewer, row.waitViewer);
  }
}

}  // namespace
}  // namespace pf
