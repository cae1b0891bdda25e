// Entry points that misbehave while returning 0: chosen per entry point by
// SimSetBehaviour and by a description's [Fail] section, on the built-in
// machine.
#include <gtest/gtest.h>

#include <string>

#include "SimHandle.h"

namespace pf::test {
namespace {

struct BehaviourRow {
  const char* entryPoint;
  const char* behaviour;
  std::string (*ask)(const SimHandle&);
  std::string expected;
};

// The counts and serial conversions that the module reads bent are seen in
// its own tests; here the other answers. SimHandle fills an integer output
// with 1515870810 (0x5A5A5A5A) before the call.
const BehaviourRow kRows[] = {
    {"NcGetInformation", "far-count", [](const SimHandle& s) { return s.Information("SYSNUM", 0); }, "0 1002"},
    {"NcGetInformation", "int-max", [](const SimHandle& s) { return s.Information("AXISNUM", 0); }, "0 2147483647"},
    {"NcGetInformation", "-7", [](const SimHandle& s) { return s.Information("AXISNUM", 0); }, "-7"},
    {"NcGetParameter", "unterminated", [](const SimHandle& s) { return s.ParameterText(0, 0, "BASE_I"); },
     "0 X" + std::string(15, '9') + std::string(16, '#')},
    {"NcGetParameter", "int-min",
     [](const SimHandle& s) { return s.ParameterInteger(0, 0, "AFTER_INTERP_G0_MAX_SPEED"); }, "0 -2147483648"},
    {"GetInformation", "unterminated", [](const SimHandle& s) { return s.AxisName(0, 1); }, "0 Y999"},
    {"GetInformation", "nan", [](const SimHandle& s) { return s.Limit(0, 0, "OT_MINUS"); }, "0 nan"},
    {"GetInformation", "int-min", [](const SimHandle& s) { return s.Limit(0, 0, "OT_PLUS"); }, "0 -2147483648.000"},
    {"GetInformation", "untouched", [](const SimHandle& s) { return s.Limit(0, 0, "OT_PLUS"); }, "0 -1234.500"},
    {"ConvertSerialAxisToSystemAxisPermittedSPC", "-huge",
     [](const SimHandle& s) { return s.SerialToSystemPermitted(1); }, "0 -2147483648 -2147483648"},
    {"ConvertSystemAxisToSerialAxis", "huge", [](const SimHandle& s) { return s.SystemToSerial(0, 1); },
     "0 2147483647"},
    {"CommGetParameter", "unterminated", [](const SimHandle& s) { return s.Comm("Controller"); },
     "0 H52" + std::string(125, '9')},
    {"CommGetParameter", "int-max", [](const SimHandle& s) { return s.Comm("TCP"); }, "0 2147483647"},
    {"IsTwoPortSetting", "nan", [](const SimHandle& s) { return s.TwoPort(); }, "0 -2147483648"},
    {"CheckTuningExecReady", "int-max", [](const SimHandle& s) { return s.TuningReady(0); }, "0 2147483647"},
    {"GetBasicParaExt", "untouched", [](const SimHandle& s) { return s.BasicParaExt(4); }, "0 1515870810"},
    {"NcGetAccelerationParameter", "huge", [](const SimHandle& s) { return s.Acceleration(0, 0, "MAX_SPEED"); },
     "0 2147483647"},
};

TEST_F(SimTest, ChosenBehaviourBendsTheOutputsOfItsEntryPointOnly) {
  SimHandle sim;
  const std::string builtIn = ReadmeIniBlock(1);
  for (const BehaviourRow& row : kRows) {
    SCOPED_TRACE(std::string(row.entryPoint) + "=" + row.behaviour);
    ASSERT_TRUE(sim.LoadMachine(""));
    ASSERT_TRUE(sim.SetBehaviour(row.entryPoint, row.behaviour));
    EXPECT_EQ(row.ask(sim), row.expected) << "by SimSetBehaviour";

    const std::string description = builtIn + "\n[Fail]\n" + row.entryPoint + "=" + row.behaviour + "\n";
    ASSERT_TRUE(sim.LoadMachine(WriteFile("fail.ini", description)));
    EXPECT_EQ(row.ask(sim), row.expected) << "by [Fail]";

    ASSERT_TRUE(sim.SetBehaviour(row.entryPoint, "0"));
    EXPECT_NE(row.ask(sim), row.expected) << "normal again";
  }
}

TEST_F(SimTest, BehaviourBendsOnlyAnswersAndOnlyKnownWordsCount) {
  SimHandle sim;
  // Items other than counts, and reads that fail in the machine, stay as
  // they are.
  ASSERT_TRUE(sim.SetBehaviour("NcGetInformation", "far-count"));
  EXPECT_EQ(sim.Information("OVX", 0), "0 OVX simulator 1.0");
  ASSERT_TRUE(sim.SetBehaviour("GetInformation", "nan"));
  EXPECT_EQ(sim.Limit(0, 3, "OT_PLUS"), "-100");

  ASSERT_TRUE(sim.SetBehaviour("NcGetInformation", nullptr));
  EXPECT_FALSE(sim.SetBehaviour("NcGetInformation", "sideways"));
  EXPECT_EQ(sim.Information("SYSNUM", 0), "0 2");
  EXPECT_FALSE(sim.LoadMachine(WriteFile("bad.ini", "[System1]\nAxes=X\n[Fail]\nCheckSPAX=sideways\n")));
  EXPECT_TRUE(sim.SetBehaviour("NcGetInformation", nullptr));

  // "@k": only the k-th call since the machine was loaded.
  EXPECT_FALSE(sim.SetBehaviour("NcGetInformation", "-6@0"));
  ASSERT_TRUE(sim.LoadMachine(WriteFile("second.ini", ReadmeIniBlock(1) + "\n[Fail]\nNcGetInformation=-6@2\n")));
  EXPECT_EQ(sim.Information("SYSNUM", 0), "0 2");
  EXPECT_EQ(sim.Information("SYSNUM", 0), "-6");
  EXPECT_EQ(sim.Information("SYSNUM", 0), "0 2");
}

}  // namespace
}  // namespace pf::test
