// The log viewer's endpoint on POSIX: a Unix stream socket in the user's
// runtime folder. Only POSIX code here.
#include "nclink/LogEndpoint.h"

#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
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

// Little-endian, as the record layout has it.
void PutU32(uint8_t* bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    *bytes++ = static_cast<uint8_t>(value >> shift);
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
  uint8_t header[8];
  PutU32(header, type);
  PutU32(header + 4, static_cast<uint32_t>(payload.size()));
  // Header and payload leave in one call, without copying them together.
  iovec parts[2] = {{header, sizeof header}, {const_cast<uint8_t*>(payload.data()), payload.size()}};
  msghdr message{};
  message.msg_iov = parts;
  message.msg_iovlen = 2;
  std::size_t left = sizeof header + payload.size();
  while (left > 0) {
    // MSG_NOSIGNAL: a viewer that has closed gives EPIPE, never SIGPIPE.
    const ssize_t n = sendmsg(static_cast<int>(viewer), &message, MSG_NOSIGNAL);
    if (n <= 0) {
      return;
    }
    left -= static_cast<std::size_t>(n);
    // A partial send: go on from where it stopped.
    for (std::size_t sent = static_cast<std::size_t>(n); sent > 0 && message.msg_iovlen > 0;) {
      iovec& part = message.msg_iov[0];
      const std::size_t step = std::min(sent, part.iov_len);
      part.iov_base = static_cast<uint8_t*>(part.iov_base) + step;
      part.iov_len -= step;
      sent -= step;
      if (part.iov_len == 0) {
        ++message.msg_iov;
        --message.msg_iovlen;
      }
    }
  }
}

void ReleaseLogViewer(LogViewerHandle viewer) {
  if (viewer != kNoLogViewer) {
    close(static_cast<int>(viewer));
  }
}

}  // namespace pf
