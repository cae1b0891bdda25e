#include "support/TestViewer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "nclink/LogProtocol.h"

namespace pf::test {

TestViewer::TestViewer(bool listen) {
  std::string pattern = (std::filesystem::temp_directory_path() / "nclink-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  folder_ = pattern;
  setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
  setenv("XDG_DATA_HOME", folder_.c_str(), 1);
  if (listen) {
    Listen();
  }
}

TestViewer::~TestViewer() {
  Close();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void TestViewer::Listen() {
  const std::string path = LogViewerSocketPath();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof(address.sun_path) - 1);
  listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listenFd_, 4) != 0) {
    throw std::runtime_error("cannot listen on " + path);
  }
}

void TestViewer::Close() {
  for (int* fd : {&clientFd_, &listenFd_}) {
    if (*fd >= 0) {
      close(*fd);
      *fd = -1;
    }
  }
}

bool TestViewer::Connected() {
  if (clientFd_ < 0 && listenFd_ >= 0) {
    clientFd_ = accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  }
  return clientFd_ >= 0;
}

std::vector<LogRecord> TestViewer::TakeRecords() {
  if (Connected()) {
    char chunk[4096];
    for (ssize_t n; (n = recv(clientFd_, chunk, sizeof(chunk), 0)) > 0;) received_.Feed(chunk, static_cast<std::size_t>(n));
  }
  std::vector<LogRecord> records;
  for (LogRecord record; received_.Next(record);) records.push_back(record);
  return records;
}

}  // namespace pf::test
