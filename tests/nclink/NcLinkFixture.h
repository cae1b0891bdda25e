// The common fixture of the wrapper tests: a test viewer listening before
// the log channel is made, the simulated NC library held by the test, and a
// COVXIF logging to that channel.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>

#include "support/SimLibrary.h"
#include "support/TestViewer.h"
#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"

namespace pf::test {

// An address as the call lines show it with "0x%08X": its low 32 bits.
inline std::wstring Hex32(const void* p) {
  std::wostringstream text;
  text << L"0x" << std::hex << std::uppercase << std::setw(8) << std::setfill(L'0')
       << (reinterpret_cast<std::uintptr_t>(p) & 0xFFFFFFFFu);
  return text.str();
}

class NcLinkTest : public ::testing::Test {
 protected:
  ~NcLinkTest() override {
    if (ovx_.IsLoaded()) {
      ovx_.Unload(2);
    }
  }

  // Loads and initialises the library, as the start sequence does, and
  // forgets the records and journal lines that made.
  void Open() {
    ovx_.Load();
    ovx_.SetClosed(ovx_.OvxNcIfInit());
    ASSERT_TRUE(ovx_.IsUsable());
    viewer_.TakeRecords();
    sim_.ClearJournal();
  }

  // Writes a file into the test's own folder; returns its path.
  std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = viewer_.folder() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Puts a machine description in force.
  void UseMachine(const std::string& description) {
    ASSERT_TRUE(sim_.LoadMachine(WriteFile("machine.ini", description)));
  }

  TestViewer viewer_;
  SimLibrary sim_;
  CLogChannel log_;
  COVXIF ovx_{log_};
};

}  // namespace pf::test
