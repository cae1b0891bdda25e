// A log viewer for tests: a Unix stream socket listening where the module
// looks for the viewer, in a fresh runtime folder of its own, and the
// records it received.
#pragma once

#include <string>
#include <vector>

#include "LogRecord.h"

namespace pf::test {

class TestViewer {
 public:
  // Makes a fresh folder and points XDG_RUNTIME_DIR (and XDG_DATA_HOME) at
  // it; listens there at once when `listen` is true.
  explicit TestViewer(bool listen = true);
  ~TestViewer();
  TestViewer(const TestViewer&) = delete;
  TestViewer& operator=(const TestViewer&) = delete;

  const std::string& folder() const { return folder_; }

  // Starts listening on the viewer's socket.
  void Listen();

  // Quits: closes the connection and the listening socket.
  void Close();

  // True when a module connected (accepting it if it is still pending).
  bool Connected();

  // Every complete record received since the last call.
  std::vector<LogRecord> TakeRecords();

 private:
  std::string folder_;
  int listenFd_ = -1;
  int clientFd_ = -1;
  LogFrameReader received_;
};

}  // namespace pf::test
