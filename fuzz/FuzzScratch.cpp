#include "FuzzScratch.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/FsPath.h"
#include "common/Path.h"

namespace pf_fuzz {
namespace {

std::wstring MakeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pathforge-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("pathforge fuzz: scratch folder");
    std::abort();
  }
  setenv("XDG_DATA_HOME", pattern.c_str(), 1);
  static const std::string removed = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(removed, ignored);
  });
  return pf::FromFsPath(pattern);
}

}  // namespace

const std::wstring& ScratchFolder() {
  static const std::wstring folder = MakeScratchFolder();
  return folder;
}

std::wstring ScratchFile(const std::wstring& name, const uint8_t* data, std::size_t size) {
  const std::wstring path = ScratchFolder() + L"/" + name;
  if (!pf::WriteFileBytes(path, std::string(reinterpret_cast<const char*>(data), size))) {
    Require(false, "the scratch file can be written");
  }
  return path;
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "pathforge fuzz: property failed: %s\n", what);
  std::abort();
}

}  // namespace pf_fuzz
