// Shared pieces of the program tests: a private data folder per test, a
// message sink that records every box, and raw file access for checking the
// bytes on disk independently of the code under test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/MessageSink.h"
#include "common/Text.h"
#include "support/TempFolder.h"

namespace pf_test {

namespace fs = std::filesystem;

// A fresh temporary folder that is the data home (XDG_DATA_HOME) for the
// test's lifetime.
class TempDataHome : public ::testing::Test {
 protected:
  // The module's data folder below the temporary data home, created.
  fs::path DataFolder() const {
    const fs::path folder = folder_.DataFolder();
    fs::create_directories(folder);
    return folder;
  }

  pf::test::TempFolder folder_;
  const fs::path root_{folder_.Path()};
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
