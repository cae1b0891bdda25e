#include "ModuleHosts.h"

#include <windows.h>
#include <tlhelp32.h>

#include "plugin/PluginFileName.h"

namespace pf {
namespace {

constexpr int kSnapshotAttempts = 5;
constexpr DWORD kSnapshotPauseMs = 20;

// Walks a toolhelp snapshot with its First/Next pair.
template <class Entry, class Step, class Visit>
void Walk(HANDLE snapshot, Step first, Step next, Visit visit) {
  if (snapshot == INVALID_HANDLE_VALUE) return;
  Entry entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(snapshot, &entry); more; more = next(snapshot, &entry)) visit(entry);
  CloseHandle(snapshot);
}

struct ModuleList {
  bool plugin = false;
  bool kernel = false;
};

// A snapshot of the process's modules. A process that is loading or freeing
// a library can refuse one for a moment (its module list is changing): it
// is asked again then, and only then.
HANDLE ModuleSnapshot(DWORD process) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process);
  for (int attempt = 1; attempt < kSnapshotAttempts && snapshot == INVALID_HANDLE_VALUE &&
                        (GetLastError() == ERROR_BAD_LENGTH || GetLastError() == ERROR_PARTIAL_COPY);
       ++attempt) {
    Sleep(kSnapshotPauseMs);
    snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process);
  }
  return snapshot;
}

ModuleList ReadModules(DWORD process) {
  ModuleList list;
  Walk<MODULEENTRY32W>(ModuleSnapshot(process), Module32FirstW, Module32NextW, [&](const MODULEENTRY32W& module) {
    list.plugin = list.plugin || lstrcmpiW(module.szModule, kPluginFileName) == 0;
    list.kernel = list.kernel || lstrcmpiW(module.szModule, L"kernel32.dll") == 0;
  });
  return list;
}

// True when the process runs as the other kind of program (32- or 64-bit)
// than this one; false when that cannot be told.
bool OtherKind(DWORD process) {
  const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  if (handle == nullptr) return false;
  BOOL theirs = FALSE;
  BOOL ours = FALSE;
  const bool told = IsWow64Process(handle, &theirs) && IsWow64Process(GetCurrentProcess(), &ours);
  CloseHandle(handle);
  return told && theirs != ours;
}

// One look at every process but this one.
ModuleHosts LookAtProcesses() {
  ModuleHosts hosts;
  Walk<PROCESSENTRY32W>(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), Process32FirstW, Process32NextW,
                        [&](const PROCESSENTRY32W& process) {
                          if (process.th32ProcessID == GetCurrentProcessId()) return;
                          const ModuleList modules = ReadModules(process.th32ProcessID);
                          if (modules.plugin) {
                            hosts.processes.push_back(process.th32ProcessID);
                          } else if (!modules.kernel && OtherKind(process.th32ProcessID)) {
                            hosts.complete = false;
                          }
                        });
  return hosts;
}

}  // namespace

ModuleHosts FindModuleHosts() {
  ModuleHosts hosts = LookAtProcesses();
  // The module that sent the load line has the plug-in loaded: when no
  // process shows it, a module list was read while it changed.
  for (int attempt = 1; attempt < kSnapshotAttempts && hosts.processes.empty(); ++attempt) {
    Sleep(kSnapshotPauseMs);
    hosts = LookAtProcesses();
  }
  return hosts;
}

}  // namespace pf
