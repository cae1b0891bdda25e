// The records that the module sends to the log viewer (nclink/LogProtocol.h),
// as the viewer holds them, and the framing that carries them over a byte
// stream (the POSIX socket) and into record files.
#pragma once

#include <cstddef>
#include <climits>
#include <cstdint>
#include <string>

#include "nclink/LogProtocol.h"

namespace pf {

// Frames that only the viewer writes into its record files, beside the
// module's records (which are kept as received). Times are milliseconds
// since 1970-01-01 UTC, signed 64-bit LE; sessions and process ids u32 LE.
inline constexpr uint32_t kFileSessionStart = 0x100;  // session, process id, time
inline constexpr uint32_t kFileStamp = 0x101;         // session, time: of the record that follows
inline constexpr uint32_t kFileSessionEnd = 0x102;    // session, time

// What a second start of the window viewer sends the running one through its
// receiver, never recorded: come to the front, and open the recording whose
// full path (UTF-16LE) is the payload, when there is one.
inline constexpr uint32_t kViewerRequest = 0x200;

// A time that is not known (a recording made without stamps).
inline constexpr int64_t kNoTime = INT64_MIN;

struct LogRecord {
  uint32_t type = 0;
  std::string payload;  // bytes
};

// Reads a line payload. False when it is shorter than 4 bytes, has an odd
// number of text bytes or does not end in the 16-bit terminator. The text
// runs to the first 16-bit zero.
bool ParseLogLine(const std::string& payload, LogLine& line);

// True for a line record with the call mark (whatever its text), told
// without reading the text.
bool IsCallLine(const LogRecord& record);

// True for the line that opens a module's log: the call line of the wrapper's
// load. A viewer that cannot tell its senders apart (the window) starts a new
// session there.
bool IsModuleLoadLine(const LogRecord& record);

// True when the bytes begin with a whole frame of a type that a record file
// holds (the module's records, the viewer's own frames): a file that does not
// is not a recording at all, whatever follows.
bool IsRecording(const std::string& bytes);

// The framed bytes of a record.
std::string EncodeLogFrame(const LogRecord& record);

// The frames of a session start, a stamp and a session end.
std::string EncodeSessionStart(uint32_t session, uint32_t process, int64_t timeMs);
std::string EncodeStamp(uint32_t session, int64_t timeMs);
std::string EncodeSessionEnd(uint32_t session, int64_t timeMs);

// What a viewer frame carries; false when its payload has the wrong size.
struct FileMark {
  uint32_t session = 0;
  uint32_t process = 0;  // session starts only
  int64_t timeMs = kNoTime;
};
bool ParseFileMark(const LogRecord& frame, FileMark& mark);

// Collects bytes read from a stream and hands out the records they hold.
class LogFrameReader {
 public:
  void Feed(const char* data, std::size_t size);

  // Takes the next whole record; false when none is complete yet, or when
  // the stream announced a payload above kMaxLogPayload (see Broken).
  bool Next(LogRecord& record);

  // True once a frame announced a payload above kMaxLogPayload.
  bool Broken() const { return broken_; }

  // Bytes received that do not make a whole record yet.
  std::size_t Pending() const { return buffer_.size() - taken_; }

 private:
  std::string buffer_;
  std::size_t taken_ = 0;  // bytes at the front of buffer_ handed out already
  bool broken_ = false;
};

}  // namespace pf
