// COVXIF: loading and checking the NC-interface library, and the logged
// call pattern shared by every call member.
#include "nclink/OVXIF.h"

#include <algorithm>

#include "common/Format.h"
#include "common/Text.h"
#include "nclink/NcLimits.h"
#include "nclink/OvxContract.h"

namespace pf {
namespace {

const wchar_t kSucceeded[] = L" was succeeded.";
const wchar_t kNotSucceeded[] = L" was not succeeded(%d).";

// An address as the call lines show it ("0x%08X").
const void* Address(const void* p) { return p; }

// An address as the platform's "%d" shows it: the low 32 bits as a signed
// int, so that 32- and 64-bit builds write call lines of one shape.
int32_t AddressAsInt(const void* p) { return static_cast<int32_t>(reinterpret_cast<std::uintptr_t>(p)); }

}  // namespace

COVXIF::COVXIF(CLogChannel& logChannel) : m_logChannel(logChannel) {}

COVXIF::~COVXIF() = default;

template <class Fn>
Fn COVXIF::FindEntryPoint(const char* name) const {
  return reinterpret_cast<Fn>(FindLibrarySymbol(m_hDll, name));
}

template <class Fn, class Call, class... LogArgs>
int32_t COVXIF::CallLogged(Guard guard, const char* name, Call call, const wchar_t* callLine,
                           const LogArgs&... logArgs) {
  if (guard == Guard::Usable ? !IsUsable() : !IsLoaded()) {
    return kNcRefused;
  }
  const Fn entryPoint = FindEntryPoint<Fn>(name);
  if (entryPoint == nullptr) {
    return kNcRefused;
  }
  m_logChannel.BeginLog(0, callLine, logArgs...);
  const int32_t status = call(entryPoint);
  if (status != 0) {
    m_logChannel.AddLog(0, kMarkFailure, kNotSucceeded, status);
  } else {
    m_logChannel.AddLog(0, kMarkSuccess, kSucceeded);
  }
  m_logChannel.EndLog();
  return status;
}

template <class Fn, class Call>
void COVXIF::CallUnlogged(const char* name, Call call) {
  if (!IsUsable()) {
    return;
  }
  if (const Fn entryPoint = FindEntryPoint<Fn>(name)) {
    call(entryPoint);
  }
}

void COVXIF::Load() {
  m_logChannel.BeginLog(0, L"COVXIF::Load()");
  m_hDll = OpenLibrary(LibraryFileName(L"OVXIF"));
  if (m_hDll == nullptr) {
    const int error = LastLibraryError();
    m_logChannel.AddLog(0, kMarkFailure, L"OVXIF.dll not exist. COVXIF::Open() was not succeeded(%d).", error);
    m_logChannel.EndLog();
    return;
  }
  for (const char* name : ovx::kCheckedEntryPoints) {
    if (FindLibrarySymbol(m_hDll, name) != nullptr) {
      continue;
    }
    const int error = LastLibraryError();
    m_logChannel.AddLog(0, kMarkFailure, L"\"%s\" not exist in OVXIF.dll. COVXIF::Load() was not succeeded(%d).",
                        ToWide(name), error);
    CloseLibrary(m_hDll);
    m_hDll = nullptr;
    break;
  }
  if (m_hDll != nullptr) {
    m_logChannel.AddLog(0, kMarkSuccess, L"COVXIF::Load() was succeeded.");
  }
  m_logChannel.EndLog();
}

void COVXIF::Unload(int32_t pluginType) {
  m_logChannel.BeginLog(0, L"COVXIF::Unload( %d )", pluginType);
  if (m_hDll == nullptr) {
    m_logChannel.AddLog(0, kMarkFailure,
                        L"COVXIF::Unload( %d ) was not succeeded. Because OVXIF.dll wsa not loaded.", pluginType);
    m_logChannel.EndLog();
    return;
  }
  if (m_nClosed == 0) {
    OvxNcIfCallPinType(pluginType);
    OvxNcIfQuit();
    OvxIfFreeData();
    m_nClosed = 1;
  }
  CloseLibrary(m_hDll);
  m_hDll = nullptr;
  m_logChannel.AddLog(0, kMarkSuccess, L"COVXIF::Unload( %d ) was succeeded.", pluginType);
  m_logChannel.EndLog();
}

int32_t COVXIF::OvxNcIfInit() {
  return CallLogged<ovx::OvxNcIfInitFn>(
      Guard::Loaded, "OvxNcIfInit", [](auto fn) { return fn(); }, L"COVXIF::OvxNcIfInit()");
}

int32_t COVXIF::OvxNcIfCallPinType(int32_t pluginType) {
  return CallLogged<ovx::OvxNcIfCallPinTypeFn>(
      Guard::Usable, "OvxNcIfCallPinType", [&](auto fn) { return fn(pluginType); },
      L"COVXIF::OvxNcIfCallPinType( %d )", pluginType);
}

int32_t COVXIF::OvxNcIfQuit() {
  return CallLogged<ovx::OvxNcIfQuitFn>(
      Guard::Usable, "OvxNcIfQuit", [](auto fn) { return fn(); }, L"COVXIF::OvxNcIfQuit()");
}

int32_t COVXIF::OvxIfFreeData() {
  return CallLogged<ovx::OvxIfFreeDataFn>(
      Guard::Usable, "OvxIfFreeData", [](auto fn) { return fn(); }, L"COVXIF::OvxIfFreeData()");
}

int32_t COVXIF::GetInformation(int32_t system, int32_t axis, const char* item, void* buffer, int32_t size) {
  return CallLogged<ovx::GetInformationFn>(
      Guard::Usable, "GetInformation", [&](auto fn) { return fn(system, axis, item, buffer, size); },
      L"COVXIF::GetInformation( %d, %d, \"%s\"... )", system, axis, ToWide(item));
}

int32_t COVXIF::NcGetInformation(const char* item, char* buffer, int32_t index) {
  return CallLogged<ovx::NcGetInformationFn>(
      Guard::Usable, "NcGetInformation", [&](auto fn) { return fn(item, buffer, index); },
      L"COVXIF::NcGetInformation( %s, 0x%08X, %d )", ToWide(item), Address(buffer), index);
}

int32_t COVXIF::NcGetParameter(int32_t system, int32_t index, const std::wstring& name, void* buffer,
                               int32_t size) {
  return CallLogged<ovx::NcGetParameterFn>(
      Guard::Usable, "NcGetParameter",
      [&](auto fn) { return fn(system, index, ToNarrow(name).c_str(), buffer, size); },
      L"COVXIF::NcGetParameter( %d, %d, %s, 0x%08X, %d )", system, index, name, Address(buffer), size);
}

int32_t COVXIF::CheckSPAX(int32_t system, int32_t axis) {
  return CallLogged<ovx::CheckSPAXFn>(
      Guard::Usable, "CheckSPAX", [&](auto fn) { return fn(system, axis); }, L"COVXIF::CheckSPAX( %d, %d )",
      system, axis);
}

int32_t COVXIF::CommGetParameter(const char* name, std::wstring& value) {
  return CallLogged<ovx::CommGetParameterFn>(
      Guard::Loaded, "CommGetParameter",
      [&](auto fn) {
        char16_t buffer[ovx::kCommBufferLength] = {};
        const int32_t status = fn(name, buffer);
        value = FromUtf16(std::u16string(buffer, std::find(buffer, std::end(buffer), u'\0')));
        return status;
      },
      L"COVXIF::CommGetParameter( %s, 0x%08X )", ToWide(name), Address(value.c_str()));
}

int32_t COVXIF::IsTwoPortSetting(int32_t* twoPorts) {
  return CallLogged<ovx::IsTwoPortSettingFn>(
      Guard::Usable, "IsTwoPortSetting", [&](auto fn) { return fn(twoPorts); }, L"COVXIF::IsTwoPortSetting( %d )",
      AddressAsInt(twoPorts));
}

int32_t COVXIF::CheckTuningExecReady(int32_t system, int32_t value, int32_t* state) {
  return CallLogged<ovx::CheckTuningExecReadyFn>(
      Guard::Usable, "CheckTuningExecReady", [&](auto fn) { return fn(system, value, state); },
      L"COVXIF::CheckTuningExecReady( %d, %d, 0x%08X )", system, value, Address(state));
}

int32_t COVXIF::NonSamplingSetTarget(int32_t system, int32_t axis) {
  return CallLogged<ovx::NonSamplingSetTargetFn>(
      Guard::Usable, "NonSamplingSetTarget", [&](auto fn) { return fn(system, axis); },
      L"COVXIF::NonSamplingSetTarget( ... )");
}

int32_t COVXIF::NcLoadProgram(const std::wstring& path, int32_t value) {
  return CallLogged<ovx::NcLoadProgramFn>(
      Guard::Usable, "NcLoadProgram", [&](auto fn) { return fn(ToNarrow(path).c_str(), value); },
      L"COVXIF::NcLoadProgram( \"%s\", %d )", path, value);
}

int32_t COVXIF::GetBasicParaExt(int32_t number, int32_t* value) {
  return CallLogged<ovx::GetBasicParaExtFn>(
      Guard::Usable, "GetBasicParaExt", [&](auto fn) { return fn(number, value); }, L"COVXIF::GetBasicParaExt()");
}

int32_t COVXIF::CheckNcStatusForOVXFunction(int32_t value, int32_t* status) {
  return CallLogged<ovx::CheckNcStatusForOVXFunctionFn>(
      Guard::Usable, "CheckNcStatusForOVXFunction", [&](auto fn) { return fn(value, status); },
      L"COVXIF::CheckNcStatusForOVXFunction()");
}

int32_t COVXIF::NcGetAccelerationParameter(int32_t kind, int32_t system, int32_t axis, int32_t unit,
                                           const std::wstring& name, int32_t* value) {
  return CallLogged<ovx::NcGetAccelerationParameterFn>(
      Guard::Usable, "NcGetAccelerationParameter",
      [&](auto fn) { return fn(kind, system, axis, unit, ToNarrow(name).c_str(), value); },
      L"COVXIF::NcGetAccelerationParameter( %d, %d, %d, %d, %s, 0x%08X )", kind, system, axis, unit, name,
      Address(value));
}

template <class Fn>
bool COVXIF::ConvertToSystemAxis(const char* name, int32_t serial, int32_t& system, int32_t& axis) {
  int32_t convertedSystem = system;
  int32_t convertedAxis = axis;
  CallUnlogged<Fn>(name, [&](auto fn) { fn(serial, &convertedSystem, &convertedAxis); });
  if (!IsSystemIndex(convertedSystem) || !IsAxisIndex(convertedAxis)) {
    return false;
  }
  system = convertedSystem;
  axis = convertedAxis;
  return true;
}

bool COVXIF::ConvertSerialAxisToSystemAxis(int32_t serial, int32_t& system, int32_t& axis) {
  return ConvertToSystemAxis<ovx::ConvertSerialAxisToSystemAxisFn>("ConvertSerialAxisToSystemAxis", serial, system,
                                                                   axis);
}

bool COVXIF::ConvertSystemAxisToSerialAxis(int32_t system, int32_t axis, int32_t& serial) {
  int32_t converted = serial;
  CallUnlogged<ovx::ConvertSystemAxisToSerialAxisFn>("ConvertSystemAxisToSerialAxis",
                                                     [&](auto fn) { fn(system, axis, &converted); });
  if (!IsAxisIndex(converted)) {
    return false;
  }
  serial = converted;
  return true;
}

bool COVXIF::ConvertSerialAxisToSystemAxisPermittedSPC(int32_t serial, int32_t& system, int32_t& axis) {
  return ConvertToSystemAxis<ovx::ConvertSerialAxisToSystemAxisPermittedSPCFn>(
      "ConvertSerialAxisToSystemAxisPermittedSPC", serial, system, axis);
}

int32_t COVXIF::GetAxisName(int32_t serial, std::wstring& name) {
  int32_t system = 0;
  int32_t axis = 0;
  const bool converted = ConvertSerialAxisToSystemAxisPermittedSPC(serial, system, axis);
  return ReadAxisLabel(converted, system, axis, name);
}

int32_t COVXIF::GetAxisLabel(int32_t serial, std::wstring& label) {
  int32_t system = 0;
  int32_t axis = 0;
  const bool converted = ConvertSerialAxisToSystemAxis(serial, system, axis);
  return ReadAxisLabel(converted, system, axis, label);
}

int32_t COVXIF::ReadAxisLabel(bool converted, int32_t system, int32_t axis, std::wstring& label) {
  if (!converted) {
    // No label holds the system the library named: no axis of the wizard's.
    label.clear();
    return kNcCheckFailed;
  }
  char buffer[ovx::kAxisNameSize] = {};
  const int32_t status = GetInformation(system, axis, "AXISNAME", buffer, ovx::kAxisNameSize);
  // "$%d-%c" on 8-bit text: a zero letter ends the text there.
  const std::string letter(buffer, buffer[0] != '\0' ? 1 : 0);
  label = Format(L"$%d-%s", system + 1, ToWide(letter));
  return status;
}

}  // namespace pf
