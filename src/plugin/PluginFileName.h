// The plug-in module's file name: the host loads it by this name, and the
// log viewer recognises the process that loaded it by it.
#pragma once

namespace pf {

inline constexpr wchar_t kPluginFileName[] = L"40.PathForge.pin";

}  // namespace pf
