#include "ViewerOptions.h"

namespace pf {

const wchar_t kViewerUsage[] = L"usage: logview [--record FILE] [--once]";

bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == L"--once") {
      options.once = true;
    } else if (args[i] == L"--record" && i + 1 < args.size()) {
      options.recordPath = args[++i];
    } else {
      error = args[i] == L"--record" ? L"--record needs a file name" : L"unknown argument: " + args[i];
      return false;
    }
  }
  return true;
}

}  // namespace pf
