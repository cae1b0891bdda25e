#include "SocketListener.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "nclink/LogProtocol.h"

namespace pf {
namespace {

// Set by the signal handler on the receiving thread, read by every thread.
std::atomic<bool> g_stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the stop flag is set in a signal handler");

void RequestStop(int) { g_stopRequested = true; }

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The socket's folder, made private to the user when it is missing; false,
// with a message, when it is not a folder of this user's alone.
bool MakePrivateFolder(const std::string& folder, std::string& error) {
  struct stat info {};
  if ((mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) || lstat(folder.c_str(), &info) != 0) {
    error = folder + ": " + std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode) || info.st_uid != getuid() || (info.st_mode & 077) != 0) {
    error = folder + ": not a folder private to this user";
    return false;
  }
  return true;
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  path.copy(address.sun_path, path.size());
  return true;
}

// True when a viewer answers on the socket file.
bool SomeoneListens(const sockaddr_un& address) {
  const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool answered = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  close(probe);
  return answered;
}

}  // namespace

SocketListener::SocketListener() {
  sigset_t stops;
  sigemptyset(&stops);
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  for (int signal : kStopSignals) {
    sigaddset(&stops, signal);
    sigaction(signal, &action, nullptr);
  }
  sigprocmask(SIG_BLOCK, &stops, &waitMask_);
  for (int signal : kStopSignals) sigdelset(&waitMask_, signal);
}

SocketListener::~SocketListener() {
  if (fd_ < 0) return;
  close(fd_);
  unlink(path_.c_str());
}

bool SocketListener::Open(std::string& error) {
  if (!MakePrivateFolder(LogViewerSocketFolder(), error)) return false;
  path_ = LogViewerSocketPath();
  // The socket listens under a name of its own before it takes the path a
  // module looks for (replacing a stale file left by a viewer that died), so
  // a module that looks once never finds a socket file that refuses it.
  const std::string bound = path_ + "." + std::to_string(getpid());
  sockaddr_un address;
  sockaddr_un boundAddress;
  if (!MakeAddress(path_, address) || !MakeAddress(bound, boundAddress)) {
    error = path_ + ": the path is too long for a socket";
    return false;
  }
  if (SomeoneListens(address)) {
    error = path_ + ": another log viewer is listening";
    return false;
  }
  unlink(bound.c_str());
  fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0 || bind(fd_, reinterpret_cast<const sockaddr*>(&boundAddress), sizeof(boundAddress)) != 0 ||
      listen(fd_, 16) != 0 || rename(bound.c_str(), path_.c_str()) != 0) {
    error = path_ + ": " + std::strerror(errno);
    if (fd_ >= 0) close(fd_);
    unlink(bound.c_str());
    fd_ = -1;
    return false;
  }
  return true;
}

bool SocketListener::StopRequested() const { return g_stopRequested; }

bool SocketListener::Wait(std::vector<pollfd>& fds) {
  while (!StopRequested()) {
    if (ppoll(fds.data(), fds.size(), nullptr, &waitMask_) > 0) return true;
  }
  return false;
}

bool SocketListener::Pause(int ms) {
  const timespec wait{0, ms * 1000000L};
  ppoll(nullptr, 0, &wait, &waitMask_);
  return !StopRequested();
}

int SocketListener::Accept() { return accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC); }

uint32_t PeerProcess(int connection) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return 0;
  return static_cast<uint32_t>(peer.pid);
}

}  // namespace pf
