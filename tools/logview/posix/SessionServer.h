// Serves every module connection at the same time: one poll over the
// listening socket and all open connections, each connection a session of
// its own, so a module that keeps its connection open never holds up
// another one's sends. Only POSIX code here.
#pragma once

#include <cstdint>
#include <functional>
#include <list>

#include "LogRecord.h"
#include "LogViewer.h"
#include "SocketListener.h"

namespace pf {

class SessionServer {
 public:
  SessionServer(SocketListener& listener, LogViewer& viewer) : listener_(listener), viewer_(viewer) {}
  ~SessionServer();
  SessionServer(const SessionServer&) = delete;
  SessionServer& operator=(const SessionServer&) = delete;

  // Serves until a stop is requested or, with `once`, until no connection
  // is left after the first one came. `afterBatch` runs whenever what was
  // ready has been taken, before the next wait.
  void Run(bool once, const std::function<void()>& afterBatch);

 private:
  struct Connection {
    int fd;
    uint32_t session;
    LogFrameReader reader;
  };

  void AcceptWaiting();
  // Reads what the connection has; false once it has ended.
  bool Read(Connection& connection);
  void End(Connection& connection);

  SocketListener& listener_;
  LogViewer& viewer_;
  std::list<Connection> connections_;
  uint32_t sessions_ = 0;
};

}  // namespace pf
