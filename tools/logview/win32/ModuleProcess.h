// Which process a module session on Windows belongs to. The copy-data
// message does not name its sender, so the viewer looks, when a session
// starts, for the processes that have the plug-in loaded. Only Win32 code
// here.
#pragma once

#include <cstdint>
#include <set>

namespace pf {

// The id of a process other than this one that has "40.PathForge.pin"
// loaded, preferring one not in `named`; 0 when there is none.
uint32_t FindModuleProcess(const std::set<uint32_t>& named);

}  // namespace pf
