// The log viewer's endpoint on POSIX: a Unix stream socket in the user's
// runtime folder. Only POSIX code here.
#include "nclink/LogEndpoint.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/Text.h"

namespace pf {
namespace {

// $XDG_RUNTIME_DIR, else the per-user folder below /tmp that the viewer makes.
std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') {
    return runtime;
  }
  return "/tmp/pathforge-" + std::to_string(getuid());
}

void AppendU32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
}

}  // namespace

LogViewerHandle FindLogViewer() {
  const std::string path = RuntimeFolder() + "/" + ToNarrow(kLogViewerTitle);
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) {
    return kNoLogViewer;
  }
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    return kNoLogViewer;
  }
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    close(fd);
    return kNoLogViewer;
  }
  return fd;
}

void SendLogRecord(LogViewerHandle viewer, uint32_t type, const std::vector<uint8_t>& payload) {
  if (viewer == kNoLogViewer) {
    return;
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(8 + payload.size());
  AppendU32(bytes, type);
  AppendU32(bytes, static_cast<uint32_t>(payload.size()));
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  // MSG_NOSIGNAL: a viewer that has closed gives EPIPE, never SIGPIPE.
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(static_cast<int>(viewer), bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) {
      return;
    }
    sent += static_cast<size_t>(n);
  }
}

void ReleaseLogViewer(LogViewerHandle viewer) {
  if (viewer != kNoLogViewer) {
    close(static_cast<int>(viewer));
  }
}

}  // namespace pf
