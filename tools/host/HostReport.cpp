// Only Win32 code here. The host's report stream (see HostReport.h).
#include "HostReport.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

#include "common/Text.h"

namespace pf {
namespace {

constexpr wchar_t kHostTitle[] = L"PathForge test host";

bool HasStandardOutput() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  return output != nullptr && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN;
}

// The console of the process that started the host (a window program gets
// none of its own), with the C runtime's output bound to it.
bool AttachParentConsole() {
  return AttachConsole(ATTACH_PARENT_PROCESS) && std::freopen("CONOUT$", "w", stdout) != nullptr;
}

}  // namespace

HostReport::HostReport(const HostOptions& options)
    : destination_(ChooseReportDestination(!options.script.empty(), !options.report.empty(), HasStandardOutput())) {
  switch (destination_) {
    case ReportDestination::File:
      file_.open(options.report.c_str(), std::ios::out | std::ios::trunc);
      if (file_) {
        out_ = &file_;
        return;
      }
      destination_ = ReportDestination::Box;
      usable_ = false;
      collected_ << ToNarrow(options.report) << " cannot be written\n";
      return;
    case ReportDestination::StandardOutput:
      out_ = &std::cout;
      return;
    case ReportDestination::ParentConsole:
      if (AttachParentConsole()) out_ = &std::cout;
      return;
    case ReportDestination::Box:
      return;
  }
}

HostReport::~HostReport() { Close(); }

void HostReport::Close() {
  if (closed_) return;
  closed_ = true;
  out_->flush();
  const std::string text = collected_.str();
  if (out_ == &collected_ && !text.empty()) {
    MessageBoxW(nullptr, ToWide(text).c_str(), kHostTitle, MB_OK | MB_ICONERROR);
  }
}

}  // namespace pf
