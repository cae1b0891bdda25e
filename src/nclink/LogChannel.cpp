// CLogChannel: builds the viewer's records and hands them to the endpoint.
#include "nclink/LogChannel.h"

#include <algorithm>

namespace pf {
namespace {

// Appends a little-endian 16- or 32-bit value.
template <class Unsigned>
void PutLe(std::vector<uint8_t>& bytes, Unsigned value) {
  for (std::size_t shift = 0; shift < 8 * sizeof(Unsigned); shift += 8) {
    bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
}

}  // namespace

CLogChannel::CLogChannel() : m_hViewer(FindLogViewer()) {}

CLogChannel::~CLogChannel() {
  Flush();
  ReleaseLogViewer(m_hViewer);
}

void CLogChannel::EndLog() {
  if (IsOn()) {
    PutGroup(kLogGroupClose);
    Flush();
  }
}

void CLogChannel::SendLine(const LogLine& line) {
  if (IsOn()) {
    PutLine(line);
    Flush();
  }
}

void CLogChannel::PutLine(const LogLine& line) {
  // The text ends at its first terminator and at the buffer's length, and
  // has no trailing blanks or control characters.
  const std::u16string& text = line.text;
  std::size_t length = std::min({text.find(u'\0'), text.size(), kMaxLogText});
  while (length > 0 && text[length - 1] <= u' ') {
    --length;
  }
  PutLe<uint32_t>(m_frames, kLogLine);
  PutLe<uint32_t>(m_frames, static_cast<uint32_t>(kLogLineHeader + 2 * (length + 1)));
  m_frames.push_back(line.level);
  m_frames.push_back(line.mark);
  for (std::size_t i = 0; i < length; ++i) {
    PutLe<uint16_t>(m_frames, text[i]);
  }
  PutLe<uint16_t>(m_frames, 0);
}

void CLogChannel::PutGroup(LogRecordType type) {
  // The group records carry one byte whose value the viewer ignores.
  PutLe<uint32_t>(m_frames, type);
  PutLe<uint32_t>(m_frames, 1);
  m_frames.push_back(0);
}

void CLogChannel::Flush() {
  if (!m_frames.empty()) {
    SendLogFrames(m_hViewer, m_frames);
    m_frames.clear();
  }
}

}  // namespace pf
