#include "ViewerOptions.h"

#include <cwchar>

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

// A count above 0 written in decimal digits alone.
bool ReadCount(const std::wstring& text, std::size_t& count) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
  count = static_cast<std::size_t>(std::wcstoul(text.c_str(), nullptr, 10));
  return count != 0;
}

}  // namespace

const wchar_t kViewerUsage[] =
    L"usage: logview [--record FILE] [--replay FILE] [--save FILE] [--filter TEXT] [--history LINES] [--once]";

bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == L"--once") {
      options.once = true;
      continue;
    }
    if (args[i] == L"--history") {
      if (i + 1 == args.size() || !ReadCount(args[i + 1], options.history)) {
        error = L"--history needs a number of lines above 0";
        return false;
      }
      ++i;
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
