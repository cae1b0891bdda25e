// A fresh temporary folder for one test, made the data folder's base by
// pointing XDG_DATA_HOME at it. The folder is removed and the variable
// restored when the test ends, so no test touches the user's real data.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>

namespace pf::test {

class TempFolder {
 public:
  TempFolder() {
    const char* previous = getenv("XDG_DATA_HOME");
    if (previous) previous_ = previous;
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("pf-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    setenv("XDG_DATA_HOME", path_.c_str(), 1);
  }
  ~TempFolder() {
    if (previous_) {
      setenv("XDG_DATA_HOME", previous_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder itself, without a trailing separator.
  std::wstring Path() const { return path_.wstring(); }
  // The module's data folder below it (not created).
  std::wstring DataFolder() const { return Path() + L"/KORVANTEL/Servo Bench/"; }

 private:
  std::filesystem::path path_;
  std::optional<std::string> previous_;
};

}  // namespace pf::test
