// POSIX: the host has installed the backend in the shared platform layer.
#include "plugin/PlatformUi.h"

namespace pf {

struct PlatformUi::Backend {};

PlatformUi::PlatformUi() = default;
PlatformUi::~PlatformUi() = default;

}  // namespace pf
