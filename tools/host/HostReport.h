// The host's report on Windows: one stream for the failures and the last
// line, opened where ReportDestination.h says, and closed once: flushed, and
// shown in a message box when it was collected for one.
#pragma once

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "HostOptions.h"
#include "ReportDestination.h"

namespace pf {

class HostReport {
 public:
  explicit HostReport(const HostOptions& options);
  // Closes the report.
  ~HostReport();
  HostReport(const HostReport&) = delete;
  HostReport& operator=(const HostReport&) = delete;

  // False when the --report file cannot be written; the reason is then in
  // the stream, which has fallen back to a message box.
  bool usable() const { return usable_; }
  std::ostream& stream() { return *out_; }
  bool reportsCounts() const { return ReportsCounts(destination_); }
  // Flushes, and shows what was collected for a message box, if anything.
  void Close();

 private:
  ReportDestination destination_;
  std::ofstream file_;
  std::ostringstream collected_;
  std::ostream* out_ = &collected_;
  bool usable_ = true;
  bool closed_ = false;
};

}  // namespace pf
