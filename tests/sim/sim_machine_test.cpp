// What the simulated NC answers: the built-in machine, a description file,
// descriptions it refuses, the stubs, and the machine the environment names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SimHandle.h"

namespace pf::test {
namespace {

struct AnswerRow {
  const char* call;
  std::string (*ask)(const SimHandle&);
  const char* expected;
};

struct Answers {
  std::string machine;  // a description; empty: the built-in machine
  std::vector<AnswerRow> rows;
};

std::string MachineOfTheFolder(const char* name) {
  return ReadFile(std::string(PATHFORGE_SOURCE_DIR) + "/sim/machines/" + name);
}

TEST_F(SimTest, MachinesAnswer) {
  const Answers kMachines[] = {
      {"", {
          {"tandem of serial 6", [](const SimHandle& s) { return s.Information("TANDEM_AXISNUM_SPC", 6); },
           "-100"},
          {"unknown item", [](const SimHandle& s) { return s.Information("NOSUCH", 0); }, "-100"},
          {"SYS_ON $3", [](const SimHandle& s) { return s.ParameterText(2, 0, "SYS_ON"); }, "-100"},
          {"OT_PLUS $1 axis 3", [](const SimHandle& s) { return s.Limit(0, 3, "OT_PLUS"); }, "-100"},
          {"serial 6", [](const SimHandle& s) { return s.SerialToSystem(6); }, "-100"},
          {"$2 axis 3 to serial", [](const SimHandle& s) { return s.SystemToSerial(1, 3); }, "-100"},
          {"unknown comm name", [](const SimHandle& s) { return s.Comm("UDP"); }, "-100"},
          {"ready $3", [](const SimHandle& s) { return s.TuningReady(2); }, "-100"},
          {"basic parameter 4", [](const SimHandle& s) { return s.BasicParaExt(4); }, "-100"},
          {"CheckSPAX $3-X", [](const SimHandle& s) { return s.Spax(2, 0); }, "-100"},
          {"target $1 axis 3", [](const SimHandle& s) { return s.Target(0, 3); }, "-100"},
          // What the CNC receives of a program, the trial-run tests see.
          {"program that is not there", [](const SimHandle& s) { return s.LoadProgram("/no/such/test.eia"); },
           "-100"},
      }},
      {ReadmeIniBlock(0), {
          {"SYSNUM", [](const SimHandle& s) { return s.Information("SYSNUM", 0); }, "0 1"},
          {"AXISNUM_SPC", [](const SimHandle& s) { return s.Information("AXISNUM_SPC", 0); }, "0 4"},
          {"OVX", [](const SimHandle& s) { return s.Information("OVX", 0); }, "0 OVX 2.1"},
          {"OT_PLUS $1-S", [](const SimHandle& s) { return s.Limit(0, 3, "OT_PLUS"); }, "0 100.000"},
          {"MAX_SPEED $1-W", [](const SimHandle& s) { return s.Acceleration(0, 2, "MAX_SPEED"); }, "0 24000"},
          {"ready $1", [](const SimHandle& s) { return s.TuningReady(0); }, "0 257"},
          {"basic parameter 3 fails", [](const SimHandle& s) { return s.BasicParaExt(3); }, "-2"},
      }},
      // Text parameters never pass 16 bytes; numbers reach INT_MIN; a system is
      // ready (0x103) unless said otherwise; "#" starts a comment line.
      {"# limits\n[System1]\nAxes=X\nBASE_I=ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
       "[Machine]\nIsTwoPortSetting=-2147483648\n", {
          {"BASE_I", [](const SimHandle& s) { return s.ParameterText(0, 0, "BASE_I"); }, "0 ABCDEFGHIJKLMNO"},
          {"two ports", [](const SimHandle& s) { return s.TwoPort(); }, "0 -2147483648"},
          {"ready $1", [](const SimHandle& s) { return s.TuningReady(0); }, "0 259"},
      }},
      {"[System1]\nAxes=X\n[Axes]\nMIN_SPEED=fast\nOT_SOFT=1e\n", {
          {"MIN_SPEED", [](const SimHandle& s) { return s.Acceleration(0, 0, "MIN_SPEED"); }, "-101"},
          {"OT_SOFT", [](const SimHandle& s) { return s.Limit(0, 0, "OT_SOFT"); }, "-101"},
      }},
      {MachineOfTheFolder("lathe.ini"), {
          {"AXISNUM_SPC", [](const SimHandle& s) { return s.Information("AXISNUM_SPC", 0); }, "0 4"},
          {"serial 3", [](const SimHandle& s) { return s.SerialToSystem(3); }, "0 0 3"},
      }},
      {MachineOfTheFolder("three-systems.ini"), {
          {"AXISNUM_SPC", [](const SimHandle& s) { return s.Information("AXISNUM_SPC", 0); }, "0 9"},
          {"serial 8", [](const SimHandle& s) { return s.SerialToSystem(8); }, "0 2 2"},
      }},
  };
  for (const Answers& machine : kMachines) {
    SimHandle sim;
    ASSERT_TRUE(sim.LoadMachine(machine.machine.empty() ? "" : WriteFile("machine.ini", machine.machine)));
    for (const AnswerRow& row : machine.rows) {
      SCOPED_TRACE(row.call);
      EXPECT_EQ(row.ask(sim), row.expected);
    }
  }
}

// The entry points that the module never calls answer 0 or the failure
// chosen for them, and are journaled.
TEST_F(SimTest, StubsAnswerZeroOrTheChosenFailure) {
  SimHandle sim;
  const auto gain = sim.Get<int32_t (*)()>("MsigSetGain");
  sim.SetFailure("MsigSetGain", -3);
  EXPECT_EQ(gain(), -3);
  sim.SetFailure("MsigSetGain", 0);
  EXPECT_EQ(gain(), 0);
  EXPECT_EQ(sim.Journal(), (std::vector<std::string>{"MsigSetGain() -> -3", "MsigSetGain() -> 0"}));
}

// OVXSIM_MACHINE names the machine when the library is loaded, and at
// OvxNcIfInit when it names another file; else the machine in force stays,
// with its failures.
TEST_F(SimTest, TheEnvironmentNamesTheMachineAtLoadAndAtInit) {
  const std::string first = WriteFile("first.ini", "[System1]\nAxes=A B\n");
  const std::string second = WriteFile("second.ini", "[System1]\nAxes=C D\n");
  setenv("OVXSIM_MACHINE", first.c_str(), 1);
  SimHandle sim("libOVXIF.so");
  const auto init = sim.Get<ovx::OvxNcIfInitFn>("OvxNcIfInit");
  EXPECT_EQ(sim.AxisName(0, 1), "0 B");
  sim.SetFailure("CheckSPAX", 8);
  EXPECT_EQ(init(), 0);
  EXPECT_EQ(sim.Spax(0, 0), "8");
  setenv("OVXSIM_MACHINE", second.c_str(), 1);
  EXPECT_EQ(init(), 0);
  EXPECT_EQ(sim.AxisName(0, 1), "0 D");
  unsetenv("OVXSIM_MACHINE");
  EXPECT_EQ(init(), 0);
  EXPECT_EQ(sim.AxisName(0, 1), "0 D");
}

TEST_F(SimTest, ReadmeShowsTheBuiltInDescription) {
  EXPECT_EQ(ReadmeIniBlock(1), ReadFile(PATHFORGE_SOURCE_DIR "/sim/machines/builtin.ini"));
}

struct RefusedRow {
  const char* why;
  const char* text;  // nullptr: no such file
};

constexpr RefusedRow kRefused[] = {
    {"missing file", nullptr},
    {"line that is no entry", "[System1]\nAxes X Y\n"},
    {"key before any section", "Axes=X\n[System1]\n"},
    {"unknown entry point in [Fail]", "[System1]\nAxes=X\n[Fail]\nNcGetInfo=5\n"},
    {"status that is no number in [Fail]", "[System1]\nAxes=X\n[Fail]\nNcGetInformation=five\n"},
    {"stroke end with a word after it", "[System1]\nAxes=X\n[$1-X]\nOT_PLUS=500.000 soft end\n"},
    {"speed that is no whole number", "[System1]\nAxes=X\n[Axes]\nMAX_SPEED=36000.5\n"},
};

TEST_F(SimTest, RefusedDescriptionLeavesTheBuiltInMachine) {
  for (const RefusedRow& row : kRefused) {
    SCOPED_TRACE(row.why);
    SimHandle sim;
    ASSERT_TRUE(sim.LoadMachine(WriteFile("one.ini", "[System1]\nAxes=A\n")));
    const std::string path = row.text == nullptr ? folder_ + "/missing.ini" : WriteFile("bad.ini", row.text);
    EXPECT_FALSE(sim.LoadMachine(path));
    EXPECT_EQ(sim.Information("AXISNUM", 0), "0 6");
    EXPECT_EQ(sim.AxisName(0, 0), "0 X");
  }
}

}  // namespace
}  // namespace pf::test
