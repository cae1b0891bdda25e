// The common fixture of the wrapper tests: a machine test whose viewer
// listens before the log channel is made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>

#include "support/MachineFixture.h"

namespace pf::test {

// An address as the call lines show it with "0x%08X": its low 32 bits.
inline std::wstring Hex32(const void* p) {
  std::wostringstream text;
  text << L"0x" << std::hex << std::uppercase << std::setw(8) << std::setfill(L'0')
       << (reinterpret_cast<std::uintptr_t>(p) & 0xFFFFFFFFu);
  return text.str();
}

// A viewer listens from the start; the library is opened by Open() alone.
class NcLinkTest : public MachineTest {
 protected:
  NcLinkTest() : MachineTest(true, false) {}

  TestViewer& viewer_ = folder_;
};

}  // namespace pf::test
