// Where the host's report goes (see ReportDestination.h).
#include "ReportDestination.h"

namespace pf {

ReportDestination ChooseReportDestination(bool scripted, bool reportFile, bool hasStandardOutput) {
  if (!scripted) return ReportDestination::Box;
  if (reportFile) return ReportDestination::File;
  return hasStandardOutput ? ReportDestination::StandardOutput : ReportDestination::ParentConsole;
}

bool ReportsCounts(ReportDestination destination) { return destination != ReportDestination::Box; }

}  // namespace pf
