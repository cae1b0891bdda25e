// The simulated NC library reads its description file's name from the
// environment when it is loaded; the process environment reaches the
// library's own runtime when it starts.
#include <stdlib.h>

#include "MachineReading.h"

namespace pf {

void UseMachineDescription(const std::wstring& path) { _wputenv_s(L"OVXSIM_MACHINE", path.c_str()); }

}  // namespace pf
