// host.exe: the test host of the plug-in on Windows (see HostOptions.h for
// the command line). It loads "40.PathForge.pin" by its file name, as the
// servo-tuning application does (the module's own folder comes first in the
// platform's search), checks the sixteen exports and the plug-in interface
// (ExportCheck.h), and calls StartIF: driven by a wizard script from a
// second thread (ScriptedStart.h), else for a person to use.
//
// The simulated NC library reads its machine from OVXSIM_MACHINE when the
// module loads it in StartIF; --machine sets that variable in this process
// (the module itself reads no environment).
//
// A window program: started by a person it shows the wizard and nothing
// else, and a message box only when the plug-in cannot be used. A scripted
// run reports each failure, then "N passed, M failed" (HostReport.h says
// where). Exits 0 when nothing failed, 1 when something did, 2 when the
// command, the script or the plug-in cannot be used.
#include <string>
#include <vector>

#include "ExportCheck.h"
#include "HostOptions.h"
#include "HostReport.h"
#include "MissingPlugin.h"
#include "ScriptedStart.h"
#include "ViewerWindow.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "nclink/LogEndpoint.h"
#include "tools/script/Script.h"
#include "tools/shared/PluginModule.h"
#include "tools/shared/win32/CommandLine.h"

#include <windows.h>
#include <shellapi.h>
#include <stdlib.h>

namespace pf {
namespace {

constexpr DWORD kViewerWaitMs = 10000;
constexpr DWORD kPollMs = 50;
constexpr const wchar_t* kArch = sizeof(void*) == 8 ? L"x64" : L"x86";

std::wstring FullPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, buffer, nullptr);
  return length == 0 || length >= MAX_PATH ? path : std::wstring(buffer);
}

// The folder part of a full path, ending in a separator.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
}

// The plug-in file that the host loads: the one given, else the one beside
// host.exe (the first place the platform's search looks).
std::wstring PluginFile(const HostOptions& options) {
  if (!options.plugin.empty()) return FullPath(options.plugin);
  wchar_t program[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  return FolderOf(std::wstring(program, length < MAX_PATH ? length : 0)) + kPluginFileName;
}

bool WithSeparator(std::wstring& folder) {
  if (folder.empty()) return true;
  if (folder.back() != L'\\') folder += L'\\';
  return MakeDirectory(folder);
}

bool LoadScript(const std::wstring& path, Script& script, std::wstring& error) {
  std::string bytes;
  script.fileName = path;
  if (!ReadFileBytes(path, bytes)) {
    error = Format(L"%s cannot be read", path);
    return false;
  }
  return ParseScript(bytes, script, error);
}

void WaitForViewer() {
  for (DWORD waited = 0; waited < kViewerWaitMs && FindWindowW(nullptr, kLogViewerTitle) == nullptr;
       waited += kPollMs) {
    Sleep(kPollMs);
  }
}

int Run(const std::vector<std::wstring>& args) {
  HostOptions options;
  const bool parsed = ParseHostOptions(args, options);
  HostReport report(options);
  std::ostream& out = report.stream();
  if (!parsed) {
    out << kHostUsage;
    return 2;
  }
  if (!report.usable()) return 2;
  ScriptedStartOptions run;
  run.shotFolder = options.shots.empty() ? L"" : FullPath(options.shots);
  run.paceMs = options.paceMs;
  if (!WithSeparator(run.shotFolder)) {
    out << ToNarrow(Format(L"%s cannot be made\n", run.shotFolder));
    return 2;
  }
  Script script;
  std::wstring error;
  if (!options.script.empty() && !LoadScript(options.script, script, error)) {
    out << ToNarrow(error) << '\n';
    return 2;
  }
  run.scriptFolder = FolderOf(FullPath(options.script));
  if (!options.machine.empty()) _wputenv((L"OVXSIM_MACHINE=" + FullPath(options.machine)).c_str());
  if (options.waitViewer) WaitForViewer();

  PluginModule plugin;
  const std::wstring pluginFile = PluginFile(options);
  if (GetFileAttributesW(pluginFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    out << ToNarrow(MissingPluginText(pluginFile, kArch));
    return 2;
  }
  if (!plugin.Load(error, options.plugin.empty() ? kPluginFileName : pluginFile)) {
    out << ToNarrow(error) << '\n';
    return 2;
  }
  CheckCounts counts = CheckExports(plugin, out);
  if (options.script.empty()) {
    const ViewerBesideWizardOnceShown viewer(LoadResString(kWizardCaption));
    plugin.StartIF();
  } else {
    counts = RunScriptedStart(plugin, script, run, counts, out);
  }
  if (report.reportsCounts()) PrintCounts(counts, out);
  return counts.failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pf

int main() { return pf::Run(pf::CommandLineArguments()); }
