// The program's own command-line arguments, without its name, as Windows
// splits them. Shared by host.exe and logview.exe.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace pf {

inline std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
  LocalFree(list);
  return args;
}

}  // namespace pf
