// The host's command line (see HostOptions.h).
#include "HostOptions.h"

#include <cwctype>

namespace pf {
namespace {

struct TextOption {
  const wchar_t* name;
  std::wstring HostOptions::*value;
};

constexpr TextOption kTextOptions[] = {
    {L"--script", &HostOptions::script},
    {L"--shots", &HostOptions::shots},
    {L"--machine", &HostOptions::machine},
    {L"--report", &HostOptions::report},
    {L"--plugin", &HostOptions::plugin},
};

bool ReadMilliseconds(const std::wstring& text, int& ms) {
  if (text.empty() || text.size() > 6) return false;
  ms = 0;
  for (wchar_t c : text) {
    if (!std::iswdigit(c)) return false;
    ms = ms * 10 + (c - L'0');
  }
  return true;
}

}  // namespace

const char kHostUsage[] =
    "usage: host.exe [--script FILE [--shots DIR] [--pace MS]] [--report FILE] [--machine FILE] [--plugin FILE]\n"
    "                [--wait-viewer]\n";

bool ParseHostOptions(const std::vector<std::wstring>& args, HostOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == L"--wait-viewer") {
      options.waitViewer = true;
      continue;
    }
    if (i + 1 == args.size()) return false;
    const std::wstring& value = args[++i];
    if (args[i - 1] == L"--pace") {
      if (!ReadMilliseconds(value, options.paceMs)) return false;
      continue;
    }
    bool known = false;
    for (const TextOption& option : kTextOptions) {
      if (args[i - 1] != option.name) continue;
      options.*option.value = value;
      known = true;
    }
    if (!known) return false;
  }
  return options.script.empty() ? options.shots.empty() && options.paceMs == 0 : true;
}

}  // namespace pf
