#include "LogViewer.h"

namespace pf {

std::vector<LogEntry> LogViewer::Receive(const LogRecord& record) {
  if (recordFile_ != nullptr) *recordFile_ << EncodeLogFrame(record) << std::flush;
  return tree_.Add(record);
}

}  // namespace pf
