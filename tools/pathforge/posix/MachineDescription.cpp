// The simulated NC library reads its description file's name from the
// environment when it is loaded.
#include <stdlib.h>

#include "MachineReading.h"
#include "common/Text.h"

namespace pf {

void UseMachineDescription(const std::wstring& path) { setenv("OVXSIM_MACHINE", ToNarrow(path).c_str(), 1); }

}  // namespace pf
