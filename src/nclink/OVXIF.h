// COVXIF: the module's only door to the NC-interface library "OVXIF.dll".
//
// Load opens the library and checks that it offers every entry point of
// OVX_CHECKED_ENTRY_POINTS (OvxContract.h); a library lacking one is not used
// at all. The interface is *loaded* while a library is open and *usable*
// while it is loaded and its initialisation status (m_nClosed) is 0.
//
// Every call member follows one pattern: refuse with kNcRefused when its
// guard fails (nothing logged, the library untouched), otherwise log the call
// line and open a group, call the entry point (looked up anew each time),
// log " was succeeded." or " was not succeeded(<status>).", close the group
// and return the library's status unchanged. An entry point that the library
// lacks although Load did not check it counts as a refused call.
//
// The object never unloads the library by itself: Unload does, and it must
// run before the object dies.
#pragma once

#include <cstdint>
#include <string>

#include "nclink/DynamicLibrary.h"
#include "nclink/LogChannel.h"

namespace pf {

// Status of a call refused because the interface is not loaded or not usable.
inline constexpr int32_t kNcRefused = -1;

// Status of the module's own NC-derived checks when the NC gave no answer.
inline constexpr int32_t kNcCheckFailed = -2;

class COVXIF {
 public:
  // Logs every call to `logChannel`, which must outlive this object.
  explicit COVXIF(CLogChannel& logChannel);
  virtual ~COVXIF();
  COVXIF(const COVXIF&) = delete;
  COVXIF& operator=(const COVXIF&) = delete;

  // Opens the library and checks its entry points; leaves it closed (and
  // logs the first missing name) when one is missing. m_nClosed is untouched.
  void Load();

  // When loaded: if usable, tells the library the plug-in type and shuts it
  // down (OvxNcIfCallPinType, OvxNcIfQuit, OvxIfFreeData) and sets
  // m_nClosed back to 1; then frees the library. All of it in one log group.
  void Unload(int32_t pluginType);

  bool IsLoaded() const { return m_hDll != nullptr; }
  bool IsUsable() const { return IsLoaded() && m_nClosed == 0; }

  // The initialisation status: 1 until an OvxNcIfInit status is stored.
  int32_t GetClosed() const { return m_nClosed; }
  void SetClosed(int32_t status) { m_nClosed = status; }

  // The call members. OvxNcIfInit and CommGetParameter need the interface
  // loaded, all others usable.
  int32_t OvxNcIfInit();
  int32_t OvxNcIfCallPinType(int32_t pluginType);
  int32_t OvxNcIfQuit();
  int32_t OvxIfFreeData();
  // size: the buffer's size, or the value type (ovx::kValueDouble).
  int32_t GetInformation(int32_t system, int32_t axis, const char* item, void* buffer, int32_t size);
  // buffer: 32 bytes.
  int32_t NcGetInformation(const char* item, char* buffer, int32_t index);
  int32_t NcGetParameter(int32_t system, int32_t index, const std::wstring& name, void* buffer, int32_t size);
  int32_t CheckSPAX(int32_t system, int32_t axis);
  // The library fills a zero-filled buffer of ovx::kCommBufferLength UTF-16
  // units, which is copied to `value` (up to its first zero) whatever the
  // status; a refused call leaves `value` alone.
  int32_t CommGetParameter(const char* name, std::wstring& value);
  int32_t IsTwoPortSetting(int32_t* twoPorts);
  int32_t CheckTuningExecReady(int32_t system, int32_t value, int32_t* state);
  int32_t NonSamplingSetTarget(int32_t system, int32_t axis);
  int32_t NcLoadProgram(const std::wstring& path, int32_t value);
  int32_t GetBasicParaExt(int32_t number, int32_t* value);
  int32_t CheckNcStatusForOVXFunction(int32_t value, int32_t* status);
  int32_t NcGetAccelerationParameter(int32_t kind, int32_t system, int32_t axis, int32_t unit,
                                     const std::wstring& name, int32_t* value);

  // Axis-number conversions, not logged: they call the library only while
  // the interface is usable and the library has the entry point; otherwise
  // the outputs keep their values. The library's status is not used, but its
  // numbers are checked (NcLimits.h): a system or axis number that no label
  // can hold is refused, the outputs keep their values and the result is
  // false. True otherwise.
  bool ConvertSerialAxisToSystemAxis(int32_t serial, int32_t& system, int32_t& axis);
  bool ConvertSystemAxisToSerialAxis(int32_t system, int32_t axis, int32_t& serial);
  bool ConvertSerialAxisToSystemAxisPermittedSPC(int32_t serial, int32_t& system, int32_t& axis);

  // The display name "$<system + 1>-<letter>" of a serial axis in the
  // machine-information page's list (converted with the permitted-spindle
  // variant). Returns the status of the "AXISNAME" read; the name is set
  // whatever the status and is not meaningful when it is nonzero. A refused
  // conversion gives kNcCheckFailed and an empty name, with no read.
  int32_t GetAxisName(int32_t serial, std::wstring& name);

  // The label "$<system + 1>-<letter>" by which pages find the CNC axis of a
  // serial axis number; as GetAxisName, converted with
  // ConvertSerialAxisToSystemAxis.
  int32_t GetAxisLabel(int32_t serial, std::wstring& label);

 private:
  enum class Guard { Loaded, Usable };

  template <class Fn>
  Fn FindEntryPoint(const char* name) const;

  template <class Fn, class Call, class... LogArgs>
  int32_t CallLogged(Guard guard, const char* name, Call call, const wchar_t* callLine, const LogArgs&... logArgs);

  template <class Fn, class Call>
  void CallUnlogged(const char* name, Call call);

  template <class Fn>
  bool ConvertToSystemAxis(const char* name, int32_t serial, int32_t& system, int32_t& axis);

  int32_t ReadAxisLabel(bool converted, int32_t system, int32_t axis, std::wstring& label);

  CLogChannel& m_logChannel;
  LibraryHandle m_hDll = nullptr;
  int32_t m_nClosed = 1;
};

}  // namespace pf
