// The contract of the NC-interface library "OVXIF.dll": the signature of
// every entry point that the module calls, and the names that the library
// must offer before the module uses it at all.
//
// Every entry point returns a 32-bit signed status, 0 for success. Names and
// paths passed in are 8-bit text; output buffers hold NUL-terminated 8-bit
// text unless said otherwise. Both the module (through COVXIF) and the
// simulated library in sim/ are built from this header.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define OVX_CALL __stdcall
#else
#define OVX_CALL
#endif

namespace ovx {

// Length of the wide buffer that CommGetParameter fills (UTF-16 code units).
inline constexpr int kCommBufferLength = 128;

// Value types of the last argument of GetInformation / NcGetParameter.
inline constexpr int32_t kValueDouble = 3;    // GetInformation: a double (stroke limits)
inline constexpr int32_t kValueInteger = 3;   // NcGetParameter: a 32-bit integer
inline constexpr int32_t kValueText = 16;     // NcGetParameter: NUL-terminated text, at most 16 bytes
inline constexpr int32_t kAxisNameSize = 4;   // GetInformation "AXISNAME": 4 bytes, first is the letter

// State of CheckTuningExecReady when the NC is ready for a trial run.
inline constexpr int32_t kTuningReady = 0x103;

using OvxNcIfInitFn = int32_t(OVX_CALL*)();
using OvxNcIfCallPinTypeFn = int32_t(OVX_CALL*)(int32_t pluginType);
using OvxNcIfQuitFn = int32_t(OVX_CALL*)();
using OvxIfFreeDataFn = int32_t(OVX_CALL*)();
// system, axis, item name, buffer, size or value type (4 for "AXISNAME", 3 for a double)
using GetInformationFn = int32_t(OVX_CALL*)(int32_t system, int32_t axis, const char* item, void* buffer,
                                            int32_t size);
// item name, 32-byte text buffer, index
using NcGetInformationFn = int32_t(OVX_CALL*)(const char* item, char* buffer, int32_t index);
// system, second index (0), parameter name, buffer, size or value type
using NcGetParameterFn = int32_t(OVX_CALL*)(int32_t system, int32_t index, const char* name, void* buffer,
                                            int32_t size);
using CheckSPAXFn = int32_t(OVX_CALL*)(int32_t system, int32_t axis);
using ConvertSerialAxisToSystemAxisFn = int32_t(OVX_CALL*)(int32_t serial, int32_t* system, int32_t* axis);
using ConvertSystemAxisToSerialAxisFn = int32_t(OVX_CALL*)(int32_t system, int32_t axis, int32_t* serial);
using ConvertSerialAxisToSystemAxisPermittedSPCFn = int32_t(OVX_CALL*)(int32_t serial, int32_t* system,
                                                                        int32_t* axis);
// name, buffer of kCommBufferLength UTF-16 code units
using CommGetParameterFn = int32_t(OVX_CALL*)(const char* name, char16_t* buffer);
using IsTwoPortSettingFn = int32_t(OVX_CALL*)(int32_t* twoPorts);
// system, second value (0), out state
using CheckTuningExecReadyFn = int32_t(OVX_CALL*)(int32_t system, int32_t value, int32_t* state);
using NonSamplingSetTargetFn = int32_t(OVX_CALL*)(int32_t system, int32_t axis);
using NcLoadProgramFn = int32_t(OVX_CALL*)(const char* path, int32_t value);
// parameter number, out value
using GetBasicParaExtFn = int32_t(OVX_CALL*)(int32_t number, int32_t* value);
// value (0), out NC status
using CheckNcStatusForOVXFunctionFn = int32_t(OVX_CALL*)(int32_t value, int32_t* status);
// kind (1), system, axis, unit (1), parameter name, out value
using NcGetAccelerationParameterFn = int32_t(OVX_CALL*)(int32_t kind, int32_t system, int32_t axis,
                                                        int32_t unit, const char* name, int32_t* value);

// The entry points that a library must offer, in the order in which Load
// checks them. X(name) for each.
#define OVX_CHECKED_ENTRY_POINTS(X)                                                                  \
  X(OvxNcIfInit) X(OvxIfFreeData) X(OvxNcIfQuit) X(ConvertSerialAxisToSystemAxis)                   \
  X(ConvertSystemAxisToSerialAxis) X(MsigSetAddingPosition) X(MsigSetGain) X(RepCanceled)           \
  X(SamplingGetSampledData) X(SamplingReadyToStart) X(SamplingGetStatus) X(MsigSetRegNum)           \
  X(MsigSetInitialRegState) X(MsigSetGenTimeExponent) X(MsigSetSamplingTimeExponent)                \
  X(MsigSetNumberOfData) X(MsigSetSamplingAddress) X(MsigGetParameterLimit) X(MsigAddStart)         \
  X(GetInformation) X(ServoGetParameter) X(ServoSetParameter) X(SpSetParameter) X(SpGetParameter)   \
  X(OvxStartAdjustment) X(WinHandleSet) X(NcGetParameter) X(NcSetParameter) X(NcGetInformation)     \
  X(CommGetParameter) X(CommSetParameter) X(NcGetAccelerationParameter)                             \
  X(NcSetAccelerationParameter) X(NcGetAccelerationTargetName) X(NcGetLimit)                        \
  X(CheckTuningExecReady) X(ServoGetNumber) X(ParameterNumToName)                                   \
  X(SamplingSetSamplingConfigurationForMes) X(NonSamplingSetTarget) X(NcLoadProgram)                \
  X(SamplingGetSampledDataForMes) X(SamplingSetSamplingConfiguration) X(ServoGetLimit)              \
  X(ParameterNameToNum) X(ServoGetInformation) X(NcSetMachineCompensationStatus)                    \
  X(ParameterReadList) X(IsNoServo) X(IsNCSupportPLC) X(IsNCSupportSP)                              \
  X(NcLoadProgramForTimeSeries) X(SamplingManualStart) X(SamplingManualEnd) X(SamplingGetSmpTimer)  \
  X(GetSmplingTimer) X(IsNCSupportOVXFunction) X(GetNcOperationMode) X(GetNcOperatingCondition)     \
  X(RepDrawSmpData) X(CheckInputCommonNo) X(CheckInputPlcDevice) X(CheckNcStatusForOVXFunction)     \
  X(SetMesCanceledFlg) X(GetMesCanceledFlg) X(SetTimeOutFlg) X(GetTimeOutFlg)                       \
  X(SetRemeasurementFlg) X(GetRemeasurementFlg) X(SendMsgNCConnectError) X(KillTimerSmpDrawStatus)  \
  X(SetSmpManualStartFlg) X(SetOVXRequestToCNCFunction) X(DeleteProcessingProgramFile)              \
  X(GetSystemAxisNumber) X(ResetSmpCounter) X(SetReleaseTranFlg) X(GetReleaseTranFlg)               \
  X(ReleaseTran) X(GetSupportFunctionFlg) X(GetNcOPMode) X(CreateNcOperationMode)                   \
  X(InitNcOperationMode) X(GetNcOPCondition) X(CreateNcOperationCondition)                          \
  X(InitNcOperationCondition) X(PreparedDispData) X(IsTwoPortSetting) X(IsLinearMotor) X(CheckSPAX) \
  X(ConvertSPCNumToSPNum) X(IsPermittedSPCFromMesType) X(IsHighSynchroTapSetting)                   \
  X(IsCorrectHighSynchroTapSetting) X(IsHighCycleSamplingSetting) X(SetHighCycleSamplingSetting)    \
  X(GetSmplingRate) X(IsEqualCCW) X(IsCounterClockwise) X(InitSamplingTrigger) X(GetBasicParaExt)   \
  X(ConvertSerialAxisToSerialAxisSPC) X(InitMSmpTimeout)

#define OVX_NAME_STRING(name) #name,
inline constexpr const char* kCheckedEntryPoints[] = {OVX_CHECKED_ENTRY_POINTS(OVX_NAME_STRING)};
#undef OVX_NAME_STRING
inline constexpr int kCheckedEntryPointCount = sizeof(kCheckedEntryPoints) / sizeof(kCheckedEntryPoints[0]);
static_assert(kCheckedEntryPointCount == 103, "the library is checked for 103 entry points");

}  // namespace ovx
