// Windows: the wizard's windows are real ones, shown by the plug-in's own
// Win32 backend; message boxes carry the plug-in's name as their title.
#include "plugin/PlatformUi.h"

#include "common/StringTable.h"
#include "ui/UiBackend.h"
#include "ui/win32/Win32Ui.h"

namespace pf {

struct PlatformUi::Backend {
  Win32Ui ui{LoadResString(14001)};
  ScopedUiBackend scope{ui};
};

PlatformUi::PlatformUi() : backend_(std::make_unique<Backend>()) {}
PlatformUi::~PlatformUi() = default;

}  // namespace pf
