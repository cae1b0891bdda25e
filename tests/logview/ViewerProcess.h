// A real log viewer process for the tests: listening on its socket in a
// private runtime folder, with its output and exit status at hand.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "nclink/LogProtocol.h"

extern char** environ;

namespace pf {

namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The viewer's output with its times and process ids replaced by "T" and
// "P", for comparing whole outputs.
inline std::string Untimed(const std::string& text) {
  static const std::regex date("[0-9]{4}-[0-9]{2}-[0-9]{2} ");
  static const std::regex clock("[0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}");
  static const std::regex process("process [0-9]+");
  return std::regex_replace(std::regex_replace(std::regex_replace(text, date, ""), clock, "T"), process, "process P");
}

class LogviewSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "logview-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    socket_ = LogViewerSocketPath();
  }

  void TearDown() override {
    for (pid_t pid : running_) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // Starts the viewer with stdout and stderr in files named after `name`.
  pid_t Start(const std::string& name, std::vector<std::string> args) {
    args.insert(args.begin(), LOGVIEW_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, (folder_ / (name + ".out")).c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, (folder_ / (name + ".err")).c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, LOGVIEW_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    running_.push_back(pid);
    return pid;
  }

  // Starts the viewer and waits until its socket is there, as a module
  // that looks for it once needs.
  pid_t StartListening(const std::string& name, std::vector<std::string> args) {
    const pid_t pid = Start(name, std::move(args));
    for (int attempt = 0; attempt < 500 && !fs::exists(fs::symlink_status(socket_)); ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pid;
  }

  // The exit status of a viewer that ends by itself.
  int Finish(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    running_.erase(std::find(running_.begin(), running_.end(), pid));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Connects to the viewer, waiting for it to listen; -1 when it never does.
  int Connect() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    for (int attempt = 0; attempt < 500; ++attempt) {
      const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
      if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) return fd;
      close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }

  void Send(int fd, const std::string& bytes) {
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // Waits until the file holds `text`; its content then (or at the end of the wait).
  std::string AwaitText(const fs::path& path, const std::string& text) {
    std::string content;
    for (int attempt = 0; attempt < 500 && (content = ReadFile(path)).find(text) == std::string::npos; ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return content;
  }

  fs::path folder_;
  fs::path socket_;
  std::vector<pid_t> running_;
};

}  // namespace pf
