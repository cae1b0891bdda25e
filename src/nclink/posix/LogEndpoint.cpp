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

std::string LogViewerSocketFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') {
    return runtime;
  }
  return "/tmp/pathforge-" + std::to_string(getuid());
}

std::string LogViewerSocketPath() { return LogViewerSocketFolder() + "/" + ToNarrow(kLogViewerTitle); }

LogViewerHandle FindLogViewer() {
  const std::string path = LogViewerSocketPath();
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

void SendLogFrames(LogViewerHandle viewer, const std::vector<uint8_t>& frames) {
  if (viewer == kNoLogViewer) {
    return;
  }
  // The frames are already the stream's bytes: they leave as they stand.
  for (std::size_t sent = 0; sent < frames.size();) {
    // MSG_NOSIGNAL: a viewer that has closed gives EPIPE, never SIGPIPE.
    const ssize_t n = send(static_cast<int>(viewer), frames.data() + sent, frames.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) {
      return;
    }
    sent += static_cast<std::size_t>(n);
  }
}

void ReleaseLogViewer(LogViewerHandle viewer) {
  if (viewer != kNoLogViewer) {
    close(static_cast<int>(viewer));
  }
}

}  // namespace pf
