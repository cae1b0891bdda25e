// Only Win32 code here. The resource module and small window queries.
#include "ui/win32/Win32Module.h"

#include <vector>

namespace pf {
namespace {

// An address inside this module, whichever module that is.
const int kModuleAnchor = 0;

}  // namespace

HINSTANCE ResourceModule() {
  static const HINSTANCE module = [] {
    HMODULE found = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<const wchar_t*>(&kModuleAnchor), &found);
    return found;
  }();
  return module;
}

bool HasDialogResource(unsigned id) {
  return FindResourceW(ResourceModule(), ResourceName(id), RT_DIALOG) != nullptr;
}

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return L"";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool HasWindowClass(HWND hwnd, const wchar_t* windowClass) {
  wchar_t name[64] = {};
  if (GetClassNameW(hwnd, name, 64) == 0) return false;
  return CompareStringOrdinal(name, -1, windowClass, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace pf
