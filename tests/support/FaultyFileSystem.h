// A file system for tests: passes every call to the platform's, counting
// them and noting each as one letter (L look, R read, W write, F flush,
// N rename, X remove), and either fails the k-th call or stops dead there:
// that call and every later one do nothing and fail, as if the process had
// died at that point and no clean-up could run. A death also empties the
// files written since the last flush, as a power cut may leave them.
#pragma once

#include <string>
#include <vector>

#include "common/FileSystem.h"

namespace pf::test {

class FaultyFileSystem : public IFileSystem {
 public:
  enum class Mode { Pass, Fail, Crash };

  explicit FaultyFileSystem(Mode mode = Mode::Pass, int at = 0) : mode_(mode), at_(at) {}

  int calls() const { return static_cast<int>(ops_.size()); }
  const std::string& ops() const { return ops_; }

  FileLook Look(const std::wstring& path) override {
    return Refused('L') ? FileLook{false, FileError::Other} : real_.Look(path);
  }
  FileError Read(const std::wstring& path, std::string& bytes) override {
    return Refused('R') ? FileError::Other : real_.Read(path, bytes);
  }
  FileError Write(const std::wstring& path, const std::string& bytes) override {
    if (Refused('W')) return FileError::DiskFull;
    unflushed_.push_back(path);
    return real_.Write(path, bytes);
  }
  FileError Flush(const std::wstring& folder) override {
    if (Refused('F')) return FileError::Other;
    unflushed_.clear();
    return real_.Flush(folder);
  }
  FileError Rename(const std::wstring& from, const std::wstring& to) override {
    return Refused('N') ? FileError::InUse : real_.Rename(from, to);
  }
  FileError Remove(const std::wstring& path) override { return Refused('X') ? FileError::InUse : real_.Remove(path); }

 private:
  // Notes the call; true when it is to fail without effect.
  bool Refused(char op) {
    ops_ += op;
    if (mode_ == Mode::Crash && calls() == at_) {
      for (const std::wstring& path : unflushed_) real_.Write(path, "");
    }
    return (mode_ == Mode::Fail && calls() == at_) || (mode_ == Mode::Crash && calls() >= at_);
  }

  Mode mode_;
  int at_;
  std::string ops_;
  std::vector<std::wstring> unflushed_;
  IFileSystem& real_ = PlatformFileSystem();
};

}  // namespace pf::test
