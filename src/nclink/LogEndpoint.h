// The link to the log-viewer program on this platform: found once, then
// handed records in their wire form.
//
// A run of records is held as frames one after another, each one the record
// type (u32 LE), the payload size (u32 LE) and the payload bytes.
//
// Windows (win32/LogEndpoint.cpp): the viewer is the top-level window titled
// kLogViewerTitle, and each frame travels as one WM_COPYDATA message (record
// type, size, payload). POSIX (posix/LogEndpoint.cpp): the viewer listens on
// LogViewerSocketPath(), and the frames are written to it as they stand, the
// whole run in one write.
//
// Sending is fire-and-forget: a viewer that has gone away makes every send
// fail quietly.
#pragma once

#include <cstdint>
#include <vector>

#include "nclink/LogProtocol.h"

namespace pf {

// The found viewer: a window on Windows, a connected socket on POSIX.
using LogViewerHandle = std::intptr_t;

// No viewer: logging is off.
inline constexpr LogViewerHandle kNoLogViewer = -1;

// Looks for the viewer now; kNoLogViewer when it is not running.
LogViewerHandle FindLogViewer();

// Sends the frames' records in order, synchronously: the viewer has them
// when this returns. The outcome is ignored.
void SendLogFrames(LogViewerHandle viewer, const std::vector<uint8_t>& frames);

// Lets go of what FindLogViewer holds (the socket on POSIX).
void ReleaseLogViewer(LogViewerHandle viewer);

}  // namespace pf
