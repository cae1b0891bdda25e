#include "FileChooser.h"

#include <commdlg.h>

namespace pf {
namespace {

std::wstring Choose(HWND owner, const wchar_t* filter, const wchar_t* extension, bool save) {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = extension;
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(path) : std::wstring();
}

constexpr wchar_t kRecordings[] = L"Log recordings (*.records)\0*.records\0All files (*.*)\0*.*\0";

}  // namespace

std::wstring ChooseRecordingToOpen(HWND owner) { return Choose(owner, kRecordings, L"records", false); }

std::wstring ChooseRecordingToWrite(HWND owner) { return Choose(owner, kRecordings, L"records", true); }

std::wstring ChooseTextToSave(HWND owner) {
  return Choose(owner, L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0", L"txt", true);
}

}  // namespace pf
