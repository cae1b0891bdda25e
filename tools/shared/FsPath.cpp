#include "tools/shared/FsPath.h"

#include <type_traits>

#include "common/Text.h"

namespace pf {
namespace {

constexpr bool kWidePaths = std::is_same_v<std::filesystem::path::value_type, wchar_t>;

}  // namespace

std::filesystem::path ToFsPath(const std::wstring& text) {
  if constexpr (kWidePaths) {
    return std::filesystem::path(text);
  } else {
    return std::filesystem::path(ToNarrow(text));
  }
}

std::wstring FromFsPath(const std::filesystem::path& path) {
  if constexpr (kWidePaths) {
    return path.wstring();
  } else {
    return ToWide(path.string());
  }
}

}  // namespace pf
