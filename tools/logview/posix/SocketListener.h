// The viewer's endpoint on POSIX: a Unix stream socket named after the
// viewer's window title in $XDG_RUNTIME_DIR (else in /tmp/pathforge-<uid>/,
// made with mode 0700), serving one connection after another. Only POSIX
// code here.
//
// SIGINT, SIGTERM and SIGHUP are held back while the listener exists and are
// taken only while it waits, so a stop request ends any wait at once and the
// socket file is always removed.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>

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

  // Waits for the next connection: its descriptor, or -1 once a stop was
  // requested.
  int Accept();

  // Waits for bytes of a connection: their count, 0 at its end, -1 once a
  // stop was requested (or the read failed).
  long Receive(int connection, char* buffer, std::size_t size);

  bool StopRequested() const;
  const std::string& path() const { return path_; }

 private:
  // Waits until `fd` is readable; false once a stop was requested.
  bool Wait(int fd);

  std::string path_;
  int fd_ = -1;
  sigset_t waitMask_;  // the signal mask while waiting: the stop signals let through
};

}  // namespace pf
