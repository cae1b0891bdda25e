// Where the Windows host's report goes, and whether it ends in the counts.
#include <gtest/gtest.h>

#include "ReportDestination.h"

namespace pf {
namespace {

struct DestinationRow {
  bool scripted, reportFile, hasStandardOutput;
  ReportDestination destination;
  bool counts;
};

constexpr DestinationRow kRows[] = {
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
  for (const DestinationRow& row : kRows) {
    SCOPED_TRACE(::testing::Message() << "scripted " << row.scripted << ", file " << row.reportFile << ", output "
                                      << row.hasStandardOutput);
    const ReportDestination destination = ChooseReportDestination(row.scripted, row.reportFile, row.hasStandardOutput);
    EXPECT_EQ(destination, row.destination);
    EXPECT_EQ(ReportsCounts(destination), row.counts);
  }
}

}  // namespace
}  // namespace pf
