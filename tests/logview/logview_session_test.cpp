// The viewer showing real wrapper sessions: the module's log channel and
// COVXIF talking to the simulated NC library, the terminal viewer printing
// the lines it received.
#include <sstream>

#include "ViewerProcess.h"
#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"

namespace pf {
namespace {

using LogviewSessionTest = LogviewSocketTest;

// The lines of one session, in the order shown.
std::string SessionLines(const std::string& shown, const std::string& tag) {
  std::string lines;
  std::istringstream in(shown);
  for (std::string line; std::getline(in, line);) {
    if (line.find(tag) != std::string::npos) lines += line + "\n";
  }
  return lines;
}

TEST_F(LogviewSessionTest, TwoModulesAtOnceShowAsTwoSessions) {
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
    std::wstring label;
    EXPECT_EQ(first.GetAxisLabel(0, label), 0);
    EXPECT_EQ(label, L"$1-X");
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
            "T #1    call COVXIF::GetInformation( 0, 0, \"AXISNAME\"... )\n"
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
