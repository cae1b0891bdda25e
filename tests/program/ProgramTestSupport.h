// Shared pieces of the program tests: a private data folder per test, a
// message sink that records every box, and raw file access for checking the
// bytes on disk independently of the code under test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "common/MessageSink.h"
#include "common/Text.h"

namespace pf_test {

namespace fs = std::filesystem;

// A fresh temporary folder that is the data home (XDG_DATA_HOME) for the
// test's lifetime.
class TempDataHome : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pf_program_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    if (const char* old = getenv("XDG_DATA_HOME")) oldDataHome_ = old;
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
  }

  void TearDown() override {
    if (oldDataHome_) {
      setenv("XDG_DATA_HOME", oldDataHome_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // The module's data folder below the temporary data home, created.
  fs::path DataFolder() const {
    const fs::path folder = root_ / "KORVANTEL" / "Servo Bench";
    fs::create_directories(folder);
    return folder;
  }

  fs::path root_;

 private:
  std::optional<std::string> oldDataHome_;
};

inline std::wstring Wide(const fs::path& path) { return pf::ToWide(path.string()); }

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// Records every message box; answers OK.
class RecordingSink : public pf::IMessageSink {
 public:
  int Show(const pf::MessageRequest& request) override {
    shown.push_back(request);
    return pf::kAnswerOk;
  }
  std::vector<pf::MessageRequest> shown;
};

}  // namespace pf_test
