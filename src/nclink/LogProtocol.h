// The log record as the module sends it and the log viewer takes it: where
// the viewer is found, the record types, the outcome marks of a line record
// and the limits of a record's size. The module (CLogChannel and its
// endpoints), the viewer (tools/logview) and the tests take them from here.
//
// A line record's payload: the level (1 byte), the outcome mark (1 byte),
// the text in UTF-16LE and a 16-bit zero. A group record's payload is one
// byte, 0. On a byte stream (the POSIX socket, the viewer's record files) a
// record is framed as its type (u32 LE), its payload's size (u32 LE) and the
// payload.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {

// The log viewer's window title; on POSIX the name of its socket too.
inline constexpr wchar_t kLogViewerTitle[] = L"Drive Composer log viewer";

// Record types.
enum LogRecordType : uint32_t {
  kLogGroupOpen = 3,
  kLogGroupClose = 4,
  kLogLine = 5,
};

// Outcome marks of a line record.
enum LogMark : uint8_t {
  kMarkCall = 0,
  kMarkSuccess = 1,
  kMarkFailure = 3,
};

// A line record's level and mark, in front of its text.
inline constexpr std::size_t kLogLineHeader = 2;

// Longest text of a line record in UTF-16 code units, terminator excluded:
// the module cuts longer texts to this length.
inline constexpr std::size_t kMaxLogText = 1023;

// The largest payload a receiver takes from a stream, well above the longest
// line record (kLogLineHeader + 2 x (kMaxLogText + 1) bytes): a stream that
// announces more is not a record stream.
inline constexpr uint32_t kMaxLogPayload = 64 * 1024;

// Bytes in front of each payload in a frame: the type and the size.
inline constexpr std::size_t kLogFrameHeader = 8;

// A line record: what the module sends and the viewer reads back.
struct LogLine {
  uint8_t level = 0;
  uint8_t mark = kMarkCall;
  std::u16string text;
};

// POSIX only: the viewer's socket, named kLogViewerTitle, in
// $XDG_RUNTIME_DIR, else in /tmp/pathforge-<uid> (which the viewer makes,
// private to the user).
std::string LogViewerSocketFolder();
std::string LogViewerSocketPath();

}  // namespace pf
