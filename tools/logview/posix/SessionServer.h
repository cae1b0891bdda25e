// Serves every module connection at the same time: one poll over the
// listening socket and all open connections, each connection a session of
// its own, so a module that keeps its connection open never holds up
// another one's sends. Only POSIX code here.
//
// A thread of its own only takes what arrives (as fast as a receiver that
// does nothing with it), stamped with its time; the caller's thread turns it
// into records and lines in batches, so the modules never wait for the
// viewer's work. What waits for the lines is bounded (kMaxQueuedBytes): a
// flood faster than the lines can be made waits in the modules' sockets,
// not in the viewer's memory. A stop request ends the viewer after the
// record at hand; what was received and not shown yet is counted on stderr.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "LogRecord.h"
#include "LogViewer.h"
#include "SocketListener.h"

namespace pf {

class SessionServer {
 public:
  SessionServer(SocketListener& listener, LogViewer& viewer) : listener_(listener), viewer_(viewer) {}
  SessionServer(const SessionServer&) = delete;
  SessionServer& operator=(const SessionServer&) = delete;

  // Serves until a stop is requested or, with `once`, until no connection
  // is left after the first one came. `afterBatch` runs after each batch.
  void Run(bool once, const std::function<void()>& afterBatch);

  // Bytes received that may wait for the lines at most.
  static constexpr std::size_t kMaxQueuedBytes = std::size_t{4} * 1024 * 1024;

 private:
  enum class EventKind { Start, Bytes, End };
  struct Event {
    EventKind kind;
    uint32_t session;
    int64_t timeMs;
    uint32_t process;   // Start
    std::string bytes;  // Bytes
  };
  struct Connection {
    int fd;
    uint32_t session;
  };

  // The receiving thread: accepts and reads until told or done.
  void Receive(bool once);
  // Reads what the connection has and posts it; false at its end.
  bool Take(const Connection& connection, std::string& chunk);
  void Post(Event event);
  bool QueueFull();
  // The caller's thread: what arrived, into the viewer; false when a stop
  // request came first.
  bool Apply(std::vector<Event>& batch);
  void Apply(Event& event);
  void Report(uint32_t session, const LogFrameReader& reader) const;

  SocketListener& listener_;
  LogViewer& viewer_;

  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<Event> events_;  // under mutex_
  std::size_t queuedBytes_ = 0;  // under mutex_: the bytes in events_
  bool done_ = false;          // under mutex_: the receiving thread has ended

  std::map<uint32_t, LogFrameReader> readers_;  // the caller's thread only
};

}  // namespace pf
