// COVXIF against the simulated NC library: guards, the four records of every
// call, the arguments the library receives, Load and Unload.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "NcLinkFixture.h"
#include "common/Text.h"
#include "nclink/OvxContract.h"

namespace pf {
namespace {

using test::Hex32;

// What the calls of the table write into, and the program they load.
struct CallBuffers {
  char text[32] = {};
  int32_t value = 0;
  double real = 0.0;
  std::wstring output = L"old";
  std::wstring program;
};

// One call member. In `callLine`, {text}, {value} and {output} stand for the
// addresses of those buffers as "0x%08X" shows them, {value%d} for the
// address of `value` as "%d" shows it (its low 32 bits, signed), {program}
// for the program path; in `journal` (the library's journal line without its
// status) {program} stands for the 8-bit path.
struct CallRow {
  const char* entryPoint;
  bool needsUsable;
  int32_t (*call)(COVXIF&, CallBuffers&);
  const wchar_t* callLine;
  const char* journal;
};

const CallRow kCallRows[] = {
    {"OvxNcIfInit", false, [](COVXIF& o, CallBuffers&) { return o.OvxNcIfInit(); }, L"COVXIF::OvxNcIfInit()",
     "OvxNcIfInit()"},
    {"OvxNcIfCallPinType", true, [](COVXIF& o, CallBuffers&) { return o.OvxNcIfCallPinType(2); },
     L"COVXIF::OvxNcIfCallPinType( 2 )", "OvxNcIfCallPinType(2)"},
    {"OvxNcIfQuit", true, [](COVXIF& o, CallBuffers&) { return o.OvxNcIfQuit(); }, L"COVXIF::OvxNcIfQuit()",
     "OvxNcIfQuit()"},
    {"OvxIfFreeData", true, [](COVXIF& o, CallBuffers&) { return o.OvxIfFreeData(); }, L"COVXIF::OvxIfFreeData()",
     "OvxIfFreeData()"},
    {"GetInformation", true,
     [](COVXIF& o, CallBuffers& b) { return o.GetInformation(1, 2, "OT_PLUS", &b.real, ovx::kValueDouble); },
     L"COVXIF::GetInformation( 1, 2, \"OT_PLUS\"... )", "GetInformation(1, 2, \"OT_PLUS\", 3)"},
    {"NcGetInformation", true,
     [](COVXIF& o, CallBuffers& b) { return o.NcGetInformation("AXISNUM_SPC", b.text, 0); },
     L"COVXIF::NcGetInformation( AXISNUM_SPC, {text}, 0 )", "NcGetInformation(\"AXISNUM_SPC\", 0)"},
    {"NcGetParameter", true,
     [](COVXIF& o, CallBuffers& b) { return o.NcGetParameter(1, 0, L"BASE_K", b.text, ovx::kValueText); },
     L"COVXIF::NcGetParameter( 1, 0, BASE_K, {text}, 16 )", "NcGetParameter(1, 0, \"BASE_K\", 16)"},
    {"CheckSPAX", true, [](COVXIF& o, CallBuffers&) { return o.CheckSPAX(1, 2); }, L"COVXIF::CheckSPAX( 1, 2 )",
     "CheckSPAX(1, 2)"},
    {"CommGetParameter", false, [](COVXIF& o, CallBuffers& b) { return o.CommGetParameter("TCP", b.output); },
     L"COVXIF::CommGetParameter( TCP, {output} )", "CommGetParameter(\"TCP\")"},
    {"IsTwoPortSetting", true, [](COVXIF& o, CallBuffers& b) { return o.IsTwoPortSetting(&b.value); },
     L"COVXIF::IsTwoPortSetting( {value%d} )", "IsTwoPortSetting()"},
    {"CheckTuningExecReady", true, [](COVXIF& o, CallBuffers& b) { return o.CheckTuningExecReady(1, 0, &b.value); },
     L"COVXIF::CheckTuningExecReady( 1, 0, {value} )", "CheckTuningExecReady(1, 0)"},
    {"NonSamplingSetTarget", true, [](COVXIF& o, CallBuffers&) { return o.NonSamplingSetTarget(1, 2); },
     L"COVXIF::NonSamplingSetTarget( ... )", "NonSamplingSetTarget(1, 2)"},
    {"NcLoadProgram", true, [](COVXIF& o, CallBuffers& b) { return o.NcLoadProgram(b.program, 1); },
     L"COVXIF::NcLoadProgram( \"{program}\", 1 )", "NcLoadProgram(\"{program}\", 1)"},
    {"GetBasicParaExt", true, [](COVXIF& o, CallBuffers& b) { return o.GetBasicParaExt(3, &b.value); },
     L"COVXIF::GetBasicParaExt()", "GetBasicParaExt(3)"},
    {"CheckNcStatusForOVXFunction", true,
     [](COVXIF& o, CallBuffers& b) { return o.CheckNcStatusForOVXFunction(0, &b.value); },
     L"COVXIF::CheckNcStatusForOVXFunction()", "CheckNcStatusForOVXFunction(0)"},
    {"NcGetAccelerationParameter", true,
     [](COVXIF& o, CallBuffers& b) { return o.NcGetAccelerationParameter(1, 1, 2, 1, L"MAX_SPEED", &b.value); },
     L"COVXIF::NcGetAccelerationParameter( 1, 1, 2, 1, MAX_SPEED, {value} )",
     "NcGetAccelerationParameter(1, 1, 2, 1, \"MAX_SPEED\")"},
};

template <class Text>
Text ReplaceAll(Text text, const Text& token, const Text& by) {
  for (auto at = text.find(token); at != Text::npos; at = text.find(token, at + by.size())) {
    text.replace(at, token.size(), by);
  }
  return text;
}

std::wstring ExpectedCallLine(const CallRow& row, const CallBuffers& b) {
  std::wstring line = row.callLine;
  line = ReplaceAll<std::wstring>(line, L"{text}", Hex32(b.text));
  line = ReplaceAll<std::wstring>(line, L"{value}", Hex32(&b.value));
  line = ReplaceAll<std::wstring>(line, L"{value%d}",
                                  std::to_wstring(static_cast<int32_t>(reinterpret_cast<std::uintptr_t>(&b.value))));
  line = ReplaceAll<std::wstring>(line, L"{output}", Hex32(b.output.c_str()));
  return ReplaceAll<std::wstring>(line, L"{program}", b.program);
}

std::string ExpectedJournal(const CallRow& row, const CallBuffers& b, int32_t status) {
  return ReplaceAll<std::string>(row.journal, "{program}", ToNarrow(b.program)) + " -> " + std::to_string(status);
}

class OvxIfTest : public test::NcLinkTest {
 protected:
  // A program with a non-ASCII name, to see the path reach the library as
  // 8-bit text.
  CallBuffers Buffers() {
    CallBuffers b;
    b.program = ToWide(WriteFile("pr\xC3\xBC" "fung.eia", "%\r\nG90G0X0.\r\n%\r\n"));
    return b;
  }
};

TEST_F(OvxIfTest, EveryCallIsOneGroupWithItsArgumentsInOrder) {
  Open();
  for (const int32_t status : {0, 1234}) {
    for (const CallRow& row : kCallRows) {
      SCOPED_TRACE(testing::Message() << row.entryPoint << " answering " << status);
      sim_.SetFailure(row.entryPoint, status);
      sim_.ClearJournal();
      CallBuffers b = Buffers();
      const std::wstring callLine = ExpectedCallLine(row, b);
      EXPECT_EQ(row.call(ovx_, b), status);
      const std::vector<LogRecord> expected =
          status == 0 ? CallGroup(callLine, L" was succeeded.", 1)
                      : CallGroup(callLine, L" was not succeeded(" + std::to_wstring(status) + L").", 3);
      EXPECT_EQ(viewer_.TakeRecords(), expected);
      EXPECT_EQ(sim_.Journal(), std::vector<std::string>{ExpectedJournal(row, b, status)});
      sim_.SetFailure(row.entryPoint, 0);
    }
  }
}

// Before Load every call is refused silently. Load checks the library in one
// group; after a failed init only Init and CommGetParameter reach it. Unload
// then logs why it failed, or frees the library without the shut-down calls.
TEST_F(OvxIfTest, CallsAreRefusedSilentlyBeforeLoadAndAfterAFailedInit) {
  sim_.SetFailure("OvxNcIfInit", 5);
  for (const bool loaded : {false, true}) {
    SCOPED_TRACE(loaded ? "after a failed init" : "before Load");
    if (loaded) {
      ovx_.Load();
      EXPECT_EQ(viewer_.TakeRecords(), CallGroup(L"COVXIF::Load()", L"COVXIF::Load() was succeeded.", 1));
      EXPECT_TRUE(sim_.Journal().empty()) << "Load calls nothing";
      EXPECT_FALSE(ovx_.IsUsable()) << "before OvxNcIfInit";
      ovx_.SetClosed(ovx_.OvxNcIfInit());
      EXPECT_TRUE(ovx_.IsLoaded());
      EXPECT_FALSE(ovx_.IsUsable());
      EXPECT_EQ(ovx_.GetClosed(), 5);
      viewer_.TakeRecords();
      sim_.ClearJournal();
    }
    for (const CallRow& row : kCallRows) {
      SCOPED_TRACE(row.entryPoint);
      CallBuffers b = Buffers();
      const int32_t status = row.call(ovx_, b);
      const bool reaches = loaded && !row.needsUsable;
      EXPECT_EQ(status, !reaches ? kNcRefused : std::string(row.entryPoint) == "OvxNcIfInit" ? 5 : 0);
      EXPECT_TRUE(reaches || b.output == L"old");
      EXPECT_EQ(viewer_.TakeRecords().size(), reaches ? 4u : 0u);
      EXPECT_EQ(sim_.Journal().size(), reaches ? 1u : 0u);
      sim_.ClearJournal();
    }
    ovx_.Unload(2);
    EXPECT_EQ(viewer_.TakeRecords(),
              loaded ? CallGroup(L"COVXIF::Unload( 2 )", L"COVXIF::Unload( 2 ) was succeeded.", 1)
                     : CallGroup(L"COVXIF::Unload( 2 )",
                                 L"COVXIF::Unload( 2 ) was not succeeded. Because OVXIF.dll wsa not loaded.", 3));
    EXPECT_TRUE(sim_.Journal().empty());
    EXPECT_FALSE(ovx_.IsLoaded());
    EXPECT_TRUE(loaded || ovx_.GetClosed() == 1);
  }
}

TEST_F(OvxIfTest, UnloadShutsTheInterfaceDownInsideItsGroup) {
  Open();
  sim_.SetFailure("OvxNcIfQuit", 8);
  ovx_.Unload(2);
  EXPECT_EQ(viewer_.TakeRecords(), test::UnloadRecords({CallGroup(L"COVXIF::OvxNcIfCallPinType( 2 )", L" was succeeded.", 1),
                                                        CallGroup(L"COVXIF::OvxNcIfQuit()", L" was not succeeded(8).", 3),
                                                        CallGroup(L"COVXIF::OvxIfFreeData()", L" was succeeded.", 1)}));
  EXPECT_EQ(sim_.Journal(),
            (std::vector<std::string>{"OvxNcIfCallPinType(2) -> 0", "OvxNcIfQuit() -> 8", "OvxIfFreeData() -> 0"}));
  EXPECT_FALSE(ovx_.IsLoaded());
  EXPECT_EQ(ovx_.GetClosed(), 1);
  EXPECT_EQ(ovx_.OvxNcIfInit(), kNcRefused);
  // The next start loads and initialises anew.
  Open();
}

TEST_F(OvxIfTest, CommGetParameterCopiesTheBufferWhateverTheStatus) {
  Open();
  std::wstring value = L"old";
  EXPECT_EQ(ovx_.CommGetParameter("Controller", value), 0);
  EXPECT_EQ(value, L"H52");
  sim_.SetFailure("CommGetParameter", 4);
  EXPECT_EQ(ovx_.CommGetParameter("Controller", value), 4);
  EXPECT_EQ(value, L"");
}

// The two axis-label reads and the conversion each of them makes.
struct LabelRead {
  int32_t (COVXIF::*read)(int32_t, std::wstring&);
  const char* conversion;
};
const LabelRead kLabelReads[] = {{&COVXIF::GetAxisName, "ConvertSerialAxisToSystemAxisPermittedSPC"},
                                 {&COVXIF::GetAxisLabel, "ConvertSerialAxisToSystemAxis"}};

TEST_F(OvxIfTest, AxisLabelOfAFailedReadHasNoLetter) {
  std::wstring label;
  EXPECT_EQ(ovx_.GetAxisLabel(3, label), kNcRefused);
  EXPECT_EQ(label, L"$1-");
  EXPECT_TRUE(sim_.Journal().empty());
  Open();
  sim_.SetFailure("GetInformation", 9);
  EXPECT_EQ(ovx_.GetAxisName(3, label), 9);
  EXPECT_EQ(label, L"$2-");
}

TEST_F(OvxIfTest, NumbersNoLabelCanHoldAreRefusedWithoutAnAxisRead) {
  // Ten part systems: the first of 513 axes A0 to A512, the others of one
  // axis X each (serial axis 512 + s is in system s + 1).
  std::string tenSystems = "[System1]\nAxes=";
  for (int a = 0; a <= 512; ++a) tenSystems += " A" + std::to_string(a);
  for (int n = 2; n <= 10; ++n) tenSystems += "\n[System" + std::to_string(n) + "]\nAxes=X";
  struct Row {
    const char* what;
    const char* behaviour;  // of both serial conversions
    int32_t serial;
    int32_t status;
    const wchar_t* label;
  };
  const Row kRows[] = {
      {"system INT_MAX", "int-max", 0, kNcCheckFailed, L""},
      {"system INT_MIN", "int-min", 0, kNcCheckFailed, L""},
      {"NaN taken as an integer", "nan", 0, kNcCheckFailed, L""},
      {"outputs untouched: system and axis stay 0", "untouched", 4, 0, L"$1-A"},
      {"axis 511 of a system", "0", 511, 0, L"$1-A"},
      {"axis 512 of a system", "0", 512, kNcCheckFailed, L""},
      {"the ninth system fits a label", "0", 520, 0, L"$9-X"},
      {"the tenth does not", "0", 521, kNcCheckFailed, L""},
  };
  Open();
  UseMachine(tenSystems);
  for (const LabelRead& member : kLabelReads) {
    for (const Row& row : kRows) {
      SCOPED_TRACE(testing::Message() << member.conversion << ": " << row.what);
      ASSERT_TRUE(sim_.SetBehaviour(member.conversion, row.behaviour));
      sim_.ClearJournal();
      std::wstring label = L"old";
      EXPECT_EQ((ovx_.*member.read)(row.serial, label), row.status);
      EXPECT_EQ(label, row.label);
      const std::vector<std::string> journal = sim_.Journal();
      EXPECT_EQ(journal.size(), row.status == 0 ? 2u : 1u) << "the AXISNAME read is made only for a label";
    }
  }
}

TEST_F(OvxIfTest, ConversionsRefuseNumbersOutsideTheLimits) {
  struct Row {
    const char* behaviour;
    bool converted;
    int32_t system;  // the outputs afterwards, from 7 and 7
    int32_t axis;
    int32_t serial;
  };
  const Row kRows[] = {
      {"0", true, 1, 1, 5},
      {"int-max", false, 7, 7, 7},
      {"-huge", false, 7, 7, 7},
  };
  int32_t unopened = 7;  // before Open nothing reaches the library
  ovx_.ConvertSerialAxisToSystemAxis(4, unopened, unopened);
  EXPECT_EQ(unopened, 7);
  Open();
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.behaviour);
    // The two serial conversions share one check: ConvertSerialAxisToSystemAxis stands for both.
    for (const char* name : {"ConvertSerialAxisToSystemAxis", "ConvertSystemAxisToSerialAxis"}) {
      ASSERT_TRUE(sim_.SetBehaviour(name, row.behaviour));
    }
    int32_t system = 7;
    int32_t axis = 7;
    EXPECT_EQ(ovx_.ConvertSerialAxisToSystemAxis(4, system, axis), row.converted);
    EXPECT_EQ(system, row.system);
    EXPECT_EQ(axis, row.axis);
    int32_t serial = 7;
    EXPECT_EQ(ovx_.ConvertSystemAxisToSerialAxis(1, 2, serial), row.converted);
    EXPECT_EQ(serial, row.serial);
    EXPECT_TRUE(viewer_.TakeRecords().empty()) << "conversions are not logged";
  }
}

}  // namespace
}  // namespace pf
