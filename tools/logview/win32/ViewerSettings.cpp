#include "ViewerSettings.h"

#include <windows.h>

namespace pf {
namespace {

constexpr wchar_t kKey[] = L"Software\\PathForge\\Log viewer";
constexpr wchar_t kColumns[] = L"Columns";
constexpr wchar_t kOnTop[] = L"AlwaysOnTop";
constexpr wchar_t kAutoScroll[] = L"AutoScroll";
constexpr std::size_t kMostColumns = 16;

bool ReadFlag(HKEY key, const wchar_t* name, bool fallback) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      size != sizeof value) {
    return fallback;
  }
  return value != 0;
}

void WriteFlag(HKEY key, const wchar_t* name, bool flag) {
  const DWORD value = flag ? 1 : 0;
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace

ViewerSettings LoadViewerSettings() {
  ViewerSettings settings;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return settings;
  DWORD widths[kMostColumns] = {};
  DWORD size = sizeof widths;
  DWORD type = 0;
  if (RegQueryValueExW(key, kColumns, nullptr, &type, reinterpret_cast<BYTE*>(widths), &size) == ERROR_SUCCESS &&
      type == REG_BINARY) {
    settings.columnWidths.assign(widths, widths + size / sizeof(DWORD));
  }
  settings.onTop = ReadFlag(key, kOnTop, settings.onTop);
  settings.autoScroll = ReadFlag(key, kAutoScroll, settings.autoScroll);
  RegCloseKey(key);
  return settings;
}

void SaveViewerSettings(const ViewerSettings& settings) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  std::vector<DWORD> widths(settings.columnWidths.begin(), settings.columnWidths.end());
  RegSetValueExW(key, kColumns, 0, REG_BINARY, reinterpret_cast<const BYTE*>(widths.data()),
                 static_cast<DWORD>(widths.size() * sizeof(DWORD)));
  WriteFlag(key, kOnTop, settings.onTop);
  WriteFlag(key, kAutoScroll, settings.autoScroll);
  RegCloseKey(key);
}

}  // namespace pf
