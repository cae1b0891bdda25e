// A disk that runs full for the writes of a test: LeaveRoom limits the size
// of every file the process writes (RLIMIT_FSIZE, with SIGXFSZ ignored), so
// a write beyond the room fails partway as on a full disk, where the test
// may mount or not. The files written before stay readable, and the
// destructor lifts the limit.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>

namespace pf::test {

class FullDisk {
 public:
  FullDisk() = default;
  ~FullDisk() {
    if (limited_) {
      setrlimit(RLIMIT_FSIZE, &before_);
      signal(SIGXFSZ, previousSignal_);
    }
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  // Leaves about `room` bytes that a file can still take.
  void LeaveRoom(std::size_t room) {
    previousSignal_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before_);
    rlimit limit = before_;
    limit.rlim_cur = room;
    limited_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }

 private:
  bool limited_ = false;
  rlimit before_{};
  sighandler_t previousSignal_ = SIG_DFL;
};

}  // namespace pf::test
