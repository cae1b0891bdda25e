// The fixture of the tests that read a machine through the wrapper: the
// simulated NC library held by the test, opened and initialised as the start
// sequence does, and a log channel that finds no viewer (the runtime and data
// folders point at a fresh folder of the test's own).
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
  void SetUp() override {
    ovx_.Load();
    ovx_.SetClosed(ovx_.OvxNcIfInit());
    ASSERT_TRUE(ovx_.IsUsable());
  }

  void TearDown() override { ovx_.Unload(2); }

  // Puts a machine description in force (an empty journal, no failures but
  // its own); nullptr puts the built-in machine in force.
  void UseMachine(const char* description) {
    std::string path;
    if (description != nullptr) {
      path = folder_.folder() + "/machine.ini";
      std::ofstream(path, std::ios::binary) << description;
    }
    ASSERT_TRUE(sim_.LoadMachine(path));
  }

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

  TestViewer folder_{false};
  SimLibrary sim_;
  CLogChannel log_;
  COVXIF ovx_{log_};
};

}  // namespace pf::test
