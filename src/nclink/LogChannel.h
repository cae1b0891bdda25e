// CLogChannel: the module's one-way link to the log viewer.
//
// Every call into the NC-interface library shows in the viewer as a group:
// BeginLog writes the call line (mark kMarkCall) and opens a group, AddLog
// writes the outcome line, EndLog closes the group. Groups nest, so calls
// made inside another call's group show inside it.
//
// Records leave in runs rather than one by one: the call line and the group
// it opens leave together, before the call is made; an outcome line waits
// for the group's close and leaves with it. So a call costs the viewer two
// deliveries, not four, and every record of it has been delivered when the
// call returns.
//
// The viewer is looked up once, when the channel is made; when it was not
// running then, nothing is ever sent, even if it starts later.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Format.h"
#include "common/Text.h"
#include "nclink/LogEndpoint.h"
#include "nclink/LogProtocol.h"

namespace pf {

class CLogChannel {
 public:
  // Looks up the viewer, now and only now.
  CLogChannel();
  ~CLogChannel();
  CLogChannel(const CLogChannel&) = delete;
  CLogChannel& operator=(const CLogChannel&) = delete;

  // True when a viewer was found at construction.
  bool IsOn() const { return m_hViewer != kNoLogViewer; }

  // Writes the formatted text as a line with mark kMarkCall, then opens a
  // group. The format is printf-style as pf::Format reads it.
  template <class... Args>
  void BeginLog(uint8_t level, const wchar_t* format, const Args&... args) {
    if (!IsOn()) {
      return;
    }
    PutLine({level, kMarkCall, ToUtf16(Format(format, args...))});
    PutGroup(kLogGroupOpen);
    Flush();
  }

  // Writes the formatted text as a line with the given outcome mark. The
  // line leaves with the next record that is sent at once (EndLog's).
  template <class... Args>
  void AddLog(uint8_t level, uint8_t mark, const wchar_t* format, const Args&... args) {
    if (!IsOn()) {
      return;
    }
    PutLine({level, mark, ToUtf16(Format(format, args...))});
  }

  // Closes the group that the last open BeginLog opened, sending what waits.
  void EndLog();

  // Cuts the text to kMaxLogText code units, removes its trailing characters
  // of code 0x20 or less, and sends it as a line record: level, mark, the
  // text in UTF-16LE and a 16-bit terminator. Records waiting leave first.
  void SendLine(const LogLine& line);

 private:
  // Frames a record behind the ones waiting.
  void PutLine(const LogLine& line);
  void PutGroup(LogRecordType type);
  // Sends every waiting record.
  void Flush();

  LogViewerHandle m_hViewer;
  std::vector<uint8_t> m_frames;  // waiting records, framed; one buffer reused for every run
};

}  // namespace pf
