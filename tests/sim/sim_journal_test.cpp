// Failures chosen for entry points, the journal of calls, and the
// simulator's state across machine loads and library reloads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SimHandle.h"
#include "nclink/OvxContract.h"

namespace pf::test {
namespace {

using Lines = std::vector<std::string>;

// The module's calls are journaled as its own tests show; here the rest.
TEST_F(SimTest, JournalShowsEachCallAsReceived) {
  SimHandle sim;
  sim.SerialToSystem(4);
  sim.SerialToSystemPermitted(7);
  sim.SystemToSerial(1, 2);
  sim.Get<ovx::NcGetInformationFn>("NcGetInformation")(nullptr, std::string(32, '\0').data(), 0);
  EXPECT_EQ(sim.Journal(), (Lines{
                               "ConvertSerialAxisToSystemAxis(4) -> 0",
                               "ConvertSerialAxisToSystemAxisPermittedSPC(7) -> -100",
                               "ConvertSystemAxisToSerialAxis(1, 2) -> 0",
                               "NcGetInformation(null, 0) -> -100",
                           }));
  sim.ClearJournal();
  EXPECT_EQ(sim.Journal(), Lines{});
}

TEST_F(SimTest, FailSectionMakesCallsFailWithoutTouchingOutputs) {
  SimHandle sim;
  ASSERT_TRUE(sim.LoadMachine(WriteFile("fail.ini", "[System1]\nAxes=X\n[Axes]\nOT_PLUS=5\n"
                                                  "[Fail]\nNcGetInformation=-7\nGetInformation=3\n"
                                                  "ConvertSerialAxisToSystemAxis=-9\n")));
  EXPECT_EQ(sim.Information("SYSNUM", 0), "-7");
  EXPECT_EQ(sim.Limit(0, 0, "OT_PLUS"), "3");
  EXPECT_EQ(sim.SerialToSystem(0), "-9");
  EXPECT_EQ(sim.SerialToSystemPermitted(0), "0 0 0");
  EXPECT_EQ(sim.Journal(), (Lines{"NcGetInformation(\"SYSNUM\", 0) -> -7",
                                  "GetInformation(0, 0, \"OT_PLUS\", 3) -> 3",
                                  "ConvertSerialAxisToSystemAxis(0) -> -9",
                                  "ConvertSerialAxisToSystemAxisPermittedSPC(0) -> 0"}));

  sim.SetFailure("NcGetInformation", 0);  // normal again, whatever [Fail] said
  EXPECT_EQ(sim.Information("SYSNUM", 0), "0 1");
}

TEST_F(SimTest, SetFailureTakesAnyEntryPoint) {
  SimHandle sim;
  sim.SetFailure("CommGetParameter", 12);
  sim.SetFailure("MsigSetGain", -3);
  EXPECT_EQ(sim.Comm("Controller"), "12");
  EXPECT_EQ(sim.Get<int32_t (*)()>("MsigSetGain")(), -3);
  sim.SetFailure("CommGetParameter", 0);
  EXPECT_EQ(sim.Comm("Controller"), "0 H52");
  EXPECT_EQ(sim.Journal(), (Lines{"CommGetParameter(\"Controller\") -> 12", "MsigSetGain() -> -3",
                                  "CommGetParameter(\"Controller\") -> 0"}));
}

TEST_F(SimTest, ReloadedLibraryStartsAfresh) {
  {
    SimHandle sim;
    ASSERT_TRUE(sim.LoadMachine(WriteFile("example.ini", ReadmeIniBlock(0))));
    sim.SetFailure("CheckSPAX", 8);
    sim.TwoPort();
  }
  SimHandle sim;
  EXPECT_EQ(sim.Journal(), Lines{});
  EXPECT_EQ(sim.TwoPort(), "0 0");
  EXPECT_EQ(sim.Spax(0, 0), "0");
}

TEST_F(SimTest, EnvironmentNamesTheMachineAtLoadAndAtInit) {
  const std::string example = WriteFile("example.ini", ReadmeIniBlock(0));
  const std::string single = WriteFile("single.ini", "[System1]\nAxes=A B\n");
  setenv("OVXSIM_MACHINE", example.c_str(), 1);
  SimHandle sim;
  EXPECT_EQ(sim.Comm("Controller"), "0 Q4RT");

  sim.SetFailure("CheckSPAX", 8);
  EXPECT_EQ(sim.Init(), 0);  // the same file: nothing changes
  EXPECT_EQ(sim.Spax(0, 0), "8");

  setenv("OVXSIM_MACHINE", single.c_str(), 1);
  EXPECT_EQ(sim.Init(), 0);  // another file: loaded afresh
  EXPECT_EQ(sim.Information("AXISNUM", 0), "0 2");
  EXPECT_EQ(sim.Spax(0, 0), "0");
  EXPECT_EQ(sim.Journal(), (Lines{"OvxNcIfInit() -> 0", "NcGetInformation(\"AXISNUM\", 0) -> 0", "CheckSPAX(0, 0) -> 0"}));

  unsetenv("OVXSIM_MACHINE");
  EXPECT_EQ(sim.Init(), 0);  // unset: the machine in force stays
  EXPECT_EQ(sim.AxisName(0, 1), "0 B");
}

}  // namespace
}  // namespace pf::test
