// The terminal viewer end to end: a real process listening on its socket in a
// private runtime folder, fed by a test connection like the module's or by
// the wrapper's own log channels talking to the simulated NC library.
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
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/Records.h"
#include "nclink/LogChannel.h"
#include "nclink/LogProtocol.h"
#include "nclink/OVXIF.h"

extern char** environ;

namespace pf {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The viewer's output with its times and process ids replaced by "T" and
// "P", for comparing whole outputs.
std::string Untimed(const std::string& text) {
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

// The framed bytes of the records, as a module sends them.
std::string Frames(const std::vector<LogRecord>& records) {
  std::string frames;
  for (const LogRecord& record : records) frames += EncodeLogFrame(record);
  return frames;
}

// The module's records of a record file, without the viewer's own frames.
std::string ModuleFrames(const std::string& recording) {
  LogFrameReader reader;
  reader.Feed(recording.data(), recording.size());
  std::string frames;
  for (LogRecord frame; reader.Next(frame);) {
    if (frame.type < kFileSessionStart) frames += EncodeLogFrame(frame);
  }
  return frames;
}

TEST_F(LogviewSocketTest, OneSessionPrintsTheTreeAndRecordsTheBytes) {
  const pid_t viewer = Start("viewer", {"--once", "--record", (folder_ / "records.bin").string()});
  const int fd = Connect();
  ASSERT_GE(fd, 0);
  const std::string frames = Frames(CallGroup(L"COVXIF::Load()", L"COVXIF::Load() was succeeded.", kMarkSuccess)) +
                             Frames({Line(kMarkCall, u"COVXIF::Unload( 2 )"), Open()}) +
                             Frames(CallGroup(L"COVXIF::OvxNcIfQuit()", L" was not succeeded(-1).", kMarkFailure)) +
                             Frames({Close()});
  Send(fd, frames.substr(0, 13));  // a record split across reads
  Send(fd, frames.substr(13));
  close(fd);
  EXPECT_EQ(Finish(viewer), 0);
  const std::string shown = ReadFile(folder_ / "viewer.out");
  EXPECT_EQ(Untimed(shown),
            "== session 1: process P, started T\n"
            "T #1    call COVXIF::Load()\n"
            "T #1      ok COVXIF::Load() was succeeded.\n"
            "T #1    call COVXIF::Unload( 2 )\n"
            "T #1      call COVXIF::OvxNcIfQuit()\n"
            "T #1 !!     failed  was not succeeded(-1).\n"
            "== session 1 ended T\n");
  EXPECT_EQ(ModuleFrames(ReadFile(folder_ / "records.bin")), frames);
  // The recording shows again as it was shown; the filter keeps the session lines.
  EXPECT_EQ(Finish(Start("replay", {"--replay", (folder_ / "records.bin").string(), "--save",
                                    (folder_ / "saved.txt").string()})), 0);
  EXPECT_EQ(ReadFile(folder_ / "replay.out"), shown);
  EXPECT_EQ(ReadFile(folder_ / "saved.txt"), shown);
  EXPECT_EQ(Finish(Start("failed", {"--replay", (folder_ / "records.bin").string(), "--filter", "FAILED"})), 0);
  EXPECT_EQ(Untimed(ReadFile(folder_ / "failed.out")),
            "== session 1: process P, started T\n"
            "T #1 !!     failed  was not succeeded(-1).\n"
            "== session 1 ended T\n");
  EXPECT_FALSE(fs::exists(fs::symlink_status(socket_)));
}

// Sessions in a row until stopped; meanwhile a second viewer and unusable
// arguments end with their status and leave the first viewer listening.
TEST_F(LogviewSocketTest, ServesSessionsInARowAndRefusesASecondViewerAndUnusableArguments) {
  {  // a socket file left by a viewer that died
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    const int stale = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    close(stale);
  }
  const pid_t viewer = Start("viewer", {});
  for (const char16_t* call : {u"COVXIF::Load()", u"COVXIF::OvxNcIfInit()"}) {
    const int fd = Connect();
    ASSERT_GE(fd, 0);
    Send(fd, Frames({Line(kMarkCall, call), Open()}));  // the module went away inside a group
    close(fd);
    AwaitText(folder_ / "viewer.out", "ended");
  }
  EXPECT_EQ(Untimed(AwaitText(folder_ / "viewer.out", "session 2 ended")),
            "== session 1: process P, started T\n"
            "T #1    call COVXIF::Load()\n"
            "== session 1 ended T\n"
            "== session 2: process P, started T\n"
            "T #2    call COVXIF::OvxNcIfInit()\n"
            "== session 2 ended T\n");
  const struct {
    std::vector<std::string> args;
    int status;
    const char* error;
  } rows[] = {
      {{}, 1, "another log viewer is listening"},
      {{"--verbose"}, 2, "usage: logview"},
      {{"--history", "10"}, 2, "--history is for the window"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.error);
    EXPECT_EQ(Finish(Start("second", row.args)), row.status);
    EXPECT_NE(ReadFile(folder_ / "second.err").find(row.error), std::string::npos);
  }
  EXPECT_TRUE(fs::exists(fs::symlink_status(socket_)));
  kill(viewer, SIGINT);
  EXPECT_EQ(Finish(viewer), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(socket_)));
}

// A module that keeps its connection open (as a loaded plug-in does) must
// not hold up another module's records.
TEST_F(LogviewSocketTest, ServesAModuleWhileAnotherHoldsItsConnection) {
  const pid_t viewer = Start("viewer", {"--once"});
  const int holding = Connect();
  ASSERT_GE(holding, 0);
  Send(holding, Frames({Line(kMarkCall, u"COVXIF::Load()")}));
  const int sending = Connect();
  ASSERT_GE(sending, 0);
  const timeval patience{5, 0};  // a viewer that does not read fails the write instead of hanging the test
  ASSERT_EQ(setsockopt(sending, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience), 0);
  const std::string call = Frames(CallGroup(L"COVXIF::GetTimeNcCycle()", L" was succeeded.", kMarkSuccess));
  std::string many;
  for (int n = 0; n < 2000; ++n) many += call;
  Send(sending, many + Frames({Line(kMarkCall, u"last of the second")}));  // more than a socket buffer takes
  close(sending);
  EXPECT_NE(AwaitText(folder_ / "viewer.out", "session 2 ended").find("#2    call last of the second\n== session 2 ended"),
            std::string::npos);
  Send(holding, Frames({Open(), Line(kMarkSuccess, u"done")}));
  close(holding);
  EXPECT_EQ(Finish(viewer), 0);
  EXPECT_NE(ReadFile(folder_ / "viewer.out").find("#1      ok done\n== session 1 ended"), std::string::npos);
}

// A flood faster than the lines can be made: the viewer takes no more than
// it can show soon (its memory stays small), and a stop ends it at once.
TEST_F(LogviewSocketTest, AFloodStaysSmallAndAStopEndsItPromptly) {
  const pid_t viewer = Start("viewer", {});
  const int fd = Connect();
  ASSERT_GE(fd, 0);
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += Frames({Line(kMarkFailure, std::u16string(1000, u'x'))});
  std::thread flood([&] {
    for (int i = 0; i < 200 && send(fd, lines.data(), lines.size(), MSG_NOSIGNAL) > 0; ++i) {
    }
  });
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const std::string status = ReadFile("/proc/" + std::to_string(viewer) + "/status");
  const std::size_t peak = std::stoul(status.substr(status.find("VmHWM:") + 6));
  EXPECT_LT(peak, 64u * 1024) << "kB";
  kill(viewer, SIGTERM);
  bool ended = false;
  for (int wait = 0; wait < 100 && !(ended = waitpid(viewer, nullptr, WNOHANG) == viewer); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(ended) << "still running 2 s after SIGTERM";
  if (ended) running_.clear();
  shutdown(fd, SHUT_RDWR);
  flood.join();
  close(fd);
}

// The lines of one session, in the order shown.
std::string SessionLines(const std::string& shown, const std::string& tag) {
  std::string lines;
  std::istringstream in(shown);
  for (std::string line; std::getline(in, line);) {
    if (line.find(tag) != std::string::npos) lines += line + "\n";
  }
  return lines;
}

// Two real modules at once: the wrapper's log channels to the viewer
// process show as two sessions, each with all of its lines.
TEST_F(LogviewSocketTest, TwoModulesAtOnceShowAsTwoSessions) {
  unsetenv("OVXSIM_MACHINE");
  const pid_t viewer = StartListening("viewer", {"--once"});
  {
    CLogChannel firstLog;
    CLogChannel secondLog;
    ASSERT_TRUE(firstLog.IsOn() && secondLog.IsOn());
    COVXIF first(firstLog);
    COVXIF second(secondLog);
    first.Load();
    second.Load();
    first.SetClosed(first.OvxNcIfInit());
    EXPECT_EQ(first.CheckSPAX(7, 0), -100);
    second.Unload(2);
    first.Unload(2);
  }
  EXPECT_EQ(Finish(viewer), 0);
  const std::string shown = Untimed(ReadFile(folder_ / "viewer.out"));
  EXPECT_EQ(SessionLines(shown, "session 1") + SessionLines(shown, "#1 "),
            "== session 1: process P, started T\n"
            "== session 1 ended T\n"
            "T #1    call COVXIF::Load()\n"
            "T #1      ok COVXIF::Load() was succeeded.\n"
            "T #1    call COVXIF::OvxNcIfInit()\n"
            "T #1      ok  was succeeded.\n"
            "T #1    call COVXIF::CheckSPAX( 7, 0 )\n"
            "T #1 !!   failed  was not succeeded(-100).\n"
            "T #1    call COVXIF::Unload( 2 )\n"
            "T #1      call COVXIF::OvxNcIfCallPinType( 2 )\n"
            "T #1        ok  was succeeded.\n"
            "T #1      call COVXIF::OvxNcIfQuit()\n"
            "T #1        ok  was succeeded.\n"
            "T #1      call COVXIF::OvxIfFreeData()\n"
            "T #1        ok  was succeeded.\n"
            "T #1      ok COVXIF::Unload( 2 ) was succeeded.\n");
  EXPECT_EQ(SessionLines(shown, "#2 "),
            "T #2    call COVXIF::Load()\n"
            "T #2      ok COVXIF::Load() was succeeded.\n"
            "T #2    call COVXIF::Unload( 2 )\n"
            "T #2      ok COVXIF::Unload( 2 ) was succeeded.\n");
  EXPECT_NE(shown.find("== session 2: process P, started T\n"), std::string::npos);
}

}  // namespace
}  // namespace pf
