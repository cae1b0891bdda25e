// The viewer's endpoint on POSIX: a Unix stream socket named after the
// viewer's window title in $XDG_RUNTIME_DIR (else in /tmp/pathforge-<uid>/,
// made with mode 0700). Only POSIX code here.
//
// SIGINT, SIGTERM and SIGHUP are held back while the listener exists and are
// taken only while it waits, so a stop request ends any wait at once and the
// socket file is always removed.
#pragma once

#include <poll.h>

#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

namespace pf {

class SocketListener {
 public:
  SocketListener();
  // Closes the socket and removes its file.
  ~SocketListener();
  SocketListener(const SocketListener&) = delete;
  SocketListener& operator=(const SocketListener&) = delete;

  // Makes the socket, replacing a stale socket file; false, with a message,
  // when the folder or socket cannot be made or another viewer is listening.
  bool Open(std::string& error);

  // The listening socket, readable when a module connects.
  int fd() const { return fd_; }

  // Takes a waiting connection: its descriptor, or -1 when none waits.
  int Accept();

  // Waits until one of the descriptors is ready (their revents filled in);
  // false once a stop was requested.
  bool Wait(std::vector<pollfd>& fds);

  // Waits a while, taking stop requests; false once a stop was requested.
  bool Pause(int ms);

  bool StopRequested() const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  sigset_t waitMask_;  // the signal mask while waiting: the stop signals let through
};

// The process id of the peer of a connection; 0 when it cannot be told.
uint32_t PeerProcess(int connection);

}  // namespace pf
