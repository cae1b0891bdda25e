// What host.exe says when its plug-in is not there (see MissingPlugin.h).
#include "MissingPlugin.h"

#include "common/Format.h"

namespace pf {

std::wstring MissingPluginText(const std::wstring& file, const wchar_t* arch) {
  return Format(L"The plug-in %s is not there.\n\n"
                L"host.exe is PathForge's test host: it loads the plug-in as the servo-tuning application does, "
                L"from its own folder or from the file given with --plugin. The package keeps the plug-in in "
                L"its %s folder, not beside host.exe.\n\n"
                L"To try the wizard, double-click try-pathforge.bat in this folder: it starts the log viewer, "
                L"then host.exe with ..\\..\\%s\\40.PathForge.pin.\n\n"
                L"For the servo-tuning application, copy only x64\\40.PathForge.pin (64-bit application) or "
                L"x86\\40.PathForge.pin (32-bit) into its plug-in folder. README.txt explains both.\n",
                file, arch, arch);
}

}  // namespace pf
