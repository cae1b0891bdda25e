// The terminal viewer end to end: a real process listening on its socket in a
// private runtime folder, fed by a test connection like the module's.
#include "LogRecord.h"
#include "ViewerProcess.h"

namespace pf {
namespace {

std::string LineFrame(uint8_t mark, const std::string& ascii) {
  std::string payload{'\0', static_cast<char>(mark)};
  for (char c : ascii) payload += std::string{c, '\0'};
  return EncodeLogFrame({kLogLine, payload + std::string(2, '\0')});
}

std::string GroupFrame(uint32_t type) { return EncodeLogFrame({type, std::string(1, '\0')}); }

// One NC call as the module reports it: call line, group, outcome, close.
std::string CallFrames(const std::string& call, uint8_t mark, const std::string& outcome) {
  return LineFrame(kMarkCall, call) + GroupFrame(kLogGroupOpen) + LineFrame(mark, outcome) +
         GroupFrame(kLogGroupClose);
}

TEST_F(LogviewSocketTest, OneSessionPrintsTheTreeAndRecordsTheBytes) {
  const pid_t viewer = Start("viewer", {"--once", "--record", (folder_ / "records.bin").string()});
  const int fd = Connect();
  ASSERT_GE(fd, 0);
  const std::string frames = CallFrames("COVXIF::Load()", kMarkSucceeded, "COVXIF::Load() was succeeded.") +
                             LineFrame(kMarkCall, "COVXIF::Unload( 2 )") + GroupFrame(kLogGroupOpen) +
                             CallFrames("COVXIF::OvxNcIfQuit()", kMarkFailed, " was not succeeded(-1).") +
                             GroupFrame(kLogGroupClose);
  Send(fd, frames.substr(0, 13));  // a record split across reads
  Send(fd, frames.substr(13));
  close(fd);
  EXPECT_EQ(Finish(viewer), 0);
  EXPECT_EQ(ReadFile(folder_ / "viewer.out"),
            "call COVXIF::Load()\n"
            "  ok COVXIF::Load() was succeeded.\n"
            "call COVXIF::Unload( 2 )\n"
            "  call COVXIF::OvxNcIfQuit()\n"
            "    failed  was not succeeded(-1).\n");
  EXPECT_EQ(ReadFile(folder_ / "records.bin"), frames);
  EXPECT_FALSE(fs::exists(fs::symlink_status(socket_)));
}

TEST_F(LogviewSocketTest, ServesSessionsInARowUntilTerminated) {
  {  // a socket file left by a viewer that died
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    const int stale = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    close(stale);
  }
  const pid_t viewer = Start("viewer", {});
  for (const char* call : {"COVXIF::Load()", "COVXIF::OvxNcIfInit()"}) {
    const int fd = Connect();
    ASSERT_GE(fd, 0);
    Send(fd, LineFrame(kMarkCall, call) + GroupFrame(kLogGroupOpen));  // the module went away inside a group
    close(fd);
  }
  EXPECT_EQ(AwaitText(folder_ / "viewer.out", "OvxNcIfInit"), "call COVXIF::Load()\ncall COVXIF::OvxNcIfInit()\n");
  EXPECT_NE(AwaitText(folder_ / "viewer.err", "session 2 closed").find("session 2 closed"), std::string::npos);
  kill(viewer, SIGTERM);
  EXPECT_EQ(Finish(viewer), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(socket_)));
}

TEST_F(LogviewSocketTest, SecondViewerLeavesTheFirstAlone) {
  const pid_t first = Start("first", {});
  const int fd = Connect();
  ASSERT_GE(fd, 0);
  close(fd);
  EXPECT_EQ(Finish(Start("second", {})), 1);
  EXPECT_NE(ReadFile(folder_ / "second.err").find("another log viewer is listening"), std::string::npos);
  EXPECT_TRUE(fs::exists(fs::symlink_status(socket_)));
  kill(first, SIGINT);
  EXPECT_EQ(Finish(first), 0);
}

TEST_F(LogviewSocketTest, RefusesAnUnknownArgument) {
  EXPECT_EQ(Finish(Start("viewer", {"--verbose"})), 2);
  EXPECT_NE(ReadFile(folder_ / "viewer.err").find("usage: logview"), std::string::npos);
}

}  // namespace
}  // namespace pf
