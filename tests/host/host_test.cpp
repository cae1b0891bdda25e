// The parts of the Windows host that compile natively: its command line,
// where its report goes and whether it ends in the counts, and where it puts
// the log viewer once the wizard is shown.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "HostOptions.h"
#include "ReportDestination.h"
#include "ViewerPlacement.h"

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

const OptionRow kOptionRows[] = {
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
  for (const OptionRow& row : kOptionRows) {
    SCOPED_TRACE(&row - kOptionRows);
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

struct DestinationRow {
  bool scripted, reportFile, hasStandardOutput;
  ReportDestination destination;
  bool counts;
};

constexpr DestinationRow kDestinationRows[] = {
    // A person's run: nothing on any output, not even with one at hand, but
    // the file it names.
    {false, false, false, ReportDestination::Box, false},
    {false, false, true, ReportDestination::Box, false},
    {false, true, true, ReportDestination::File, true},
    // A scripted run: the named file first, then the output it was given.
    {true, true, true, ReportDestination::File, true},
    {true, true, false, ReportDestination::File, true},
    {true, false, true, ReportDestination::StandardOutput, true},
    {true, false, false, ReportDestination::ParentConsole, true},
};

TEST(ReportDestinationTest, PersonsSeeNoCountsScriptsKeepTheirReport) {
  for (const DestinationRow& row : kDestinationRows) {
    SCOPED_TRACE(::testing::Message() << "scripted " << row.scripted << ", file " << row.reportFile << ", output "
                                      << row.hasStandardOutput);
    const ReportDestination destination = ChooseReportDestination(row.scripted, row.reportFile, row.hasStandardOutput);
    EXPECT_EQ(destination, row.destination);
    EXPECT_EQ(ReportsCounts(destination), row.counts);
  }
}

struct PlacementRow {
  const char* what;
  ScreenRect wizard;
  ScreenRect viewer;
  ScreenRect expected;
};

constexpr ScreenRect kScreen{0, 0, 1280, 1024};

const PlacementRow kPlacementRows[] = {
    {"room on the right: full size, top aligned", {0, 0, 500, 480}, {0, 0, 720, 560}, {508, 0, 1228, 560}},
    {"just enough room on the right: narrower", {100, 40, 952, 500}, {10, 10, 730, 570}, {960, 40, 1280, 600}},
    {"no room on the right: on the left", {700, 100, 1200, 600}, {0, 0, 720, 560}, {0, 100, 692, 660}},
    {"no room on either side: at the right edge", {300, 0, 1000, 480}, {0, 0, 720, 560}, {560, 0, 1280, 560}},
    {"taller than the room below: cut at the bottom", {0, 600, 560, 900}, {0, 0, 720, 560}, {568, 600, 1280, 1024}},
    {"a wizard above the screen: the viewer stays on it", {0, -50, 560, 400}, {0, 0, 400, 300}, {568, 0, 968, 300}},
};

TEST(ViewerPlacementTest, BesideTheWizardNeverUnderIt) {
  for (const PlacementRow& row : kPlacementRows) {
    SCOPED_TRACE(row.what);
    const ScreenRect placed = ViewerBeside(row.wizard, row.viewer, kScreen);
    EXPECT_EQ(std::tie(placed.left, placed.top, placed.right, placed.bottom),
              std::tie(row.expected.left, row.expected.top, row.expected.right, row.expected.bottom));
    const bool overlaps = placed.left < row.wizard.right && row.wizard.left < placed.right &&
                          placed.top < row.wizard.bottom && row.wizard.top < placed.bottom;
    EXPECT_EQ(overlaps, std::string(row.what).find("either side") != std::string::npos);
  }
}

}  // namespace
}  // namespace pf
