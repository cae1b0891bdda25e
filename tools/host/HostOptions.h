// The host's command line:
//
//   host.exe [--script FILE [--shots DIR] [--pace MS]] [--report FILE] [--machine FILE] [--plugin FILE]
//            [--wait-viewer]
//
//   --script FILE   run the wizard script FILE against the real wizard
//   --shots DIR     keep screenshots (BMP) of every page and message box there
//   --pace MS       wait MS milliseconds before each step, for watching
//   --report FILE   write the report to FILE (see ReportDestination.h)
//   --machine FILE  the simulated NC library's machine description
//   --plugin FILE   load this plug-in file instead of 40.PathForge.pin by its
//                   name (the host's own folder first); the NC library is
//                   still looked for beside the host first
//   --wait-viewer   wait (up to ten seconds) for the log viewer before
//                   loading the module, which looks for it once, at load
#pragma once

#include <string>
#include <vector>

namespace pf {

struct HostOptions {
  std::wstring script;
  std::wstring shots;
  std::wstring machine;
  std::wstring report;
  std::wstring plugin;
  int paceMs = 0;
  bool waitViewer = false;
};

// Reads the arguments (without the program name); false for an unknown or
// incomplete one.
bool ParseHostOptions(const std::vector<std::wstring>& args, HostOptions& options);

extern const char kHostUsage[];

}  // namespace pf
