// The controller check: which controller type the host's communication
// settings name.
#pragma once

#include <cstdint>

#include "nclink/OVXIF.h"

namespace pf {

// Reads the controller model ("Controller") and the connection ("TCP", whose
// second comma-separated field is the port) through `ovxIf`. Writes 0 for a
// "Q4RT" controller on port "683", 1 for an "H52" controller on port
// "64758"; any other pair falls back to the two-port setting: 0 with two
// ports (or when the setting cannot be read), else -1. Returns 0, or
// kNcCheckFailed when a settings read failed or the type is -1.
int32_t GetNcType(COVXIF& ovxIf, int32_t& type);

}  // namespace pf
