// The entry points that the module calls, answered from the machine in force.
// A call that fails (by the machine's [Fail] section, SimSetFailure, or a
// missing value) leaves every output as it was; every output is written
// through the call's Outputs, so a chosen misbehaviour bends it.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <type_traits>

#include "Numbers.h"
#include "SimState.h"
#include "nclink/OvxContract.h"
#include "sim/SimControl.h"

using pf::sim::Serve;
using pf::sim::Mode;
using pf::sim::Outputs;
using pf::sim::State;

namespace {

// The text buffer of NcGetInformation, and the most that NcGetParameter
// writes of a text value, terminator included.
constexpr int32_t kInformationBufferSize = 32;
constexpr int32_t kParameterTextLimit = 16;

// Text received from the caller (a null pointer reads as empty text).
std::string Text(const char* text) { return text == nullptr ? std::string() : std::string(text); }

// Hands a looked-up value on as a 32-bit integer; a failed lookup, or a
// value that is not a number, leaves `out` alone.
int32_t IntegerOut(int32_t lookupStatus, const std::string& text, const Outputs& outputs, int32_t* out) {
  int32_t value = 0;
  if (lookupStatus != 0) return lookupStatus;
  if (!pf::sim::ParseNumber(text, value)) return pf::kSimNotANumber;
  outputs.Integer(value, out);
  return 0;
}

// Writes a value into a caller's buffer: a 32-bit integer or a double for
// the value type `numberType`, else text cut to `textLimit` bytes.
template <class Number>
int32_t WriteValue(const std::string& text, int32_t size, int32_t numberType, int32_t textLimit,
                   const Outputs& outputs, void* buffer) {
  if (size != numberType) {
    outputs.Text(text, static_cast<char*>(buffer), std::min(size, textLimit));
    return 0;
  }
  Number value{};
  if (!pf::sim::ParseNumber(text, value)) return pf::kSimNotANumber;
  Number written{};
  if constexpr (std::is_same_v<Number, double>) {
    outputs.Double(value, &written);
  } else {
    outputs.Integer(value, &written);
  }
  std::memcpy(buffer, &written, sizeof written);
  return 0;
}

// A count of NcGetInformation as Mode::FarCount reports it: far beyond the
// machine's own.
std::string FarCount(const std::string& text) {
  int32_t count = 0;
  if (!pf::sim::ParseNumber(text, count)) return text;
  return std::to_string(static_cast<int64_t>(count) + pf::sim::kFarCountExcess);
}

// The two serial-axis conversions answer alike: the 0-based system and
// axis of the serial axis.
int32_t ConvertSerial(const char* entryPoint, int32_t serial, int32_t* system, int32_t* axis) {
  return Serve(entryPoint, {serial}, [&](State& state, const Outputs& outputs) {
    int32_t found[2] = {};
    const int32_t status = state.machine().SerialToSystemAxis(serial, found[0], found[1]);
    if (status == 0) {
      outputs.Integer(found[0], system);
      outputs.Integer(found[1], axis);
    }
    return status;
  });
}

}  // namespace

