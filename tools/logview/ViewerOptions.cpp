#include "ViewerOptions.h"

namespace pf {
namespace {

struct ValueOption {
  const wchar_t* name;
  std::wstring ViewerOptions::*value;
};

constexpr ValueOption kValueOptions[] = {
    {L"--record", &ViewerOptions::recordPath},
    {L"--replay", &ViewerOptions::replayPath},
    {L"--save", &ViewerOptions::savePath},
    {L"--filter", &ViewerOptions::filter},
};

const ValueOption* FindValueOption(const std::wstring& name) {
  for (const ValueOption& option : kValueOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

}  // namespace

const wchar_t kViewerUsage[] =
    L"usage: logview [--record FILE] [--replay FILE] [--save FILE] [--filter TEXT] [--once]";

bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == L"--once") {
      options.once = true;
      continue;
    }
    const ValueOption* option = FindValueOption(args[i]);
    if (option == nullptr) {
      error = L"unknown argument: " + args[i];
      return false;
    }
    if (i + 1 == args.size()) {
      error = args[i] + L" needs a value";
      return false;
    }
    options.*(option->value) = args[++i];
  }
  return true;
}

}  // namespace pf
