// Where the host's report goes (see ReportDestination.h).
#include "ReportDestination.h"

namespace pf {

ReportDestination ChooseReportDestination(bool scripted, bool reportFile, bool hasStandardOutput) {
  if (reportFile) return ReportDestination::File;
  if (!scripted) return ReportDestination::Box;
  return hasStandardOutput ? ReportDestination::StandardOutput : ReportDestination::ParentConsole;
}

bool ReportsCounts(ReportDestination destination) { return destination != ReportDestination::Box; }

}  // namespace pf
