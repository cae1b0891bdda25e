#include "SessionServer.h"

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "LogText.h"

namespace pf {
namespace {

constexpr std::size_t kChunk = std::size_t{64} * 1024;
constexpr std::chrono::milliseconds kBatchEvery(50);
constexpr int kWaitForRoomMs = 10;

}  // namespace

void SessionServer::Run(bool once, const std::function<void()>& afterBatch) {
  std::thread receiving([this, once] { Receive(once); });
  for (bool done = false; !done;) {
    std::vector<Event> batch;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      arrived_.wait_for(lock, kBatchEvery, [this] { return done_; });
      batch.swap(events_);
      queuedBytes_ = 0;
      done = done_;
    }
    done = !Apply(batch) || done;
    afterBatch();
  }
  receiving.join();
}

bool SessionServer::Apply(std::vector<Event>& batch) {
  for (std::size_t i = 0; i < batch.size(); ++i) {
    if (listener_.StopRequested()) {
      std::size_t bytes = 0;
      for (; i < batch.size(); ++i) bytes += batch[i].bytes.size();
      if (bytes != 0) std::cerr << "logview: stopped; " << bytes << " bytes received were not shown\n";
      return false;
    }
    Apply(batch[i]);
  }
  return true;
}

void SessionServer::Post(Event event) {
  std::lock_guard<std::mutex> lock(mutex_);
  queuedBytes_ += event.bytes.size();
  events_.push_back(std::move(event));
}

bool SessionServer::QueueFull() {
  std::lock_guard<std::mutex> lock(mutex_);
  return queuedBytes_ >= kMaxQueuedBytes;
}

void SessionServer::Receive(bool once) {
  std::list<Connection> connections;
  uint32_t sessions = 0;
  std::vector<pollfd> fds;
  std::string chunk(kChunk, '\0');
  while (!(once && sessions > 0 && connections.empty())) {
    if (QueueFull()) {  // the lines are behind: the modules wait in their sockets
      if (!listener_.Pause(kWaitForRoomMs)) break;
      continue;
    }
    fds.assign(1, pollfd{listener_.fd(), POLLIN, 0});
    for (const Connection& connection : connections) fds.push_back(pollfd{connection.fd, POLLIN, 0});
    if (!listener_.Wait(fds)) break;
    auto ready = fds.begin() + 1;
    for (auto connection = connections.begin(); connection != connections.end(); ++ready) {
      if (ready->revents == 0 || Take(*connection, chunk)) {
        ++connection;
        continue;
      }
      close(connection->fd);
      Post({EventKind::End, connection->session, NowMs(), 0, std::string()});
      connection = connections.erase(connection);
    }
    if (fds[0].revents == 0) continue;
    const int fd = listener_.Accept();
    if (fd < 0) {  // out of descriptors, say: wait for a connection to end
      if (!listener_.Pause(kWaitForRoomMs)) break;
      continue;
    }
    connections.push_back(Connection{fd, ++sessions});
    Post({EventKind::Start, sessions, NowMs(), PeerProcess(fd), std::string()});
  }
  for (const Connection& connection : connections) close(connection.fd);
  std::lock_guard<std::mutex> lock(mutex_);
  done_ = true;
  arrived_.notify_one();
}

bool SessionServer::Take(const Connection& connection, std::string& chunk) {
  const ssize_t received = read(connection.fd, chunk.data(), chunk.size());
  if (received <= 0) return false;
  Post({EventKind::Bytes, connection.session, NowMs(), 0, chunk.substr(0, static_cast<std::size_t>(received))});
  return true;
}

void SessionServer::Apply(Event& event) {
  switch (event.kind) {
    case EventKind::Start:
      readers_[event.session] = LogFrameReader();
      viewer_.StartSession(event.session, event.process, event.timeMs);
      break;
    case EventKind::Bytes: {
      LogFrameReader& reader = readers_[event.session];
      if (reader.Broken()) break;
      reader.Feed(event.bytes.data(), event.bytes.size());
      for (LogRecord record; reader.Next(record);) viewer_.Receive(event.session, event.timeMs, record);
      break;
    }
    case EventKind::End:
      Report(event.session, readers_[event.session]);
      readers_.erase(event.session);
      viewer_.EndSession(event.session, event.timeMs);
      break;
  }
}

void SessionServer::Report(uint32_t session, const LogFrameReader& reader) const {
  if (reader.Broken()) {
    std::cerr << "logview: session " << session << ": a record announced more than " << kMaxLogPayload
              << " bytes; the rest of the session was not shown\n";
  } else if (reader.Pending() != 0) {
    std::cerr << "logview: session " << session << ": the connection closed inside a record; " << reader.Pending()
              << " bytes dropped\n";
  }
}

}  // namespace pf
