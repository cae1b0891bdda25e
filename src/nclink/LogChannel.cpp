// CLogChannel: builds the viewer's records and hands them to the endpoint.
#include "nclink/LogChannel.h"

#include <algorithm>
#include <vector>

namespace pf {

CLogChannel::CLogChannel() : m_hViewer(FindLogViewer()) {}

CLogChannel::~CLogChannel() { ReleaseLogViewer(m_hViewer); }

void CLogChannel::EndLog() {
  if (IsOn()) {
    SendGroup(kLogGroupClose);
  }
}

void CLogChannel::SendLine(LogLine line) {
  if (!IsOn()) {
    return;
  }
  // The text ends at its first terminator and at the buffer's length.
  std::u16string& text = line.text;
  text.resize(std::min({text.find(u'\0'), text.size(), kMaxLogText}));
  while (!text.empty() && text.back() <= u' ') {
    text.pop_back();
  }
  // One payload buffer for every record: no allocation once it has grown.
  std::vector<uint8_t>& payload = m_payload;
  payload.resize(2 + 2 * (text.size() + 1));
  payload[0] = line.level;
  payload[1] = line.mark;
  std::size_t at = 2;
  for (const char16_t unit : text) {
    payload[at++] = static_cast<uint8_t>(unit & 0xFF);
    payload[at++] = static_cast<uint8_t>(unit >> 8);
  }
  payload[at++] = 0;
  payload[at] = 0;
  SendLogRecord(m_hViewer, kLogLine, payload);
}

void CLogChannel::SendGroup(LogRecordType type) {
  // The group records carry one byte whose value the viewer ignores.
  static const std::vector<uint8_t> kGroupPayload{0};
  SendLogRecord(m_hViewer, type, kGroupPayload);
}

}  // namespace pf
