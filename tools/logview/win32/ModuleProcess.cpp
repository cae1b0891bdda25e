#include "ModuleProcess.h"

#include <windows.h>
#include <tlhelp32.h>

#include <vector>

#include "plugin/PluginFileName.h"

namespace pf {
namespace {

// Walks a toolhelp snapshot with its First/Next pair.
template <class Entry, class Step, class Visit>
void Walk(HANDLE snapshot, Step first, Step next, Visit visit) {
  if (snapshot == INVALID_HANDLE_VALUE) return;
  Entry entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) {
    if (visit(entry)) break;
  }
  CloseHandle(snapshot);
}

bool HasPlugin(DWORD process) {
  bool found = false;
  Walk<MODULEENTRY32W>(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process), Module32FirstW,
                       Module32NextW, [&](const MODULEENTRY32W& module) {
                         found = lstrcmpiW(module.szModule, kPluginFileName) == 0;
                         return found;
                       });
  return found;
}

}  // namespace

uint32_t FindModuleProcess(const std::set<uint32_t>& named) {
  std::vector<uint32_t> processes;
  Walk<PROCESSENTRY32W>(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), Process32FirstW, Process32NextW,
                        [&](const PROCESSENTRY32W& process) {
                          if (process.th32ProcessID != GetCurrentProcessId() && HasPlugin(process.th32ProcessID)) {
                            processes.push_back(process.th32ProcessID);
                          }
                          return false;
                        });
  for (uint32_t process : processes) {
    if (named.count(process) == 0) return process;
  }
  return processes.empty() ? 0 : processes.back();
}

}  // namespace pf
