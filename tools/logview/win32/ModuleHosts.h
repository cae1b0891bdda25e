// Which processes have the plug-in loaded: the copy-data message does not
// name its sender, so the viewer looks, when a module loads, for the
// processes with "40.PathForge.pin" among their modules. Only Win32 code
// here.
#pragma once

#include "SenderlessSessions.h"

namespace pf {

// The processes other than this one with the plug-in loaded. Not complete
// when a process of the other kind (32- or 64-bit) could not be looked into
// whole: its module list fails or lacks kernel32.dll, which every Windows
// program has (a 32-bit viewer cannot read a 64-bit program's modules, and
// neither can a 64-bit one a 32-bit program's under some systems). Processes
// of this kind whose modules cannot be read belong to the system or to other
// users, and are passed over. Asked at a module's load line, when some process
// must have the plug-in loaded: when none shows it, it looks again.
ModuleHosts FindModuleHosts();

}  // namespace pf
