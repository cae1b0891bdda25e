#include "SessionServer.h"

#include <unistd.h>

#include <iostream>
#include <vector>

#include "LogText.h"

namespace pf {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

SessionServer::~SessionServer() {
  for (Connection& connection : connections_) close(connection.fd);
}

void SessionServer::Run(bool once, const std::function<void()>& afterBatch) {
  std::vector<pollfd> fds;
  while (!(once && sessions_ > 0 && connections_.empty())) {
    fds.assign(1, pollfd{listener_.fd(), POLLIN, 0});
    for (const Connection& connection : connections_) fds.push_back(pollfd{connection.fd, POLLIN, 0});
    if (!listener_.Wait(fds)) break;
    auto ready = fds.begin() + 1;
    for (auto connection = connections_.begin(); connection != connections_.end(); ++ready) {
      if (ready->revents == 0 || Read(*connection)) {
        ++connection;
        continue;
      }
      End(*connection);
      connection = connections_.erase(connection);
    }
    if (fds[0].revents != 0) AcceptWaiting();
    afterBatch();
  }
}

void SessionServer::AcceptWaiting() {
  const int fd = listener_.Accept();
  if (fd < 0) return;
  connections_.push_back(Connection{fd, ++sessions_, LogFrameReader()});
  viewer_.StartSession(sessions_, PeerProcess(fd), NowMs());
}

bool SessionServer::Read(Connection& connection) {
  char chunk[kChunk];
  const ssize_t received = read(connection.fd, chunk, sizeof chunk);
  if (received <= 0) return false;
  connection.reader.Feed(chunk, static_cast<std::size_t>(received));
  const int64_t now = NowMs();
  for (LogRecord record; connection.reader.Next(record);) viewer_.Receive(connection.session, now, record);
  return !connection.reader.Broken();
}

void SessionServer::End(Connection& connection) {
  if (connection.reader.Broken()) {
    std::cerr << "logview: session " << connection.session << ": a record announced more than " << kMaxLogPayload
              << " bytes; connection dropped\n";
  } else if (connection.reader.Pending() != 0) {
    std::cerr << "logview: session " << connection.session << ": the connection closed inside a record; "
              << connection.reader.Pending() << " bytes dropped\n";
  }
  close(connection.fd);
  viewer_.EndSession(connection.session, NowMs());
}

}  // namespace pf
