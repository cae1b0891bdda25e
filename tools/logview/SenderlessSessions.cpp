#include "SenderlessSessions.h"

#include <algorithm>

#include "common/Format.h"

namespace pf {
namespace {

bool IsUnloadCall(const LogRecord& record) {
  LogLine line;
  return IsCallLine(record) && ParseLogLine(record.payload, line) && line.text.rfind(u"COVXIF::Unload(", 0) == 0;
}

}  // namespace

uint32_t SenderlessSessions::LoadingProcess(const ModuleHosts& hosts) const {
  std::vector<uint32_t> fresh;
  for (uint32_t process : hosts.processes) {
    const bool busy =
        std::any_of(open_.begin(), open_.end(), [&](const OpenSession& s) { return s.process == process; });
    if (!busy) fresh.push_back(process);
  }
  return hosts.complete && fresh.size() == 1 ? fresh.front() : 0;
}

void SenderlessSessions::Start(int64_t timeMs, uint32_t process) {
  const uint32_t session = viewer_.book().NextSession();
  viewer_.StartSession(session, process, timeMs);
  if (!open_.empty()) {
    viewer_.Note(timeMs, Format(L"session %u began before session %u was unloaded: if two modules are logging at "
                                L"once, their records cannot be told apart from here on",
                                session, open_.back().session));
  }
  open_.push_back({session, process, 0, false});
}

void SenderlessSessions::Receive(int64_t timeMs, const LogRecord& record,
                                 const std::function<ModuleHosts()>& hostsAtLoad) {
  if (IsModuleLoadLine(record)) {
    Start(timeMs, LoadingProcess(hostsAtLoad()));
  } else if (open_.empty()) {
    Start(timeMs, 0);
  }
  viewer_.Receive(open_.back().session, timeMs, record);
  Follow(open_.back(), timeMs, record);
}

void SenderlessSessions::Follow(OpenSession& open, int64_t timeMs, const LogRecord& record) {
  if (open.depth == 0 && IsUnloadCall(record)) open.unloading = true;
  if (record.type == kLogGroupOpen) ++open.depth;
  if (record.type != kLogGroupClose || open.depth == 0) return;
  if (--open.depth == 0 && open.unloading) {
    viewer_.EndSession(open.session, timeMs);
    open_.pop_back();
  }
}

}  // namespace pf
