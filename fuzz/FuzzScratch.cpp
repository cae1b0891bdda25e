#include "FuzzScratch.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/FileSystem.h"
#include "common/Path.h"
#include "tools/shared/FsPath.h"

namespace pf_fuzz {
namespace {

// The platform's file system without its disk flushes: a fuzzing process
// writes thousands of scratch files that no crash needs to find again.
class UnflushedFileSystem : public pf::IFileSystem {
 public:
  pf::FileLook Look(const std::wstring& path) override { return real_.Look(path); }
  pf::FileError Read(const std::wstring& path, std::string& bytes) override { return real_.Read(path, bytes); }
  pf::FileError Write(const std::wstring& path, const std::string& bytes) override { return real_.Write(path, bytes); }
  pf::FileError Flush(const std::wstring&) override { return pf::FileError::None; }
  pf::FileError Rename(const std::wstring& from, const std::wstring& to) override { return real_.Rename(from, to); }
  pf::FileError Remove(const std::wstring& path) override { return real_.Remove(path); }

 private:
  pf::IFileSystem& real_ = pf::PlatformFileSystem();
};

std::wstring MakeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pathforge-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("pathforge fuzz: scratch folder");
    std::abort();
  }
  setenv("XDG_DATA_HOME", pattern.c_str(), 1);
  // The data folder exists, as it does where the module is in use: the
  // settings file is written once, not tried again at every input.
  pf::MakeDirectory(pf::GetAppDataFolder());
  static UnflushedFileSystem unflushed;
  static const pf::ScopedFileSystem scope(unflushed);
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
