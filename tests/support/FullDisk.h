// A folder whose disk runs full: writes below it fail partway once little
// room is left, as on a full disk.
//
// Where the test may mount (root with the right to mount), a 256 KiB tmpfs is
// mounted on the folder and LeaveRoom fills it with a file of its own up to
// the room asked for. Where it may not (a CI container), LeaveRoom limits the
// size of every file the process writes to the room instead (RLIMIT_FSIZE,
// with SIGXFSZ ignored), so a write beyond it fails the same way. Either way
// the files written before LeaveRoom stay readable, and the destructor gives
// everything back.
#pragma once

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace pf::test {

class FullDisk {
 public:
  static constexpr std::size_t kDiskSize = 256 * 1024;

  explicit FullDisk(const std::filesystem::path& folder) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=256k") == 0;
  }
  ~FullDisk() {
    if (limited_) {
      setrlimit(RLIMIT_FSIZE, &before_);
      signal(SIGXFSZ, previousSignal_);
    }
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  // Leaves about `room` bytes that can still be written.
  void LeaveRoom(std::size_t room) { mounted_ ? Fill(room) : Limit(room); }

 private:
  void Fill(std::size_t room) {
    const std::filesystem::path filler = folder_ / "filler";
    std::FILE* file = std::fopen(filler.c_str(), "wb");
    if (file == nullptr) return;
    const std::vector<char> page(4096, 'f');
    std::size_t written = 0;
    while (std::fwrite(page.data(), 1, page.size(), file) == page.size() && std::fflush(file) == 0) {
      written += page.size();
    }
    std::fclose(file);
    std::filesystem::resize_file(filler, written > room ? written - room : 0);
  }

  void Limit(std::size_t room) {
    previousSignal_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before_);
    rlimit limit = before_;
    limit.rlim_cur = room;
    limited_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }

  std::filesystem::path folder_;
  bool mounted_ = false;
  bool limited_ = false;
  rlimit before_{};
  sighandler_t previousSignal_ = SIG_DFL;
};

}  // namespace pf::test
