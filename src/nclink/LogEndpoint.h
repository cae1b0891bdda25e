// The link to the log-viewer program on this platform: found once, then
// given one record at a time.
//
// Windows (win32/LogEndpoint.cpp): the viewer is the top-level window titled
// kLogViewerTitle, and each record travels as a WM_COPYDATA message (record
// type, size, payload). POSIX (posix/LogEndpoint.cpp): the viewer listens on
// a Unix stream socket named kLogViewerTitle in $XDG_RUNTIME_DIR (else in
// /tmp/pathforge-<uid>/); each record travels as type (u32 LE), size
// (u32 LE) and the payload bytes.
//
// Sending is fire-and-forget: a viewer that has gone away makes every send
// fail quietly.
#pragma once

#include <cstdint>
#include <vector>

namespace pf {

// The log viewer's window title, and on POSIX its socket's name.
inline constexpr wchar_t kLogViewerTitle[] = L"Drive Composer log viewer";

// The found viewer: a window on Windows, a connected socket on POSIX.
using LogViewerHandle = std::intptr_t;

// No viewer: logging is off.
inline constexpr LogViewerHandle kNoLogViewer = -1;

// Looks for the viewer now; kNoLogViewer when it is not running.
LogViewerHandle FindLogViewer();

// Sends one record synchronously; the outcome is ignored.
void SendLogRecord(LogViewerHandle viewer, uint32_t type, const std::vector<uint8_t>& payload);

// Lets go of what FindLogViewer holds (the socket on POSIX).
void ReleaseLogViewer(LogViewerHandle viewer);

}  // namespace pf
