// `pathforge wizard` in the Windows build. The plug-in DLL stands alone with
// its own copy of the toolkit and shows real windows, so this program cannot
// hand it a headless one: wizard scripts run in the Windows host there.
#include "WizardCommand.h"

namespace pf {

int RunWizardCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "pathforge wizard: the Windows build runs wizard scripts in the test host\n";
  return 2;
}

}  // namespace pf