extern "C" {

int32_t OVX_CALL OvxNcIfInit() {
  return Serve("OvxNcIfInit", {}, [](State& state, const Outputs&) {
    state.ReadEnvironment();
    return 0;
  });
}

int32_t OVX_CALL OvxNcIfCallPinType(int32_t pluginType) {
  return Serve("OvxNcIfCallPinType", {pluginType}, [](State&, const Outputs&) { return 0; });
}

int32_t OVX_CALL OvxNcIfQuit() {
  return Serve("OvxNcIfQuit", {}, [](State&, const Outputs&) { return 0; });
}

int32_t OVX_CALL OvxIfFreeData() {
  return Serve("OvxIfFreeData", {}, [](State&, const Outputs&) { return 0; });
}

int32_t OVX_CALL GetInformation(int32_t system, int32_t axis, const char* item, void* buffer, int32_t size) {
  return Serve("GetInformation", {system, axis, item, size}, [&](State& state, const Outputs& outputs) {
    std::string text;
    const int32_t status = state.machine().AxisValue(system, axis, Text(item), text);
    return status != 0 ? status : WriteValue<double>(text, size, ovx::kValueDouble, size, outputs, buffer);
  });
}

int32_t OVX_CALL NcGetInformation(const char* item, char* buffer, int32_t index) {
  return Serve("NcGetInformation", {item, index}, [&](State& state, const Outputs& outputs) {
    std::string text;
    const int32_t status = state.machine().Information(Text(item), index, text);
    if (status != 0) return status;
    if (outputs.mode() == Mode::FarCount && pf::sim::Machine::IsCountItem(Text(item))) text = FarCount(text);
    outputs.Text(text, buffer, kInformationBufferSize);
    return 0;
  });
}

int32_t OVX_CALL NcGetParameter(int32_t system, int32_t index, const char* name, void* buffer, int32_t size) {
  return Serve("NcGetParameter", {system, index, name, size}, [&](State& state, const Outputs& outputs) {
    std::string text;
    const int32_t status = state.machine().Parameter(system, index, Text(name), text);
    return status != 0 ? status
                       : WriteValue<int32_t>(text, size, ovx::kValueInteger, kParameterTextLimit, outputs, buffer);
  });
}

int32_t OVX_CALL CheckSPAX(int32_t system, int32_t axis) {
  return Serve("CheckSPAX", {system, axis}, [&](State& state, const Outputs&) {
    std::string text;
    int32_t rejection = 0;
    // The rejection is the call's status, no output: it is never bent.
    const int32_t status =
        IntegerOut(state.machine().AxisValue(system, axis, "CheckSPAX", text), text, Outputs(Mode::Normal), &rejection);
    return status != 0 ? status : rejection;
  });
}

int32_t OVX_CALL ConvertSerialAxisToSystemAxis(int32_t serial, int32_t* system, int32_t* axis) {
  return ConvertSerial("ConvertSerialAxisToSystemAxis", serial, system, axis);
}

int32_t OVX_CALL ConvertSerialAxisToSystemAxisPermittedSPC(int32_t serial, int32_t* system, int32_t* axis) {
  return ConvertSerial("ConvertSerialAxisToSystemAxisPermittedSPC", serial, system, axis);
}

int32_t OVX_CALL ConvertSystemAxisToSerialAxis(int32_t system, int32_t axis, int32_t* serial) {
  return Serve("ConvertSystemAxisToSerialAxis", {system, axis}, [&](State& state, const Outputs& outputs) {
    int32_t found = 0;
    const int32_t status = state.machine().SystemAxisToSerial(system, axis, found);
    if (status == 0) outputs.Integer(found, serial);
    return status;
  });
}

int32_t OVX_CALL CommGetParameter(const char* name, char16_t* buffer) {
  return Serve("CommGetParameter", {name}, [&](State& state, const Outputs& outputs) {
    std::string text;
    if (const int32_t status = state.machine().Value("Comm", Text(name), text); status != 0) return status;
    // The communication texts are ASCII: each byte becomes one code unit.
    outputs.Text16(text, buffer, ovx::kCommBufferLength);
    return 0;
  });
}

int32_t OVX_CALL IsTwoPortSetting(int32_t* twoPorts) {
  return Serve("IsTwoPortSetting", {}, [&](State& state, const Outputs& outputs) {
    std::string text;
    return IntegerOut(state.machine().Value("Machine", "IsTwoPortSetting", text), text, outputs, twoPorts);
  });
}

int32_t OVX_CALL CheckTuningExecReady(int32_t system, int32_t value, int32_t* readyState) {
  return Serve("CheckTuningExecReady", {system, value}, [&](State& state, const Outputs& outputs) {
    std::string text;
    return IntegerOut(state.machine().SystemValue(system, "CheckTuningExecReady", text), text, outputs, readyState);
  });
}

int32_t OVX_CALL NonSamplingSetTarget(int32_t system, int32_t axis) {
  return Serve("NonSamplingSetTarget", {system, axis}, [&](State& state, const Outputs&) {
    return state.machine().HasAxis(system, axis) ? 0 : pf::kSimNotFound;
  });
}

int32_t OVX_CALL NcLoadProgram(const char* path, int32_t value) {
  return Serve("NcLoadProgram", {path, value}, [&](State& state, const Outputs&) {
    std::ifstream file(Text(path), std::ios::binary);
    if (!file) return pf::kSimNotFound;
    state.SetLastProgram(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    std::string text;
    int32_t result = 0;
    // The result is the call's status, no output: it is never bent.
    const int32_t status =
        IntegerOut(state.machine().Value("Machine", "NcLoadProgram", text), text, Outputs(Mode::Normal), &result);
    return status != 0 ? status : result;
  });
}

int32_t OVX_CALL GetBasicParaExt(int32_t number, int32_t* value) {
  return Serve("GetBasicParaExt", {number}, [&](State& state, const Outputs& outputs) {
    std::string text;
    return IntegerOut(state.machine().Value("BasicParaExt", std::to_string(number), text), text, outputs, value);
  });
}

int32_t OVX_CALL CheckNcStatusForOVXFunction(int32_t value, int32_t* ncStatus) {
  return Serve("CheckNcStatusForOVXFunction", {value}, [&](State& state, const Outputs& outputs) {
    std::string text;
    return IntegerOut(state.machine().Value("Machine", "CheckNcStatusForOVXFunction", text), text, outputs, ncStatus);
  });
}

int32_t OVX_CALL NcGetAccelerationParameter(int32_t kind, int32_t system, int32_t axis, int32_t unit,
                                            const char* name, int32_t* value) {
  return Serve("NcGetAccelerationParameter", {kind, system, axis, unit, name},
               [&](State& state, const Outputs& outputs) {
                 std::string text;
                 return IntegerOut(state.machine().AxisValue(system, axis, Text(name), text), text, outputs, value);
               });
}

}  // extern "C"

// Every served entry point has the contract's signature.
#define OVXSIM_MATCHES_CONTRACT(name) \
  static_assert(std::is_same_v<decltype(&(name)), ovx::name##Fn>, #name " differs from the contract");
OVXSIM_MATCHES_CONTRACT(OvxNcIfInit)
OVXSIM_MATCHES_CONTRACT(OvxNcIfCallPinType)
OVXSIM_MATCHES_CONTRACT(OvxNcIfQuit)
OVXSIM_MATCHES_CONTRACT(OvxIfFreeData)
OVXSIM_MATCHES_CONTRACT(GetInformation)
OVXSIM_MATCHES_CONTRACT(NcGetInformation)
OVXSIM_MATCHES_CONTRACT(NcGetParameter)
OVXSIM_MATCHES_CONTRACT(CheckSPAX)
OVXSIM_MATCHES_CONTRACT(ConvertSerialAxisToSystemAxis)
OVXSIM_MATCHES_CONTRACT(ConvertSerialAxisToSystemAxisPermittedSPC)
OVXSIM_MATCHES_CONTRACT(ConvertSystemAxisToSerialAxis)
OVXSIM_MATCHES_CONTRACT(CommGetParameter)
OVXSIM_MATCHES_CONTRACT(IsTwoPortSetting)
OVXSIM_MATCHES_CONTRACT(CheckTuningExecReady)
OVXSIM_MATCHES_CONTRACT(NonSamplingSetTarget)
OVXSIM_MATCHES_CONTRACT(NcLoadProgram)
OVXSIM_MATCHES_CONTRACT(GetBasicParaExt)
OVXSIM_MATCHES_CONTRACT(CheckNcStatusForOVXFunction)
OVXSIM_MATCHES_CONTRACT(NcGetAccelerationParameter)
#undef OVXSIM_MATCHES_CONTRACT
