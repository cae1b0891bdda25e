// The fixture of the tests that read a machine through the wrapper: the
// simulated NC library held by the test, opened and initialised as the start
// sequence does, and a log channel that finds no viewer unless asked to (the
// runtime and data folders point at a fresh folder of the test's own).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"
#include "support/SimLibrary.h"
#include "support/TestViewer.h"

namespace pf::test {

class MachineTest : public ::testing::Test {
 protected:
  // `listen`: a viewer listens before the log channel is made; `open`: SetUp
  // opens the library.
  explicit MachineTest(bool listen = false, bool open = true) : folder_(listen), open_(open) {}

  void SetUp() override {
    if (open_) Open();
  }

  void TearDown() override {
    if (ovx_.IsLoaded()) ovx_.Unload(2);
  }

  // Loads and initialises the library, as the start sequence does, and
  // forgets the records and journal lines that made.
  void Open() {
    ovx_.Load();
    ovx_.SetClosed(ovx_.OvxNcIfInit());
    ASSERT_TRUE(ovx_.IsUsable());
    folder_.TakeRecords();
    sim_.ClearJournal();
  }

  // Writes a file into the test's own folder; returns its path.
  std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = folder_.folder() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Puts a machine description in force (an empty journal, no failures but
  // its own); nullptr puts the built-in machine in force.
  void UseMachine(const char* description) {
    ASSERT_TRUE(sim_.LoadMachine(description == nullptr ? "" : WriteFile("machine.ini", description)));
  }
  void UseMachine(const std::string& description) { UseMachine(description.c_str()); }

  // How many journal lines read exactly `line`.
  long CountCalls(const std::string& line) {
    const std::vector<std::string> journal = sim_.Journal();
    return static_cast<long>(std::count(journal.begin(), journal.end(), line));
  }

  // True when some journal line starts with `call`.
  bool WasCalled(const std::string& call) {
    const std::vector<std::string> journal = sim_.Journal();
    return std::any_of(journal.begin(), journal.end(),
                       [&](const std::string& line) { return line.compare(0, call.size(), call) == 0; });
  }

  TestViewer folder_;
  bool open_;
  SimLibrary sim_;
  CLogChannel log_;
  COVXIF ovx_{log_};
};

}  // namespace pf::test
