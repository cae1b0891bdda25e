// Where the host's report goes. A report file named with --report takes it
// in every run. Otherwise: host.exe is a window program, and started by a
// person it opens no console and prints nothing; what stops it (a plug-in
// that is not there or cannot be loaded, a failed interface check) is shown
// in a message box. A scripted run (--script) keeps its report for whoever
// started it: on the standard output it was given (a pipe, a redirected
// file, or the terminal under Wine), else on the console of the process that
// started it, and only when there is none in a message box.
#pragma once

namespace pf {

enum class ReportDestination {
  File,            // the --report file
  StandardOutput,  // the standard output handle the host was started with
  ParentConsole,   // the starting process's console, else a message box
  Box,             // collected, and shown in a message box when anything was written
};

// The destination of a run: `scripted` for --script, `reportFile` when
// --report names a file, `hasStandardOutput` when the process was started
// with a usable standard output handle.
ReportDestination ChooseReportDestination(bool scripted, bool reportFile, bool hasStandardOutput);

// Whether the report's last line ("N passed, M failed") is written: for
// scripted runs only, a person is not shown a count.
bool ReportsCounts(ReportDestination destination);

}  // namespace pf
