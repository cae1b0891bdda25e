// The common fixture of the wrapper tests: a machine test whose viewer
// listens before the log channel is made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "support/MachineFixture.h"
#include "support/Records.h"

namespace pf::test {

// An address as the call lines show it with "0x%08X": its low 32 bits.
inline std::wstring Hex32(const void* p) {
  std::wostringstream text;
  text << L"0x" << std::hex << std::uppercase << std::setw(8) << std::setfill(L'0')
       << (reinterpret_cast<std::uintptr_t>(p) & 0xFFFFFFFFu);
  return text.str();
}

// The records of Unload( 2 ): its line, then the groups of the shut-down
// calls inside its own group.
inline std::vector<LogRecord> UnloadRecords(const std::vector<std::vector<LogRecord>>& calls) {
  std::vector<LogRecord> records = {Line(0, L"COVXIF::Unload( 2 )"), Open()};
  for (const auto& group : calls) records.insert(records.end(), group.begin(), group.end());
  records.push_back(Line(1, L"COVXIF::Unload( 2 ) was succeeded."));
  records.push_back(Close());
  return records;
}

// A viewer listens from the start; the library is opened by Open() alone.
class NcLinkTest : public MachineTest {
 protected:
  NcLinkTest() : MachineTest(true, false) {}

  TestViewer& viewer_ = folder_;
};

}  // namespace pf::test
